// "Show me" in the main window: the command asks for a calculation, the
// planner turns it into moves from the rule as it stands, and the player
// plays them here with the ordinary operations.

#include "ops/show_me_plan.h"
#include "ops/status_line.h"
#include "platform/qt_text.h"
#include "ui/main_window.h"
#include "ui/show_me_dialog.h"
#include "ui/show_me_player.h"

namespace tesmark {

void CMainWindow::showMe() {
    if (showMeDialog_ == nullptr) {
        showMeDialog_ = new ShowMeDialog(
            [this](const QString& calculation) { return showMeCalculation(calculation); }, this);
    }
    showMeDialog_->ask(state_.Language);
}

QString CMainWindow::showMeCalculation(const QString& calculation) {
    const ShowMeOutcome outcome =
        PlanCalculation(ToUtf8(calculation), state_, LanguageOf(state_.Language));
    if (!outcome.planned) return ToQString(outcome.refusal);
    if (showMePlayer_ == nullptr) showMePlayer_ = new ShowMePlayer(*this);
    showMePlayer_->start(outcome.plan);
    return {};
}

void CMainWindow::showMeFromHelp(const QString& calculation) {
    // The rule comes forward, so the moves can be watched.
    raise();
    activateWindow();
    const QString refusal = showMeCalculation(calculation);
    if (!refusal.isEmpty()) ShowStatus(session_, *this, ToUtf8(refusal));
}

CommandTarget CMainWindow::showMeTarget() {
    return CommandTarget{session_, *this, *this};
}

void CMainWindow::showMeStepPlayed() {
    refreshToolbarStates();
}

void CMainWindow::retranslateShowMe() {
    if (showMeDialog_ != nullptr) showMeDialog_->retranslate(state_.Language);
    if (showMePlayer_ != nullptr) showMePlayer_->retranslate(state_.Language);
}

}  // namespace tesmark
