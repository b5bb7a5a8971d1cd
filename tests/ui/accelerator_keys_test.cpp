// Qt key events reach the accelerator table's keys, Shift+digit included.
#include "ui/accelerator_keys.h"

#include <gtest/gtest.h>

#include <QKeyEvent>

#include "ops/accelerator_table.h"
#include "ops/command_ids.h"

namespace tesmark {
namespace {

std::optional<int> CommandOf(int key, Qt::KeyboardModifiers modifiers) {
    const QKeyEvent event(QEvent::KeyPress, key, modifiers);
    return AcceleratorCommandOf(event);
}

TEST(AcceleratorKeys, QtKeysReachTheirCommands) {
    const struct {
        int key;
        Qt::KeyboardModifiers modifiers;
        std::optional<int> command;
    } cases[] = {
        {Qt::Key_R, Qt::NoModifier, cmd::kReverse},
        {Qt::Key_R, Qt::ShiftModifier, cmd::kReverse},
        {Qt::Key_R, Qt::ControlModifier, cmd::kRightClickReverse},
        {Qt::Key_I, Qt::NoModifier, cmd::kInitialization},
        {Qt::Key_H, Qt::NoModifier, cmd::kFocusEditBox},
        {Qt::Key_L, Qt::ShiftModifier, cmd::kNextScaleLL},
        {Qt::Key_X, Qt::ControlModifier, cmd::kExit},
        {Qt::Key_F1, Qt::NoModifier, cmd::kHelp},
        {Qt::Key_F2, Qt::NoModifier, cmd::kShowMe},
        {Qt::Key_Tab, Qt::NoModifier, cmd::kNextReading},
        {Qt::Key_Backtab, Qt::ShiftModifier, cmd::kPreviousReading},
        {Qt::Key_Backtab, Qt::NoModifier, cmd::kPreviousReading},
        // With Shift a digit key reports its symbol.
        {Qt::Key_Exclam, Qt::ShiftModifier, 501},
        {Qt::Key_ParenRight, Qt::ShiftModifier, 510},
        {Qt::Key_1, Qt::ShiftModifier, 501},
        {Qt::Key_0, Qt::ShiftModifier | Qt::KeypadModifier, 510},
        {Qt::Key_Exclam, Qt::NoModifier, std::nullopt},
        {Qt::Key_R, Qt::AltModifier, std::nullopt},
        {Qt::Key_Q, Qt::NoModifier, std::nullopt},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(CommandOf(c.key, c.modifiers), c.command) << c.key << " " << c.modifiers.toInt();
    }
}

TEST(AcceleratorKeys, PhysicalDigitWinsOverTheSymbol) {
    // A Japanese layout's Shift+2 reports a double quote.
    const auto press = AccelKeyOf(Qt::Key_QuoteDbl, Qt::ShiftModifier, '2');
    ASSERT_TRUE(press.has_value());
    EXPECT_EQ(press->key, '2');
    EXPECT_EQ(press->modifiers, kShift);
}

}  // namespace
}  // namespace tesmark
