#include "ops/edit_box_rules.h"

#include "model/edit_history.h"
#include "model/string_table.h"

namespace tesmark {

namespace {

char FoldLatin(char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

bool BeginsWith(std::string_view entry, std::string_view prefix) {
    if (entry.size() < prefix.size()) return false;
    for (std::size_t i = 0; i < prefix.size(); ++i)
        if (FoldLatin(entry[i]) != FoldLatin(prefix[i])) return false;
    return true;
}

// The characters of a text as the edit field counts them (UTF-16 units),
// cut after `limit` of them, never inside a character.
std::string_view FirstFieldCharacters(std::string_view utf8, std::size_t limit) {
    std::size_t units = 0;
    std::size_t i = 0;
    while (i < utf8.size()) {
        const auto lead = static_cast<unsigned char>(utf8[i]);
        const std::size_t length = lead < 0x80 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
        const std::size_t width = length == 4 ? 2 : 1;
        if (units + width > limit) break;
        units += width;
        i = std::min(utf8.size(), i + length);
    }
    return utf8.substr(0, i);
}

}  // namespace

int FindEntryWithPrefix(const std::vector<std::string>& entries, std::string_view text) {
    for (std::size_t i = 0; i < entries.size(); ++i)
        if (BeginsWith(entries[i], text)) return static_cast<int>(i);
    return -1;
}

EditHistoryAdd AddToEditHistory(std::vector<std::string>& entries, RuleState& state,
                                std::string_view text) {
    const int found = FindEntryWithPrefix(entries, text);
    if (found >= 0) return {found, false};
    const std::string entry = CutEditText(std::string(text));
    const auto at = std::min<std::size_t>(kHistoryInsertPosition, entries.size());
    entries.insert(entries.begin() + static_cast<std::ptrdiff_t>(at), entry);
    PushEditHistory(state, entry);
    return {static_cast<int>(at), true};
}

std::optional<std::string> CommittedEditText(std::string_view field) {
    const std::string text(FirstFieldCharacters(field, kEditTextLimit - 1));
    if (!IsCommittableEditText(text)) return std::nullopt;
    return text;
}

std::string EditBoxCopyMessage(std::string_view text, int16_t language) {
    return CopiedToEditBoxMessage(text, LanguageOf(language));
}

}  // namespace tesmark
