#pragma once
// Every command identifier of the program. Most commands have two: a small
// one (Japanese menus and toolbars, the accelerator keys) and one from 32783
// upwards (English toolbars and part of the English menus); both reach one
// handler and one enabling rule through the command registry.
namespace tesmark::cmd {

// Operation menu: the face and the scale options.
inline constexpr int kReverse = 111;
inline constexpr int kReverseEnglish = 32783;
inline constexpr int kInitialization = 110;
inline constexpr int kInitializationEnglish = 32784;
inline constexpr int kSinNumBlack = 116;  // S,T numbers 0-90, 0-45
inline constexpr int kSinNumBlackEnglish = 32811;
inline constexpr int kSinNumRed = 117;  // S,T numbers 90-0, 90-45
inline constexpr int kSinNumRedEnglish = 32812;
inline constexpr int kToggleSinNum = 940;
inline constexpr int kScaleST = 812;  // S and T
inline constexpr int kScaleSTEnglish = 32814;
inline constexpr int kScaleST0 = 811;  // S0 and T0
inline constexpr int kScaleST0English = 32813;
inline constexpr int kToggleScaleST = 920;
inline constexpr int kFoldSqrt10 = 801;
inline constexpr int kFoldSqrt10English = 32816;
inline constexpr int kFoldPi = 802;
inline constexpr int kFoldPiEnglish = 32815;
inline constexpr int kToggleFold = 910;
inline constexpr int kFoldPiDirect = 911;      // issued by no menu, button or key
inline constexpr int kFoldSqrt10Direct = 912;  // issued by no menu, button or key
inline constexpr int kScaleLL0 = 821;
inline constexpr int kScaleLL0English = 32817;
inline constexpr int kScaleLL1 = 822;
inline constexpr int kScaleLL1English = 32818;
inline constexpr int kScaleLL2 = 823;
inline constexpr int kScaleLL2English = 32819;
inline constexpr int kNextScaleLL = 930;
// "Show me": type a calculation and watch the rule being moved through it.
inline constexpr int kShowMe = 950;
inline constexpr int kShowMeEnglish = 32820;
inline constexpr int kExit = 57665;

// Setting menu.
inline constexpr int kNumberLock = 135;
inline constexpr int kNumberLockEnglish = 32786;
inline constexpr int kRightClickDouble = 131;
inline constexpr int kRightClickDoubleEnglish = 32787;
inline constexpr int kRightClickFast = 132;
inline constexpr int kRightClickFastEnglish = 32788;
inline constexpr int kRightClickReverse = 133;
inline constexpr int kRightClickReverseEnglish = 32789;
inline constexpr int kLanguageEnglish = 170;
inline constexpr int kLanguageJapanese = 171;
inline constexpr int kAlwaysOnTop = 150;

// Edit menu.
inline constexpr int kUndo = 631;
inline constexpr int kUndoEnglish = 32790;
inline constexpr int kClipboardCopy = 601;
inline constexpr int kClipboardCopyEnglish = 32791;
inline constexpr int kClipboardSlidePaste = 602;
inline constexpr int kClipboardSlidePasteEnglish = 32792;
inline constexpr int kClipboardCursorPaste = 603;
inline constexpr int kClipboardCursorPasteEnglish = 32793;
inline constexpr int kEditBoxCopy = 611;
inline constexpr int kEditBoxCopyEnglish = 32794;
inline constexpr int kEditBoxSlidePaste = 612;
inline constexpr int kEditBoxSlidePasteEnglish = 32795;
inline constexpr int kEditBoxCursorPaste = 613;
inline constexpr int kEditBoxCursorPasteEnglish = 32796;
inline constexpr int kZeroRoundSlide = 621;
inline constexpr int kZeroRoundSlideEnglish = 32797;
inline constexpr int kZeroRoundCursor = 622;
inline constexpr int kZeroRoundCursorEnglish = 32798;

// Memory menu: recall 501..510, store 521..530 (memory k + 1 at offset k).
inline constexpr int kRecallMemoryFirst = 501;
inline constexpr int kRecallMemoryLast = 510;
inline constexpr int kStoreMemoryFirst = 521;
inline constexpr int kStoreMemoryLast = 530;

// Help menu.
inline constexpr int kHelp = 57670;
inline constexpr int kVersion = 100;
inline constexpr int kVersionEnglish = 32800;

// Keys and push buttons without a menu item.
inline constexpr int kFocusSlideBar = 112;
inline constexpr int kFocusCursorBar = 113;
inline constexpr int kCentreSlide = 123;   // also the slide home button
inline constexpr int kCentreCursor = 124;  // also the cursor home button
inline constexpr int kFocusEditBox = 901;  // also the edit box's own notifications
inline constexpr int kNextReading = 651;
inline constexpr int kPreviousReading = 652;

}  // namespace tesmark::cmd
