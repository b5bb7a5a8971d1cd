#include "ops/command_registry.h"

#include "ops/bar_commands.h"
#include "ops/command_ids.h"
#include "ops/copy_reading.h"
#include "ops/focus_walk.h"
#include "ops/language_commands.h"
#include "ops/option_commands.h"
#include "ops/undo_command.h"

namespace tesmark {

namespace {

using namespace cmd;
using Context = const CommandContext&;
using Target = CommandTarget&;

// --- Enabling rules

bool Always(Context) {
    return true;
}
bool FrontShown(Context c) {
    return c.state.SlideRev == 0;
}
bool BackShown(Context c) {
    return c.state.SlideRev == 1;
}
bool UndoRecorded(Context c) {
    return c.undoAvailable;
}
bool SlideSlotAndClipboardText(Context c) {
    return FocusOnSlideSlot(c) && c.clipboardHasText;
}
bool CursorSlotAndClipboardText(Context c) {
    return FocusOnCursorSlot(c) && c.clipboardHasText;
}

// --- Handlers of the option rows

template <int16_t Value>
void RunSinNum(Target t) {
    SetSinNum(t.session, t.window, Value);
}
template <int16_t Value>
void RunScaleST(Target t) {
    SetScaleST(t.session, t.window, Value);
}
template <int16_t Value>
void RunScalePI(Target t) {
    SetScalePI(t.session, t.window, Value);
}
template <int16_t Value>
void RunScaleLL(Target t) {
    SetScaleLL(t.session, t.window, Value);
}
template <int16_t Mode>
void RunRightClick(Target t) {
    SetRightClickMode(t.session.state, Mode);
}
template <int K>
void RunRecallMemory(Target t) {
    t.commands.recallMemory(K);
}
template <int K>
void RunStoreMemory(Target t) {
    t.commands.storeMemory(K);
}

#define TESMARK_MARK(name, expression) \
    bool name(Context c) {             \
        return expression;             \
    }
TESMARK_MARK(SinNumBlack, c.state.SinNum == 0)
TESMARK_MARK(SinNumRed, c.state.SinNum == 1)
TESMARK_MARK(ScaleSTShown, c.state.ScaleST == 0)
TESMARK_MARK(ScaleST0Shown, c.state.ScaleST == 1)
TESMARK_MARK(FoldedAtSqrt10, c.state.ScalePI == 1)
TESMARK_MARK(FoldedAtPi, c.state.ScalePI == 0)
TESMARK_MARK(PairLL0, c.state.ScaleLL == 0)
TESMARK_MARK(PairLL1, c.state.ScaleLL == 1)
TESMARK_MARK(PairLL2, c.state.ScaleLL == 2)
TESMARK_MARK(NumberLockOn, NumberLockChecked(c.state))
TESMARK_MARK(RightClickDoubleSet, RightClickModeMarked(c.state, ::tesmark::kRightClickDouble))
TESMARK_MARK(RightClickFastSet, RightClickModeMarked(c.state, ::tesmark::kRightClickFast))
TESMARK_MARK(RightClickReverseSet, RightClickModeMarked(c.state, ::tesmark::kRightClickReverse))
TESMARK_MARK(EnglishSet, c.state.Language == 0)
TESMARK_MARK(JapaneseSet, c.state.Language == 1)
TESMARK_MARK(OnTop, c.state.TopWin != 0)
#undef TESMARK_MARK

constexpr MarkKind kNone = MarkKind::None;
constexpr MarkKind kCheck = MarkKind::Check;
constexpr MarkKind kRadio = MarkKind::Radio;

const CommandRow kRows[] = {
    // Face and scale options.
    {kReverse, kReverseEnglish, "reverse the rule", Always, kNone, nullptr,
     [](Target t) { ReverseRule(t.session, t.window, t.commands); }},
    {kInitialization, kInitializationEnglish, "initialization", Always, kNone, nullptr,
     [](Target t) { t.commands.initializationReset(); }},
    {kSinNumBlack, kSinNumBlackEnglish, "S,T numbers 0-90, 0-45", FrontShown, kRadio, SinNumBlack,
     RunSinNum<0>},
    {kSinNumRed, kSinNumRedEnglish, "S,T numbers 90-0, 90-45", FrontShown, kRadio, SinNumRed,
     RunSinNum<1>},
    {kToggleSinNum, 0, "toggle the S,T numbering", Always, kNone, nullptr,
     [](Target t) { ToggleSinNum(t.session, t.window); }},
    {kScaleST, kScaleSTEnglish, "S and T scales", FrontShown, kRadio, ScaleSTShown, RunScaleST<0>},
    {kScaleST0, kScaleST0English, "S0 and T0 scales", FrontShown, kRadio, ScaleST0Shown,
     RunScaleST<1>},
    {kToggleScaleST, 0, "toggle S, T / S0, T0", Always, kNone, nullptr,
     [](Target t) { ToggleScaleST(t.session, t.window); }},
    {kFoldSqrt10, kFoldSqrt10English, "DF, CF folded at sqrt(10)", BackShown, kRadio,
     FoldedAtSqrt10, RunScalePI<1>},
    {kFoldPi, kFoldPiEnglish, "DF, CF folded at pi", BackShown, kRadio, FoldedAtPi, RunScalePI<0>},
    {kToggleFold, 0, "toggle the folding", Always, kNone, nullptr,
     [](Target t) { ToggleScalePI(t.session, t.window); }},
    {kFoldPiDirect, 0, "folding at pi", Always, kNone, nullptr, RunScalePI<0>},
    {kFoldSqrt10Direct, 0, "folding at sqrt(10)", Always, kNone, nullptr, RunScalePI<1>},
    {kScaleLL0, kScaleLL0English, "LL0, LL1 pair", BackShown, kRadio, PairLL0, RunScaleLL<0>},
    {kScaleLL1, kScaleLL1English, "LL1, LL2 pair", BackShown, kRadio, PairLL1, RunScaleLL<1>},
    {kScaleLL2, kScaleLL2English, "LL2, LL3 pair", BackShown, kRadio, PairLL2, RunScaleLL<2>},
    {kNextScaleLL, 0, "next LL pair", Always, kNone, nullptr,
     [](Target t) { NextScaleLL(t.session, t.window); }},
    {kShowMe, kShowMeEnglish, "show me a calculation", Always, kNone, nullptr,
     [](Target t) { t.commands.showMe(); }},
    {kExit, 0, "exit", Always, kNone, nullptr, [](Target t) { t.commands.closeWindow(); }},

    // Settings.
    {kNumberLock, kNumberLockEnglish, "number lock", Always, kCheck, NumberLockOn,
     [](Target t) { ToggleNumberLock(t.session.state); }},
    {cmd::kRightClickDouble, kRightClickDoubleEnglish, "right click Double", Always, kRadio,
     RightClickDoubleSet, RunRightClick<::tesmark::kRightClickDouble>},
    {cmd::kRightClickFast, kRightClickFastEnglish, "right click Fast", Always, kRadio,
     RightClickFastSet, RunRightClick<::tesmark::kRightClickFast>},
    {cmd::kRightClickReverse, kRightClickReverseEnglish, "right click Reverse", Always, kRadio,
     RightClickReverseSet, RunRightClick<::tesmark::kRightClickReverse>},
    {kLanguageEnglish, 0, "English", Always, kRadio, EnglishSet,
     [](Target t) { ChooseEnglish(t.session.state, t.commands); }},
    {kLanguageJapanese, 0, "Japanese", Always, kRadio, JapaneseSet,
     [](Target t) { ChooseJapanese(t.session.state, t.commands); }},
    {kAlwaysOnTop, 0, "always on top", Always, kCheck, OnTop,
     [](Target t) { t.commands.toggleAlwaysOnTop(); }},

    // Edit.
    {kUndo, kUndoEnglish, "undo", UndoRecorded, kNone, nullptr,
     [](Target t) { UndoCommand(t.session, t.window); }},
    {kClipboardCopy, kClipboardCopyEnglish, "copy the focus reading to the clipboard",
     FocusReadingPresent, kNone, nullptr,
     [](Target t) { CopyReadingToClipboard(t.session, t.window, t.session.state.NumFoucs); }},
    {kClipboardSlidePaste, kClipboardSlidePasteEnglish, "move the slide to the clipboard value",
     SlideSlotAndClipboardText, kNone, nullptr,
     [](Target t) { t.commands.pasteFromClipboard(MoveTarget::Slide); }},
    {kClipboardCursorPaste, kClipboardCursorPasteEnglish, "move the cursor to the clipboard value",
     CursorSlotAndClipboardText, kNone, nullptr,
     [](Target t) { t.commands.pasteFromClipboard(MoveTarget::Cursor); }},
    {kEditBoxCopy, kEditBoxCopyEnglish, "copy the focus reading to the edit box",
     FocusReadingPresent, kNone, nullptr, [](Target t) { t.commands.copyReadingToEditBox(); }},
    {kEditBoxSlidePaste, kEditBoxSlidePasteEnglish, "move the slide to the edit-box value",
     FocusOnSlideSlot, kNone, nullptr,
     [](Target t) { t.commands.moveToEditBoxValue(MoveTarget::Slide); }},
    {kEditBoxCursorPaste, kEditBoxCursorPasteEnglish, "move the cursor to the edit-box value",
     FocusOnCursorSlot, kNone, nullptr,
     [](Target t) { t.commands.moveToEditBoxValue(MoveTarget::Cursor); }},
    {kZeroRoundSlide, kZeroRoundSlideEnglish, "0 Round slide move", FocusOnSlideSlot, kNone,
     nullptr, [](Target t) { t.commands.zeroRoundMove(MoveTarget::Slide); }},
    {kZeroRoundCursor, kZeroRoundCursorEnglish, "0 Round cursor move", FocusOnCursorSlot, kNone,
     nullptr, [](Target t) { t.commands.zeroRoundMove(MoveTarget::Cursor); }},

    // Memories.
    {501, 0, "recall memory 1", Always, kNone, nullptr, RunRecallMemory<0>},
    {502, 0, "recall memory 2", Always, kNone, nullptr, RunRecallMemory<1>},
    {503, 0, "recall memory 3", Always, kNone, nullptr, RunRecallMemory<2>},
    {504, 0, "recall memory 4", Always, kNone, nullptr, RunRecallMemory<3>},
    {505, 0, "recall memory 5", Always, kNone, nullptr, RunRecallMemory<4>},
    {506, 0, "recall memory 6", Always, kNone, nullptr, RunRecallMemory<5>},
    {507, 0, "recall memory 7", Always, kNone, nullptr, RunRecallMemory<6>},
    {508, 0, "recall memory 8", Always, kNone, nullptr, RunRecallMemory<7>},
    {509, 0, "recall memory 9", Always, kNone, nullptr, RunRecallMemory<8>},
    {510, 0, "recall memory 10", Always, kNone, nullptr, RunRecallMemory<9>},
    {521, 0, "store memory 1", Always, kNone, nullptr, RunStoreMemory<0>},
    {522, 0, "store memory 2", Always, kNone, nullptr, RunStoreMemory<1>},
    {523, 0, "store memory 3", Always, kNone, nullptr, RunStoreMemory<2>},
    {524, 0, "store memory 4", Always, kNone, nullptr, RunStoreMemory<3>},
    {525, 0, "store memory 5", Always, kNone, nullptr, RunStoreMemory<4>},
    {526, 0, "store memory 6", Always, kNone, nullptr, RunStoreMemory<5>},
    {527, 0, "store memory 7", Always, kNone, nullptr, RunStoreMemory<6>},
    {528, 0, "store memory 8", Always, kNone, nullptr, RunStoreMemory<7>},
    {529, 0, "store memory 9", Always, kNone, nullptr, RunStoreMemory<8>},
    {530, 0, "store memory 10", Always, kNone, nullptr, RunStoreMemory<9>},

    // Help.
    {kHelp, 0, "help", Always, kNone, nullptr, [](Target t) { t.commands.showHelp(); }},
    {kVersion, kVersionEnglish, "version", Always, kNone, nullptr,
     [](Target t) { t.commands.showVersion(); }},

    // Keys and push buttons.
    {kFocusSlideBar, 0, "focus the slide bar", Always, kNone, nullptr,
     [](Target t) { FocusSlideBar(t.window); }},
    {kFocusCursorBar, 0, "focus the cursor bar", Always, kNone, nullptr,
     [](Target t) { FocusCursorBar(t.window); }},
    {kCentreSlide, 0, "centre the slide", Always, kNone, nullptr,
     [](Target t) { CentreSlide(t.session, t.window); }},
    {kCentreCursor, 0, "centre the cursor", Always, kNone, nullptr,
     [](Target t) { CentreCursor(t.session, t.window); }},
    {kFocusEditBox, 0, "focus the edit box", Always, kNone, nullptr,
     [](Target t) { t.commands.focusEditBox(); }},
    {kNextReading, 0, "next focus reading", Always, kNone, nullptr,
     [](Target t) { FocusNextReading(t.session, t.window); }},
    {kPreviousReading, 0, "previous focus reading", Always, kNone, nullptr,
     [](Target t) { FocusPreviousReading(t.session, t.window); }},
};

}  // namespace

std::span<const CommandRow> CommandRegistry() {
    return kRows;
}

const CommandRow* FindCommand(int id) {
    if (id == 0) return nullptr;
    for (const CommandRow& row : kRows) {
        if (row.id == id || row.englishId == id) return &row;
    }
    return nullptr;
}

CommandState CommandStateOf(int id, const CommandContext& context) {
    const CommandRow* row = FindCommand(id);
    if (row == nullptr) return {};
    CommandState state;
    state.enabled = row->enabled(context);
    state.mark = row->mark;
    state.marked = row->marked != nullptr && row->marked(context);
    return state;
}

CommandOutcome ExecuteCommand(int id, CommandTarget& target, const CommandContext& context) {
    const CommandRow* row = FindCommand(id);
    if (row == nullptr) return CommandOutcome::Unknown;
    if (!row->enabled(context)) return CommandOutcome::Disabled;
    row->run(target);
    return CommandOutcome::Ran;
}

}  // namespace tesmark
