#include "model/edit_history.h"

#include <algorithm>

namespace tesmark {

std::string CutEditText(const std::string& text) {
    std::size_t units = 0;
    std::size_t i = 0;
    while (i < text.size()) {
        auto lead = static_cast<unsigned char>(text[i]);
        std::size_t length = lead < 0x80 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
        std::size_t width = length == 4 ? 2 : 1;
        if (units + width > static_cast<std::size_t>(kEditTextLimit)) break;
        units += width;
        i = std::min(text.size(), i + length);
    }
    return text.substr(0, i);
}

std::string RemoveControlCharacters(const std::string& text) {
    std::string kept;
    kept.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        auto byte = static_cast<unsigned char>(text[i]);
        if (byte < 0x20 || byte == 0x7F) continue;
        // U+0080..U+009F are 0xC2 0x80..0x9F in UTF-8.
        if (byte == 0xC2 && i + 1 < text.size() &&
            static_cast<unsigned char>(text[i + 1]) <= 0x9F &&
            static_cast<unsigned char>(text[i + 1]) >= 0x80) {
            ++i;
            continue;
        }
        kept += text[i];
    }
    return kept;
}

void PushEditHistory(RuleState& state, const std::string& text) {
    std::move_backward(state.editHistory.begin(), state.editHistory.end() - 1,
                       state.editHistory.end());
    state.editHistory[0] = CutEditText(RemoveControlCharacters(text));
}

bool IsCommittableEditText(const std::string& text) {
    return !text.empty() && ((text[0] >= '0' && text[0] <= '9') || text[0] == '.');
}

}  // namespace tesmark
