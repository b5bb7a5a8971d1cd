#include "ui/accelerator_keys.h"

#include <QGuiApplication>
#include <QKeyEvent>

#include "ops/accelerator_table.h"

namespace tesmark {

namespace {

// The symbols of Shift+1 .. Shift+9, Shift+0 on a US keyboard.
constexpr char kShiftedDigits[] = "!@#$%^&*()";

// The digit of the physical key where the platform reports it: X11 key
// codes 10..19 are the digit row 1..9, 0; Windows reports the digit's
// virtual key whatever Shift does.
std::optional<int> PhysicalDigit(const QKeyEvent& event) {
    const QString platform = QGuiApplication::platformName();
    if (platform == QLatin1String("xcb")) {
        const quint32 code = event.nativeScanCode();
        if (code >= 10 && code <= 19) return code == 19 ? '0' : static_cast<int>('1' + code - 10);
    } else if (platform == QLatin1String("windows")) {
        const quint32 key = event.nativeVirtualKey();
        if (key >= '0' && key <= '9') return static_cast<int>(key);
    }
    return std::nullopt;
}

}  // namespace

std::optional<AccelKeyPress> AccelKeyOf(int qtKey, Qt::KeyboardModifiers modifiers,
                                        std::optional<int> physicalDigit) {
    if (modifiers.testFlag(Qt::AltModifier)) return std::nullopt;
    uint8_t bits = kNoModifier;
    if (modifiers.testFlag(Qt::ShiftModifier)) bits |= kShift;
    if (modifiers.testFlag(Qt::ControlModifier)) bits |= kCtrl;

    int key = 0;
    if (qtKey >= Qt::Key_A && qtKey <= Qt::Key_Z) {
        key = AccelLetter(static_cast<char>('A' + (qtKey - Qt::Key_A)));
    } else if (qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9) {
        key = '0' + (qtKey - Qt::Key_0);
    } else if (qtKey == Qt::Key_F1) {
        key = static_cast<int>(AccelKey::F1);
    } else if (qtKey == Qt::Key_F2) {
        key = static_cast<int>(AccelKey::F2);
    } else if (qtKey == Qt::Key_Tab) {
        key = static_cast<int>(AccelKey::Tab);
    } else if (qtKey == Qt::Key_Backtab) {
        key = static_cast<int>(AccelKey::Tab);
        bits |= kShift;
    } else if (physicalDigit) {
        key = *physicalDigit;
    } else if (bits & kShift) {
        for (int i = 0; i < 10; ++i) {
            if (qtKey == kShiftedDigits[i]) key = i == 9 ? '0' : '1' + i;
        }
    }
    if (key == 0) return std::nullopt;
    return AccelKeyPress{key, bits};
}

std::optional<AccelKeyPress> AccelKeyOf(const QKeyEvent& event) {
    return AccelKeyOf(event.key(), event.modifiers(), PhysicalDigit(event));
}

std::optional<int> AcceleratorCommandOf(const QKeyEvent& event) {
    const std::optional<AccelKeyPress> press = AccelKeyOf(event);
    if (!press) return std::nullopt;
    return AcceleratorCommand(press->key, press->modifiers);
}

}  // namespace tesmark
