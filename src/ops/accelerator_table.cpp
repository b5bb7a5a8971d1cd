#include "ops/accelerator_table.h"

#include "ops/command_ids.h"

namespace tesmark {

namespace {

using namespace cmd;

constexpr int Key(char c) {
    return AccelLetter(c);
}
constexpr int kTab = static_cast<int>(AccelKey::Tab);
constexpr int kF1 = static_cast<int>(AccelKey::F1);
constexpr int kF2 = static_cast<int>(AccelKey::F2);

constexpr Accelerator kMainAccelTable[] = {
    {Key('1'), kShift, 501},
    {Key('2'), kShift, 502},
    {Key('3'), kShift, 503},
    {Key('4'), kShift, 504},
    {Key('5'), kShift, 505},
    {Key('6'), kShift, 506},
    {Key('7'), kShift, 507},
    {Key('8'), kShift, 508},
    {Key('9'), kShift, 509},
    {Key('0'), kShift, 510},
    {Key('C'), kNoModifier, kFocusCursorBar},
    {Key('C'), kShift, kCentreCursor},
    {Key('C'), kCtrl, kClipboardCopy},
    {Key('D'), kCtrl, kRightClickDouble},
    {Key('F'), kCtrl, kRightClickFast},
    {Key('F'), kShift, kToggleFold},
    {Key('H'), kNoModifier, kFocusEditBox},
    {Key('I'), kNoModifier, kInitialization},
    {Key('L'), kShift, kNextScaleLL},
    {Key('N'), kShift, kToggleSinNum},
    {Key('P'), kCtrl, kClipboardCursorPaste},
    {Key('R'), kNoModifier, kReverse},
    {Key('R'), kShift, kReverse},
    {Key('R'), kCtrl, kRightClickReverse},
    {Key('S'), kNoModifier, kFocusSlideBar},
    {Key('S'), kShift, kCentreSlide},
    {Key('S'), kCtrl, kClipboardSlidePaste},
    {Key('T'), kShift, kToggleScaleST},
    {kF1, kNoModifier, kHelp},
    // F2, beside Help's F1: a function key, so no letter typed into the edit
    // box and no Ctrl key of its editing is taken from it.
    {kF2, kNoModifier, kShowMe},
    {Key('X'), kCtrl, kExit},
    {kTab, kNoModifier, kNextReading},
    {kTab, kShift, kPreviousReading},
    {Key('Z'), kCtrl, kUndo},
};

}  // namespace

std::span<const Accelerator> MainAccelTable() {
    return kMainAccelTable;
}

std::optional<int> AcceleratorCommand(int key, uint8_t modifiers) {
    const uint8_t relevant = modifiers & (kShift | kCtrl);
    for (const Accelerator& accelerator : kMainAccelTable) {
        if (accelerator.key == key && accelerator.modifiers == relevant) return accelerator.command;
    }
    return std::nullopt;
}

std::string AcceleratorText(const Accelerator& accelerator) {
    std::string text;
    if (accelerator.modifiers & kCtrl) text += "Ctrl+";
    if (accelerator.modifiers & kShift) text += "Shift+";
    if (accelerator.key == kTab) {
        text += "Tab";
    } else if (accelerator.key == kF1) {
        text += "F1";
    } else if (accelerator.key == kF2) {
        text += "F2";
    } else {
        text += static_cast<char>(accelerator.key);
    }
    return text;
}

std::string CommandKeyText(int commandId) {
    std::string text;
    for (const Accelerator& accelerator : kMainAccelTable) {
        if (accelerator.command != commandId) continue;
        if (!text.empty()) text += ", ";
        text += AcceleratorText(accelerator);
    }
    return text;
}

}  // namespace tesmark
