// The command registry: enabling and mark rules over a table of states, the
// option commands' effects, the toggles on the wrong face, the language
// commands, and the accelerators that reach the commands.
#include "ops/command_registry.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "ops/accelerator_table.h"
#include "ops/command_ids.h"
#include "support/fake_window_port.h"

namespace tesmark {
namespace {

using testing::SessionFixture;

// Records the window actions the commands ask for.
class RecordingCommandPort : public CommandPort {
  public:
    void refreshMenusAndLanguage() override { calls.push_back("refresh"); }
    void closeWindow() override { calls.push_back("close"); }
    void toggleAlwaysOnTop() override { calls.push_back("top"); }
    void showHelp() override { calls.push_back("help"); }
    void showVersion() override { calls.push_back("version"); }
    void initializationReset() override { calls.push_back("reset"); }
    void recallMemory(int k) override { calls.push_back("recall " + std::to_string(k)); }
    void storeMemory(int k) override { calls.push_back("store " + std::to_string(k)); }
    void focusEditBox() override { calls.push_back("edit focus"); }
    void copyReadingToEditBox() override { calls.push_back("edit copy"); }
    void pasteFromClipboard(MoveTarget t) override { calls.push_back("paste " + Name(t)); }
    void moveToEditBoxValue(MoveTarget t) override { calls.push_back("edit move " + Name(t)); }
    void zeroRoundMove(MoveTarget t) override { calls.push_back("round " + Name(t)); }
    void showMe() override { calls.push_back("show me"); }

    static std::string Name(MoveTarget t) { return t == MoveTarget::Slide ? "slide" : "cursor"; }
    std::vector<std::string> calls;
};

struct CommandFixture : SessionFixture {
    CommandFixture() { session.readings[state.NumFoucs] = 3.14159; }
    CommandOutcome Run(int id, bool clipboardText = false) {
        CommandTarget target{session, port, commands};
        return ExecuteCommand(id, target, MakeCommandContext(session, clipboardText));
    }
    CommandState StateOf(int id, bool clipboardText = false) {
        return CommandStateOf(id, MakeCommandContext(session, clipboardText));
    }
    RecordingCommandPort commands;
};

TEST(CommandRegistry, EveryIdentifierHasOneRow) {
    std::set<int> seen;
    for (const CommandRow& row : CommandRegistry()) {
        EXPECT_TRUE(seen.insert(row.id).second) << row.id;
        if (row.englishId != 0) {
            EXPECT_TRUE(seen.insert(row.englishId).second) << row.englishId;
        }
        EXPECT_NE(row.run, nullptr) << row.id;
        EXPECT_EQ(row.mark == MarkKind::None, row.marked == nullptr) << row.id;
    }
    // Both identifiers of a pair find the same row.
    EXPECT_EQ(FindCommand(cmd::kReverse), FindCommand(cmd::kReverseEnglish));
    EXPECT_EQ(FindCommand(cmd::kZeroRoundCursor), FindCommand(cmd::kZeroRoundCursorEnglish));
    EXPECT_EQ(FindCommand(0), nullptr);
    EXPECT_EQ(FindCommand(4711), nullptr);
}

// Every command a menu, toolbar or key issues has a row.
TEST(CommandRegistry, AcceleratorsReachRows) {
    for (const Accelerator& accelerator : MainAccelTable()) {
        EXPECT_NE(FindCommand(accelerator.command), nullptr) << accelerator.command;
    }
}

TEST(CommandRegistry, UnknownIdentifierIsEnabledAndUnmarked) {
    CommandFixture f;
    const CommandState state = f.StateOf(4711);
    EXPECT_TRUE(state.enabled);
    EXPECT_FALSE(state.marked);
    EXPECT_EQ(f.Run(4711), CommandOutcome::Unknown);
}

// A state for the enabling rules: face, focus slot and its reading,
// clipboard text and undo.
struct RuleCase {
    const char* name;
    int16_t slideRev;
    int16_t focus;
    double reading;
    bool clipboard;
    bool undo;
    std::set<int> enabled;  // of the commands probed below
};

const int kProbed[] = {116, 117, 812, 811, 801, 802, 821, 822, 823, 631,
                       601, 602, 603, 611, 612, 613, 621, 622, 940, 911};

TEST(CommandRegistry, EnablingRulesOverStates) {
    const RuleCase cases[] = {
        {"front, D under the cursor, clipboard text",
         0,
         14,
         2.0,
         true,
         false,
         {116, 117, 812, 811, 601, 603, 611, 613, 622, 940, 911}},
        {"back, C under the cursor (slide and cursor slot), undo",
         1,
         13,
         2.0,
         true,
         true,
         {801, 802, 821, 822, 823, 631, 601, 602, 603, 611, 612, 613, 621, 622, 940, 911}},
        {"front, left index, no clipboard text",
         0,
         4,
         2.0,
         false,
         false,
         {116, 117, 812, 811, 601, 611, 612, 621, 940, 911}},
        {"front, reading missing", 0, 20, NoReading, true, false, {116, 117, 812, 811, 940, 911}},
        {"focus outside 1..22", 0, 0, 2.0, true, false, {116, 117, 812, 811, 940, 911}},
        {"focus 23", 1, 23, 2.0, true, true, {801, 802, 821, 822, 823, 631, 940, 911}},
    };
    for (const RuleCase& c : cases) {
        SCOPED_TRACE(c.name);
        CommandFixture f;
        f.state.SlideRev = c.slideRev;
        f.state.NumFoucs = c.focus;
        if (c.focus >= 1 && c.focus <= 22) f.session.readings[c.focus] = c.reading;
        if (c.undo) f.session.undo.kind = 0;
        for (int id : kProbed) {
            EXPECT_EQ(f.StateOf(id, c.clipboard).enabled, c.enabled.count(id) == 1) << id;
        }
    }
}

TEST(CommandRegistry, MarkRulesOverStates) {
    struct MarkCase {
        const char* name;
        void (*set)(RuleState&);
        std::set<int> marked;
    };
    const std::vector<int> probed = {116, 117, 812, 811, 801, 802, 821, 822, 823,
                                     135, 131, 132, 133, 170, 171, 150, 111, 940};
    const MarkCase cases[] = {
        {"defaults", [](RuleState&) {}, {116, 812, 801, 823, 135, 132, 170}},
        {"red numbers, S0, pi, LL0, lock off, Double, Japanese, on top",
         [](RuleState& s) {
             s.SinNum = 1;
             s.ScaleST = 1;
             s.ScalePI = 0;
             s.ScaleLL = 0;
             s.NumberVariable = 0;
             s.RightClick = 0;
             s.Language = 1;
             s.TopWin = 1;
         },
         {117, 811, 802, 821, 131, 171, 150}},
        {"LL1, Reverse",
         [](RuleState& s) {
             s.ScaleLL = 1;
             s.RightClick = 2;
         },
         {116, 812, 801, 822, 135, 133, 170}},
    };
    for (const MarkCase& c : cases) {
        SCOPED_TRACE(c.name);
        CommandFixture f;
        c.set(f.state);
        for (int id : probed) EXPECT_EQ(f.StateOf(id).marked, c.marked.count(id) == 1) << id;
    }
    CommandFixture f;
    EXPECT_EQ(f.StateOf(116).mark, MarkKind::Radio);
    EXPECT_EQ(f.StateOf(32786).mark, MarkKind::Check);
    EXPECT_EQ(f.StateOf(150).mark, MarkKind::Check);
    EXPECT_EQ(f.StateOf(111).mark, MarkKind::None);
}

TEST(CommandRegistry, DisabledCommandDoesNotRun) {
    CommandFixture f;  // front face, nothing recorded for undo
    EXPECT_EQ(f.Run(cmd::kScaleLL0), CommandOutcome::Disabled);
    EXPECT_EQ(f.state.ScaleLL, 2);
    EXPECT_EQ(f.port.compositions, 0);
    EXPECT_EQ(f.Run(cmd::kUndoEnglish), CommandOutcome::Disabled);
    EXPECT_TRUE(f.port.focusCalls.empty());
    // Ctrl+S without clipboard text does nothing.
    f.state.NumFoucs = 4;
    f.session.readings[4] = 2.0;
    EXPECT_EQ(f.Run(cmd::kClipboardSlidePaste, false), CommandOutcome::Disabled);
    EXPECT_TRUE(f.commands.calls.empty());
    // Ctrl+C with the focus reading missing copies nothing.
    f.session.readings[4] = NoReading;
    EXPECT_EQ(f.Run(cmd::kClipboardCopy), CommandOutcome::Disabled);
    EXPECT_TRUE(f.port.statusTexts.empty());
}

// --- The option commands

struct OptionCase {
    int id;
    int16_t slideRev;
    int16_t RuleState::*field;
    int16_t before;
    int16_t after;
};

TEST(OptionCommands, SetTheirFieldAndRecompose) {
    const OptionCase cases[] = {
        {812, 0, &RuleState::ScaleST, 1, 0},
        {32814, 0, &RuleState::ScaleST, 1, 0},
        {811, 0, &RuleState::ScaleST, 0, 1},
        {32813, 0, &RuleState::ScaleST, 0, 1},
        {801, 1, &RuleState::ScalePI, 0, 1},
        {32816, 1, &RuleState::ScalePI, 0, 1},
        {912, 0, &RuleState::ScalePI, 0, 1},
        {802, 1, &RuleState::ScalePI, 1, 0},
        {32815, 1, &RuleState::ScalePI, 1, 0},
        {911, 1, &RuleState::ScalePI, 1, 0},
        {821, 1, &RuleState::ScaleLL, 2, 0},
        {32817, 1, &RuleState::ScaleLL, 2, 0},
        {822, 1, &RuleState::ScaleLL, 2, 1},
        {32818, 1, &RuleState::ScaleLL, 2, 1},
        {823, 1, &RuleState::ScaleLL, 0, 2},
        {32819, 1, &RuleState::ScaleLL, 0, 2},
        {920, 0, &RuleState::ScaleST, 0, 1},
        {910, 1, &RuleState::ScalePI, 1, 0},
        {930, 1, &RuleState::ScaleLL, 2, 0},
        // The value already set still recomposes (the tooltips are renewed).
        {823, 1, &RuleState::ScaleLL, 2, 2},
    };
    for (const OptionCase& c : cases) {
        SCOPED_TRACE(c.id);
        CommandFixture f;
        f.state.SlideRev = c.slideRev;
        f.state.*c.field = c.before;
        f.session.StatusShown = 1;
        ASSERT_EQ(f.Run(c.id), CommandOutcome::Ran);
        EXPECT_EQ(f.state.*c.field, c.after);
        EXPECT_EQ(f.port.compositions, 1);
        EXPECT_EQ(f.session.composed.ScaleST, f.state.ScaleST);
        EXPECT_EQ(f.session.composed.ScaleLL, f.state.ScaleLL);
        EXPECT_EQ(f.session.composed.ScalePI, f.state.ScalePI);
        EXPECT_EQ(f.port.lastStatus(), " ");  // the message was cleared
        EXPECT_GE(f.port.invalidations, 1);
        ASSERT_FALSE(f.port.focusCalls.empty());
        EXPECT_EQ(f.port.focusCalls.back(), BarId::Cursor);
    }
}

TEST(OptionCommands, SinNumChangesNoDrawingButRenewsTooltips) {
    const struct {
        int id;
        int16_t before;
        int16_t after;
    } cases[] = {{116, 1, 0}, {32811, 1, 0}, {117, 0, 1}, {32812, 0, 1}, {940, 0, 1}, {940, 1, 0}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.id);
        CommandFixture f;
        f.state.SinNum = c.before;
        f.session.StatusShown = 1;
        ASSERT_EQ(f.Run(c.id), CommandOutcome::Ran);
        EXPECT_EQ(f.state.SinNum, c.after);
        EXPECT_EQ(f.session.redraw.RedrawHint, kRedrawNothing);
        EXPECT_EQ(f.port.compositions, 1);
        EXPECT_EQ(f.port.invalidations, 1);
        EXPECT_TRUE(f.port.statusTexts.empty());  // the message stands
        EXPECT_EQ(f.port.focusCalls.back(), BarId::Cursor);
    }
}

TEST(OptionCommands, TogglesDoNothingOnTheOtherFace) {
    const struct {
        int id;
        int16_t slideRev;
    } cases[] = {{940, 1}, {920, 1}, {910, 0}, {930, 0}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.id);
        CommandFixture f;
        f.state.SlideRev = c.slideRev;
        const RuleState before = f.state;
        ASSERT_EQ(f.Run(c.id), CommandOutcome::Ran);  // enabled always, but idle here
        EXPECT_EQ(f.state.SinNum, before.SinNum);
        EXPECT_EQ(f.state.ScaleST, before.ScaleST);
        EXPECT_EQ(f.state.ScalePI, before.ScalePI);
        EXPECT_EQ(f.state.ScaleLL, before.ScaleLL);
        EXPECT_EQ(f.port.compositions, 0);
        EXPECT_EQ(f.port.invalidations, 0);
        EXPECT_TRUE(f.port.focusCalls.empty());
    }
}

TEST(OptionCommands, ShiftLCyclesTheLLPairs) {
    CommandFixture f;
    f.state.SlideRev = 1;
    f.state.ScaleLL = 2;
    std::vector<int16_t> seen;
    for (int i = 0; i < 3; ++i) {
        f.Run(*AcceleratorCommand(AccelLetter('L'), kShift));
        seen.push_back(f.state.ScaleLL);
    }
    EXPECT_EQ(seen, (std::vector<int16_t>{0, 1, 2}));
}

TEST(ReverseCommand, TurnsTheFaceAndRefreshesTheMenus) {
    CommandFixture f;
    f.session.StatusShown = 1;
    const int32_t slide = f.state.SlidePos;
    ASSERT_EQ(f.Run(cmd::kReverseEnglish), CommandOutcome::Ran);
    EXPECT_EQ(f.state.SlideRev, 1);
    EXPECT_EQ(f.session.composed.SlideRev, 1);
    EXPECT_EQ(f.port.compositions, 1);
    EXPECT_EQ(f.commands.calls, (std::vector<std::string>{"refresh"}));
    EXPECT_EQ(f.port.lastStatus(), " ");
    EXPECT_EQ(f.port.focusCalls.back(), BarId::Cursor);
    EXPECT_EQ(f.state.SlidePos, slide);
    f.Run(cmd::kReverse);
    EXPECT_EQ(f.state.SlideRev, 0);
}

TEST(ReverseCommand, FocusLeavesRowR0WhenTurningToTheFront) {
    const struct {
        int16_t from;
        int16_t toFront;
    } cases[] = {{1, 2}, {7, 8}, {17, 18}, {14, 14}, {2, 2}, {0, 0}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.from);
        CommandFixture f;
        f.state.SlideRev = 1;
        f.state.NumFoucs = c.from;
        f.Run(cmd::kReverse);
        EXPECT_EQ(f.state.NumFoucs, c.toFront);
        // Turning to the back never moves the focus.
        f.state.NumFoucs = c.from;
        f.Run(cmd::kReverse);
        EXPECT_EQ(f.state.NumFoucs, c.from);
    }
}

TEST(LanguageCommands, SwitchOnlyWhenAnotherLanguageIsChosen) {
    CommandFixture f;
    f.Run(cmd::kLanguageEnglish);  // already English
    EXPECT_TRUE(f.commands.calls.empty());
    f.Run(cmd::kLanguageJapanese);
    EXPECT_EQ(f.state.Language, 1);
    f.Run(cmd::kLanguageJapanese);  // already Japanese
    EXPECT_EQ(f.commands.calls.size(), 1u);
    f.Run(cmd::kLanguageEnglish);
    EXPECT_EQ(f.state.Language, 0);
    EXPECT_EQ(f.commands.calls, (std::vector<std::string>{"refresh", "refresh"}));
}

TEST(CommandRegistry, SettingsCommands) {
    CommandFixture f;
    f.Run(cmd::kNumberLockEnglish);
    EXPECT_EQ(f.state.NumberVariable, 0);
    f.Run(cmd::kNumberLock);
    EXPECT_EQ(f.state.NumberVariable, 1);
    f.Run(cmd::kRightClickDoubleEnglish);
    EXPECT_EQ(f.state.RightClick, 0);
    f.Run(cmd::kRightClickReverse);
    EXPECT_EQ(f.state.RightClick, 2);
}

TEST(CommandRegistry, PortCommandsReachTheirWindowActions) {
    const struct {
        int id;
        const char* call;
    } cases[] = {
        {57665, "close"},
        {150, "top"},
        {57670, "help"},
        {100, "version"},
        {32800, "version"},
        {110, "reset"},
        {32784, "reset"},
        {501, "recall 0"},
        {510, "recall 9"},
        {521, "store 0"},
        {530, "store 9"},
        {901, "edit focus"},
        {611, "edit copy"},
        {32792, "paste slide"},
        {603, "paste cursor"},
        {612, "edit move slide"},
        {32796, "edit move cursor"},
        {621, "round slide"},
        {32798, "round cursor"},
        {950, "show me"},
        {32820, "show me"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.id);
        CommandFixture f;
        f.state.NumFoucs = 13;  // both a slide and a cursor slot
        f.session.readings[13] = 2.0;
        ASSERT_EQ(f.Run(c.id, true), CommandOutcome::Ran);
        EXPECT_EQ(f.commands.calls, (std::vector<std::string>{c.call}));
    }
}

TEST(CommandRegistry, CopyPutsTheFocusReadingOnTheClipboard) {
    CommandFixture f;
    f.Run(cmd::kClipboardCopyEnglish);
    EXPECT_EQ(f.port.clipboard, "3.14159");
    EXPECT_EQ(f.port.lastStatus(), "Copied \"3.14159\" in the Clipboard.");
}

TEST(Accelerators, KeysAndTheirTexts) {
    EXPECT_EQ(AcceleratorCommand(AccelLetter('r'), kNoModifier), cmd::kReverse);
    EXPECT_EQ(AcceleratorCommand(AccelLetter('R'), kShift), cmd::kReverse);
    EXPECT_EQ(AcceleratorCommand(AccelLetter('R'), kCtrl), cmd::kRightClickReverse);
    EXPECT_EQ(AcceleratorCommand('0', kShift), 510);
    EXPECT_EQ(AcceleratorCommand('1', kShift), 501);
    EXPECT_EQ(AcceleratorCommand('1', kNoModifier), std::nullopt);
    EXPECT_EQ(AcceleratorCommand(AccelLetter('R'), kShift | kCtrl), std::nullopt);
    EXPECT_EQ(AcceleratorCommand(static_cast<int>(AccelKey::Tab), kShift), cmd::kPreviousReading);
    EXPECT_EQ(AcceleratorCommand(static_cast<int>(AccelKey::F1), kNoModifier), cmd::kHelp);
    EXPECT_EQ(AcceleratorCommand(static_cast<int>(AccelKey::F2), kNoModifier), cmd::kShowMe);
    EXPECT_EQ(MainAccelTable().size(), 34u);
    EXPECT_EQ(CommandKeyText(cmd::kReverse), "R, Shift+R");
    EXPECT_EQ(CommandKeyText(cmd::kExit), "Ctrl+X");
    EXPECT_EQ(CommandKeyText(cmd::kPreviousReading), "Shift+Tab");
    EXPECT_EQ(CommandKeyText(cmd::kHelp), "F1");
    EXPECT_EQ(CommandKeyText(cmd::kShowMe), "F2");
    EXPECT_EQ(CommandKeyText(510), "Shift+0");
    EXPECT_EQ(CommandKeyText(cmd::kScaleLL0), "");
}

}  // namespace
}  // namespace tesmark
