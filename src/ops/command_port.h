#pragma once
// CommandPort: the window actions that commands need beyond the WindowPort
// of the operations. The Qt window implements it; the tests use a recording
// fake, tesmark-cli a headless one that does nothing.
#include "ops/undo_record.h"

namespace tesmark {

class CommandPort {
  public:
    virtual ~CommandPort() = default;

    // The menu and language refresh: window title, menu bar for the
    // language, the option submenus for the face, the Set submenu, the
    // memory item texts and the toolbars.
    virtual void refreshMenusAndLanguage() = 0;
    // Closes the main window; shutdown then saves the state.
    virtual void closeWindow() = 0;
    // Flips TopWin and the window's stay-on-top flag.
    virtual void toggleAlwaysOnTop() = 0;
    // Opens the help at its table of contents.
    virtual void showHelp() = 0;
    // Shows the version dialog of the current language, modally.
    virtual void showVersion() = 0;
    // Puts the rule back to its home state (the Initialization command).
    virtual void initializationReset() = 0;
    // Slide memory k (0..9): recall it, or store the current slide in it.
    virtual void recallMemory(int k) = 0;
    virtual void storeMemory(int k) = 0;
    // Gives the keyboard focus to the edit box.
    virtual void focusEditBox() = 0;
    // Copies the focus reading into the edit box.
    virtual void copyReadingToEditBox() = 0;
    // Moves the target so that the focus reading shows the clipboard's
    // number, the edit box's number, or the focus reading with its last
    // significant digit zeroed.
    virtual void pasteFromClipboard(MoveTarget target) = 0;
    virtual void moveToEditBoxValue(MoveTarget target) = 0;
    virtual void zeroRoundMove(MoveTarget target) = 0;
    // Asks for a calculation and plays the moves that work it out on the
    // rule (the "Show me" command).
    virtual void showMe() = 0;
};

// A CommandPort that does nothing, for running commands without a window.
class NoCommandPort : public CommandPort {
  public:
    void refreshMenusAndLanguage() override {}
    void closeWindow() override {}
    void toggleAlwaysOnTop() override {}
    void showHelp() override {}
    void showVersion() override {}
    void initializationReset() override {}
    void recallMemory(int) override {}
    void storeMemory(int) override {}
    void focusEditBox() override {}
    void copyReadingToEditBox() override {}
    void pasteFromClipboard(MoveTarget) override {}
    void moveToEditBoxValue(MoveTarget) override {}
    void zeroRoundMove(MoveTarget) override {}
    void showMe() override {}
};

}  // namespace tesmark
