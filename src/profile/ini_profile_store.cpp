#include "profile/ini_profile_store.h"

#include <algorithm>

#include "profile/ini_writer.h"
#include "profile/profile.h"

namespace tesmark {

IniProfileStore::IniProfileStore(std::string_view text) {
    load(text);
}

void IniProfileStore::load(std::string_view text) {
    read_ = ReadIni(text, IsProfileKey);
}

const IniValue* IniProfileStore::find(std::string_view section, std::string_view key) const {
    auto s = read_.find(section);
    if (s == read_.end()) return nullptr;
    auto k = s->second.find(key);
    return k == s->second.end() ? nullptr : &k->second;
}

std::optional<int64_t> IniProfileStore::readInt(std::string_view section, std::string_view key) {
    const IniValue* value = find(section, key);
    if (!value) return std::nullopt;
    return IniInteger(*value);  // a text that is not a whole number counts as missing
}

std::optional<std::string> IniProfileStore::readString(std::string_view section,
                                                       std::string_view key) {
    const IniValue* value = find(section, key);
    if (!value) return std::nullopt;
    return value->text;
}

void IniProfileStore::writeInt(std::string_view section, std::string_view key, int32_t value) {
    writeString(section, key, std::to_string(value));
}

void IniProfileStore::writeString(std::string_view section, std::string_view key,
                                  std::string_view value) {
    auto s = std::find_if(written_.begin(), written_.end(),
                          [&](const auto& entry) { return entry.first == section; });
    if (s == written_.end()) s = written_.insert(written_.end(), {std::string(section), {}});
    auto k = std::find_if(s->second.begin(), s->second.end(),
                          [&](const auto& entry) { return entry.first == key; });
    if (k == s->second.end()) {
        s->second.emplace_back(std::string(key), std::string(value));
    } else {
        k->second = std::string(value);
    }
}

std::string IniProfileStore::writtenText() const {
    IniWriter writer;
    for (const auto& [section, entries] : written_) {
        writer.section(section);
        for (const auto& [key, value] : entries) writer.value(key, value);
    }
    return writer.text();
}

bool IniProfileStore::flush() {
    return commit(writtenText());
}

bool IniProfileStore::commit(const std::string&) {
    return true;
}

}  // namespace tesmark
