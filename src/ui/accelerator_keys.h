#pragma once
// Qt key events in the terms of the accelerator table. Letters, digits, F1
// and Tab map to the table's keys; Shift+Tab arrives as Backtab. With Shift
// held a digit key reports the symbol printed above it, so the digit is
// taken from the physical key where the platform tells it, and otherwise
// from the US layout's symbols.
#include <QKeyEvent>
#include <cstdint>
#include <optional>

namespace tesmark {

struct AccelKeyPress {
    int key;            // as the accelerator table describes keys
    uint8_t modifiers;  // AccelModifier bits
};

// The table's description of a key event; nullopt for a key the table
// cannot bind (Alt held, or a key it does not know).
std::optional<AccelKeyPress> AccelKeyOf(const QKeyEvent& event);

// The same from the parts of an event, for the platform-independent rules.
std::optional<AccelKeyPress> AccelKeyOf(int qtKey, Qt::KeyboardModifiers modifiers,
                                        std::optional<int> physicalDigit);

// The command a key event runs through "MainAccelTable", if any.
std::optional<int> AcceleratorCommandOf(const QKeyEvent& event);

}  // namespace tesmark
