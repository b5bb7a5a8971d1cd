#include "profile/profile.h"

#include <algorithm>
#include <cctype>
#include <cstdio>

#include "model/edit_history.h"

namespace tesmark {

namespace {

constexpr const char* kMemoryPrefix = "Memory";
constexpr const char* kConstantPrefix = "Cont";
constexpr const char* kHistoryPrefix = "Histry";

// Registry integers are 32-bit; the fields cut them further to their width.
int32_t CutTo32(int64_t value) {
    return static_cast<int32_t>(value);
}

// The leading integer of a text: white space, a sign and digits; reading
// stops at the first non-digit. Saturates instead of overflowing.
int64_t LeadingInteger(const std::string& text, std::size_t from) {
    std::size_t i = from;
    while (i < text.size() && std::isspace(static_cast<unsigned char>(text[i]))) ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
    int64_t value = 0;
    constexpr int64_t kLimit = int64_t{1} << 40;
    while (i < text.size() && std::isdigit(static_cast<unsigned char>(text[i]))) {
        value = std::min(kLimit, value * 10 + (text[i++] - '0'));
    }
    return negative ? -value : value;
}

int32_t HeldToRow(const IntSetting& setting, int32_t value) {
    if (value >= setting.low && value <= setting.high) return value;
    if (setting.rule == OutOfRange::Default) return setting.byDefault;
    return std::clamp(value, setting.low, setting.high);
}

// The row of the slide position also bounds the stored memories.
const IntSetting& PositionRow() {
    static const IntSetting& row =
        *std::find_if(std::begin(kIntSettings), std::end(kIntSettings),
                      [](const IntSetting& s) { return std::string_view(s.key) == "SlidePos"; });
    return row;
}

// A numbered key "Prefix01".."PrefixNN" of a section with `count` entries.
bool IsNumberedKey(std::string_view key, std::string_view prefix, int count) {
    if (key.size() != prefix.size() + 2 || key.substr(0, prefix.size()) != prefix) return false;
    for (int i = 1; i <= count; ++i) {
        if (key == NumberedKey(std::string(prefix).c_str(), i)) return true;
    }
    return false;
}

}  // namespace

std::string NumberedKey(const char* prefix, int entry) {
    char key[32];
    std::snprintf(key, sizeof key, "%s%02d", prefix, entry);
    return key;
}

bool IsProfileKey(std::string_view section, std::string_view key) {
    if (section == kSettingsSection) {
        if (key == kProfileMarkerKey) return true;
        return std::any_of(std::begin(kIntSettings), std::end(kIntSettings),
                           [&](const IntSetting& s) { return key == s.key; });
    }
    if (section == kMemorySection) return IsNumberedKey(key, kMemoryPrefix, kMemoryCount);
    if (section == kEditSection) {
        return IsNumberedKey(key, kConstantPrefix, kEditConstantCount) ||
               IsNumberedKey(key, kHistoryPrefix, kEditHistoryCount);
    }
    return false;
}

std::optional<SlideMemory> ParseMemoryText(const std::string& text) {
    std::size_t comma = text.find(',');
    if (comma == std::string::npos) return std::nullopt;
    SlideMemory memory;
    memory.options = static_cast<int16_t>(CutTo32(LeadingInteger(text, 0)));
    memory.position = CutTo32(LeadingInteger(text, comma + 1));
    return memory;
}

std::string FormatMemoryText(const SlideMemory& memory) {
    char text[32];
    std::snprintf(text, sizeof text, "%d,%ld", static_cast<int>(memory.options),
                  static_cast<long>(memory.position));
    return text;
}

void SanitiseLoadedState(RuleState& state) {
    for (const IntSetting& setting : kIntSettings) {
        setting.set(state, HeldToRow(setting, setting.get(state)));
    }
    const IntSetting& positions = PositionRow();
    for (SlideMemory& memory : state.memories) {
        memory.position = std::clamp(memory.position, positions.low, positions.high);
    }
    for (std::string& text : state.editConstants) text = RemoveControlCharacters(text);
    for (std::string& text : state.editHistory) text = RemoveControlCharacters(text);
}

RuleState LoadProfile(ProfileStore& store) {
    RuleState state = RuleState::Defaults();
    for (const IntSetting& setting : kIntSettings) {
        setting.set(
            state,
            CutTo32(store.readInt(kSettingsSection, setting.key).value_or(setting.byDefault)));
    }
    const bool marked =
        CutTo32(store.readInt(kSettingsSection, kProfileMarkerKey).value_or(0)) == kProfileMarker;
    if (!marked) {
        // An older profile, or none: its positions do not count.
        state.SlidePos = HomePos;
        state.CursorPos = HomePos;
    } else {
        for (int i = 0; i < kMemoryCount; ++i) {
            std::optional<std::string> text =
                store.readString(kMemorySection, NumberedKey(kMemoryPrefix, i + 1));
            if (!text) continue;
            if (std::optional<SlideMemory> memory = ParseMemoryText(*text)) {
                state.memories[static_cast<std::size_t>(i)] = *memory;
            }
        }
    }
    // Control characters go before the cut, so a text of thirty visible
    // characters stays whole.
    for (int i = 0; i < kEditConstantCount; ++i) {
        if (auto text = store.readString(kEditSection, NumberedKey(kConstantPrefix, i + 1))) {
            state.editConstants[static_cast<std::size_t>(i)] =
                CutEditText(RemoveControlCharacters(*text));
        }
    }
    for (int i = 0; i < kEditHistoryCount; ++i) {
        if (auto text = store.readString(kEditSection, NumberedKey(kHistoryPrefix, i + 1))) {
            state.editHistory[static_cast<std::size_t>(i)] =
                CutEditText(RemoveControlCharacters(*text));
        }
    }
    SanitiseLoadedState(state);
    return state;
}

bool SaveProfile(const RuleState& state, ProfileStore& store) {
    for (const IntSetting& setting : kIntSettings) {
        store.writeInt(kSettingsSection, setting.key, setting.get(state));
    }
    store.writeInt(kSettingsSection, kProfileMarkerKey, kProfileMarker);
    for (int i = 0; i < kMemoryCount; ++i) {
        store.writeString(kMemorySection, NumberedKey(kMemoryPrefix, i + 1),
                          FormatMemoryText(state.memories[static_cast<std::size_t>(i)]));
    }
    for (int i = 0; i < kEditConstantCount; ++i) {
        store.writeString(kEditSection, NumberedKey(kConstantPrefix, i + 1),
                          state.editConstants[static_cast<std::size_t>(i)]);
    }
    for (int i = 0; i < kEditHistoryCount; ++i) {
        store.writeString(kEditSection, NumberedKey(kHistoryPrefix, i + 1),
                          state.editHistory[static_cast<std::size_t>(i)]);
    }
    return store.flush();
}

}  // namespace tesmark
