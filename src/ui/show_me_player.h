#pragma once
// The "Show me" player: a small tool window beside the main window that
// plays a planned calculation on the rule with the ordinary moves, one step
// at a time (Next), walking back (Previous), or at a pace a user can follow
// (Run, Stop). The status line says what each step did; the last step makes
// the result the focus reading. Before each step the rule is kept, so
// Previous walks back further than the one step of undo. The main window
// stays usable: a move made by hand stops the playback.
#include <QWidget>
#include <cstdint>
#include <vector>

#include "ops/show_me_plan.h"
#include "ui/show_me_snapshot.h"

class QLabel;
class QListWidget;
class QPushButton;
class QTimer;

namespace tesmark {

class CMainWindow;

// The pace of Run: long enough to see each move, short enough to watch a
// whole calculation.
inline constexpr int kShowMeStepMilliseconds = 1200;

class ShowMePlayer : public QWidget {
    Q_OBJECT
  public:
    explicit ShowMePlayer(CMainWindow& window);

    // Takes a new plan from the rule as it stands now; nothing moves yet.
    void start(const ShowMePlan& plan);
    void retranslate(int16_t language);

    void next();
    void previous();
    void run();
    void stop();

    // The window calls this whenever the rule may have moved; a move that is
    // not the player's own stops the playback.
    void ruleChanged();

    void setInterval(int milliseconds);
    int interval() const;
    bool running() const;
    // A move by hand or a refused step has stopped the playback; Previous
    // brings it back onto the plan.
    bool halted() const { return halted_; }
    int played() const { return played_; }
    int stepCount() const { return static_cast<int>(plan_.steps.size()); }
    const ShowMePlan& plan() const { return plan_; }
    QString message() const;

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    // Why the playback stopped; the texts follow the language, a refusal of
    // the planner stands as it was given.
    enum class HaltReason { ByHand, Refused, NotPlanned };
    void halt(HaltReason reason, const QString& refusal = {});
    void refresh();  // the step list, the labels, the buttons and the status line
    void showStepInStatus();
    QString stepText(int index) const;
    int16_t language() const;

    CMainWindow& window_;
    ShowMePlan plan_;
    std::vector<RuleSnapshot> before_;  // the rule before each step played
    RuleSnapshot expected_;             // where the player's last move left the rule
    int played_ = 0;
    bool active_ = false;    // a plan is loaded and the window shows
    bool applying_ = false;  // the player itself is moving the rule
    bool halted_ = false;
    HaltReason haltReason_ = HaltReason::ByHand;
    QString haltMessage_;  // the planner's refusal (NotPlanned)

    QTimer* timer_ = nullptr;
    QLabel* expression_ = nullptr;
    QListWidget* steps_ = nullptr;
    QLabel* progress_ = nullptr;
    QLabel* message_ = nullptr;
    QPushButton* previous_ = nullptr;
    QPushButton* next_ = nullptr;
    QPushButton* run_ = nullptr;
    QPushButton* stop_ = nullptr;
    QPushButton* close_ = nullptr;
};

}  // namespace tesmark
