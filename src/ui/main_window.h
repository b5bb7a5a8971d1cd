#pragma once
// CMainWindow: the one frame window of the simulator.
//
// How a user action flows: a slide bar, key, wheel turn or click reaches a
// handler here, which calls the matching operation (src/ops) with the
// window's RuleSession and itself as the WindowPort. The operation changes
// RuleState, sets RedrawHint and asks for the rule to be invalidated. The
// client area's next paint has the RuleView (src/platform) bring its back
// buffer up to date — copying only the blocks of the rule body that moved —
// and shows the buffer. Option changes recompose the rule body first; the
// window then shows the option toolbar of the face and renews the tooltips.
//
// The class is split by concern over several files: construction (here),
// the ports (main_window_port.cpp), sizing and frame messages
// (main_window_sizing.cpp), painting (main_window_paint.cpp) and input and
// commands (main_window_input.cpp), and "Show me" (main_window_show_me.cpp).
#include <QImage>
#include <QMainWindow>
#include <QString>
#include <array>
#include <memory>

#include "model/client_size.h"
#include "model/rule_state.h"
#include "model/string_table.h"
#include "ops/command_context.h"
#include "ops/command_port.h"
#include "ops/command_registry.h"
#include "ops/rule_session.h"
#include "ops/window_port.h"
#include "render/rule_body.h"
#include "ui/rule_accessibility.h"

class QLabel;
class QPainter;
class QPoint;
class QPushButton;
class QRect;
class QRegion;
class QStatusBar;

namespace tesmark {

class ClientArea;
struct MenuCallbacks;
class EditBox;
class Rebar;
class RuleToolbar;
class RuleView;
class ScaleTooltip;
class ShowMeDialog;
class ShowMePlayer;
class SlideBar;

// The push buttons, by the commands they issue.
inline constexpr int kReverseButtonId = 111;
inline constexpr int kSlideHomeButtonId = 123;
inline constexpr int kCursorHomeButtonId = 124;
inline constexpr int kCmdAlwaysOnTop = 150;

class CMainWindow : public QMainWindow, public WindowPort, public CommandPort {
    Q_OBJECT
  public:
    explicit CMainWindow(RuleState& state, QWidget* parent = nullptr);
    ~CMainWindow() override;

    // --- WindowPort
    void setBarThumb(BarId bar, int32_t position) override;
    void focusBar(BarId bar) override;
    bool barHasFocus(BarId bar) const override;
    int32_t barTrackPosition(BarId bar) const override;
    void setStatusText(std::string_view text) override;
    void invalidateRule() override;
    void composeRuleBody() override;
    void setClipboardText(std::string_view text) override;
    bool shiftDown() const override;
    bool ctrlDown() const override;
    bool rightButtonDown() const override;

    // --- CommandPort: the window actions of the commands
    void refreshMenusAndLanguage() override;
    void closeWindow() override;
    void toggleAlwaysOnTop() override;  // command 150
    void showHelp() override;
    void showVersion() override;
    void initializationReset() override;
    void recallMemory(int k) override;
    void storeMemory(int k) override;
    void focusEditBox() override;
    void copyReadingToEditBox() override;
    void pasteFromClipboard(MoveTarget target) override;
    void moveToEditBoxValue(MoveTarget target) override;
    void zeroRoundMove(MoveTarget target) override;
    void showMe() override;

    // --- "Show me"
    // Plans a calculation from the rule as it stands and opens the player
    // on it; returns "" when it plays, else why the rule cannot do it (in
    // the language of the user interface). Help links come here too.
    QString showMeCalculation(const QString& calculation);
    // What the player moves the rule with, and what it tells after a step.
    CommandTarget showMeTarget();
    void showMeStepPlayed();

    // --- Commands and frame messages
    // Runs a command by its identifier (either language's) through the
    // command registry, if its rule enables it; false when no command has
    // that identifier.
    bool runCommand(int commandId);
    // What the commands' enabling and mark rules look at now.
    CommandContext commandContext() const;
    // A menu closed: clean-ups, and a numeric edit-box text is committed.
    void onMenuClosed();

    // --- Painting (called by the client area): shows the back buffer,
    // bringing it up to date first if the rule changed.
    void paintClient(QPainter& painter, const QRegion& region);

    // --- Context menus: at a client point (a right click), or at the focus
    // reading (the menu key, Shift+F10).
    void showContextMenu(int x, int y, const QPoint& global);
    void showKeyboardContextMenu();

    // --- Mouse on the client area (client coordinates)
    void clientMousePress(int x, int y);
    void clientDoubleClick(int x, int y);
    QString scaleTooltipAt(int x, int y) const;
    // A help event at client point `at`: shows the formula tooltip of the
    // name there in the colour of its row and face, or hides the tip when no
    // name is there (false then).
    bool showScaleTooltip(const QPoint& at, const QPoint& global);

    // What the window holds of the rule: the session of the operations and
    // the picture. The controls are found by their object names.
    const RuleSession& session() const { return session_; }
    const RuleView& ruleView() const { return *view_; }

  protected:
    void resizeEvent(QResizeEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    bool focusNextPrevChild(bool next) override;

  private:
    void createControls();
    void createRebar();
    void loadImages();
    // The button icons, sharp at the screen's resolution.
    void loadIcons();
    // Takes the screen's device pixel ratio; true when it changed, and the
    // whole client area is then to be painted anew.
    bool followDeviceRatio();
    void layoutForWidth(int extra);
    int extraWidth() const;  // the client width less 625
    // Composes the rule body for the state, then shows the option toolbar
    // of the face and renews the scale-name tooltips.
    void composeAndReact();
    void refreshScaleTooltips();
    // The names and descriptions assistive technology gives the controls,
    // in the language of the user interface.
    void applyAccessibleNames();
    // Paints the rule into the back buffer; returns the pixels it changed.
    QRegion paintBackBuffer(bool labelsExposed);
    // The queued paint after a move: the back buffer, then a repaint of
    // what changed.
    void renderRule();
    void placeOnScreen();
    void onScroll(BarId bar, int16_t code);
    void onWheel(int delta);
    void rememberPosition();
    // The menu bar of the language, its face-dependent submenus and the
    // memory items' texts.
    void buildMenuBar();
    MenuCallbacks menuCallbacks();
    void setMemoryItemTexts();
    // Toolbar buttons: enabled and pressed as the commands' rules say.
    void refreshToolbarStates();
    // The height of the window: the client area under the menu bar.
    void fixHeight();
    // A worked example of the help book: played like a typed calculation; a
    // refusal goes to the status line.
    void showMeFromHelp(const QString& calculation);
    // The Show me dialog and player follow the language.
    void retranslateShowMe();
    // Whether a menu is one of the window's own (the menu bar's, the rule's).
    static bool isOwnMenu(const QObject* menu);

    RuleState& state_;
    RuleSession session_;
    std::unique_ptr<RuleView> view_;
    std::array<int, 10> tooltipIds_{};
    ScaleTooltip* scaleTooltip_ = nullptr;

    ClientArea* client_ = nullptr;
    Rebar* rebar_ = nullptr;
    std::array<RuleToolbar*, 4> toolbars_{};
    EditBox* editBox_ = nullptr;
    SlideBar* slideBar_ = nullptr;
    SlideBar* cursorBar_ = nullptr;
    QPushButton* slideHome_ = nullptr;
    QPushButton* cursorHome_ = nullptr;
    QPushButton* reverse_ = nullptr;
    QStatusBar* statusBar_ = nullptr;
    QLabel* statusPart0_ = nullptr;
    ShowMeDialog* showMeDialog_ = nullptr;  // made when first asked for
    ShowMePlayer* showMePlayer_ = nullptr;

    QImage backgroundTile_;
    QImage barTile_;
    FocusReadingAnnouncer announcer_;
    // The display language, which picks the prompts' and tooltips' table.
    Language preferred_ = Language::English;
    bool promptShown_ = false;  // a menu item's prompt stands in status part 0
    bool constructed_ = false;
    bool ruleStale_ = true;      // the back buffer does not show the state yet
    bool renderQueued_ = false;  // renderRule() is waiting in the event queue
};

}  // namespace tesmark
