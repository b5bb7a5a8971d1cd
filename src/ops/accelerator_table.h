#pragma once
// The accelerator table "MainAccelTable": keys that run commands before the
// focused control sees them, so the plain letters act as commands even while
// the edit box has the keyboard focus. Keys are described without a toolkit:
// a letter or digit by its upper-case ASCII code, the others by name; the
// window maps its own key events to these.
#include <cstdint>
#include <optional>
#include <span>
#include <string>

namespace tesmark {

enum class AccelKey : int {
    Tab = 0x09,
    Digit0 = '0',
    F1 = 0x70,  // above every ASCII letter
    F2 = 0x71,
};

// A letter or digit key from its character ('a' and 'A' alike).
constexpr int AccelLetter(char c) {
    return c >= 'a' && c <= 'z' ? c - 'a' + 'A' : c;
}

enum AccelModifier : uint8_t {
    kNoModifier = 0,
    kShift = 1,
    kCtrl = 2,
};

struct Accelerator {
    int key;            // AccelLetter('C'), '0'..'9', or an AccelKey value
    uint8_t modifiers;  // AccelModifier bits; only Shift and Ctrl take part
    int command;
};

std::span<const Accelerator> MainAccelTable();

// The command of a key with exactly these modifiers, if the table binds one.
std::optional<int> AcceleratorCommand(int key, uint8_t modifiers);

// A key as the menus write it: "Shift+R", "Ctrl+Z", "F1", "Shift+Tab".
std::string AcceleratorText(const Accelerator& accelerator);

// All keys of a command, joined with ", " ("R, Shift+R"); "" when it has none.
std::string CommandKeyText(int commandId);

}  // namespace tesmark
