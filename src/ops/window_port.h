#pragma once
// WindowPort: what the operations ask of the main window. The Qt window
// implements it; the tests use a recording fake, tesmark-cli a headless one.
// Every call is cheap and synchronous; nothing here paints directly.
#include <cstdint>
#include <string_view>

namespace tesmark {

// The two slide bars, by their control identifiers.
enum class BarId : int16_t { Slide = 121, Cursor = 122 };

class WindowPort {
  public:
    virtual ~WindowPort() = default;

    // Moves a bar's thumb (the bar keeps it within its own range).
    virtual void setBarThumb(BarId bar, int32_t position) = 0;
    // Gives the keyboard focus to a bar, or asks whether a bar holds it.
    virtual void focusBar(BarId bar) = 0;
    virtual bool barHasFocus(BarId bar) const = 0;
    // The 32-bit position of a thumb drag (the scroll message's own is 16 bits).
    virtual int32_t barTrackPosition(BarId bar) const = 0;

    // Sets the first part of the status bar (UTF-8).
    virtual void setStatusText(std::string_view text) = 0;
    // Schedules a repaint of the rule area without erasing its background.
    virtual void invalidateRule() = 0;
    // Brings the rule body up to date with the face and options of the
    // state (ComposeRuleBody) and updates the session's ComposedRecord.
    virtual void composeRuleBody() = 0;
    // Replaces the clipboard's content with Unicode text (UTF-8 here).
    virtual void setClipboardText(std::string_view text) = 0;

    // Input state at the time of the current message.
    virtual bool shiftDown() const = 0;
    virtual bool ctrlDown() const = 0;
    virtual bool rightButtonDown() const = 0;
};

}  // namespace tesmark
