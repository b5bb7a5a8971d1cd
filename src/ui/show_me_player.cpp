#include "ui/show_me_player.h"

#include <QCloseEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

#include "model/reading_table.h"
#include "ops/status_line.h"
#include "platform/qt_text.h"
#include "ui/main_window.h"
#include "ui/show_me_texts.h"

namespace tesmark {

ShowMePlayer::ShowMePlayer(CMainWindow& window) : QWidget(&window, Qt::Tool), window_(window) {
    setObjectName(QStringLiteral("ShowMePlayer"));
    timer_ = new QTimer(this);
    timer_->setInterval(kShowMeStepMilliseconds);
    connect(timer_, &QTimer::timeout, this, &ShowMePlayer::next);

    expression_ = new QLabel(this);
    expression_->setObjectName(QStringLiteral("ShowMeExpression"));
    QFont bold = expression_->font();
    bold.setBold(true);
    expression_->setFont(bold);
    steps_ = new QListWidget(this);
    steps_->setObjectName(QStringLiteral("ShowMeSteps"));
    steps_->setSelectionMode(QAbstractItemView::NoSelection);
    steps_->setFocusPolicy(Qt::NoFocus);
    // Room for the longest plans (about eight steps) without a scroll bar.
    steps_->setMinimumWidth(440);
    steps_->setFixedHeight(steps_->fontMetrics().lineSpacing() * 8 + 8);
    progress_ = new QLabel(this);
    progress_->setObjectName(QStringLiteral("ShowMeProgress"));
    message_ = new QLabel(this);
    message_->setObjectName(QStringLiteral("ShowMeMessage"));
    message_->setWordWrap(true);

    auto makeButton = [this](const char* name, void (ShowMePlayer::*slot)()) {
        auto* button = new QPushButton(this);
        button->setObjectName(QString::fromLatin1(name));
        button->setAutoDefault(false);
        connect(button, &QPushButton::clicked, this, slot);
        return button;
    };
    previous_ = makeButton("ShowMePrevious", &ShowMePlayer::previous);
    next_ = makeButton("ShowMeNext", &ShowMePlayer::next);
    run_ = makeButton("ShowMeRun", &ShowMePlayer::run);
    stop_ = makeButton("ShowMeStop", &ShowMePlayer::stop);
    close_ = new QPushButton(this);
    close_->setObjectName(QStringLiteral("ShowMeClose"));
    close_->setAutoDefault(false);
    connect(close_, &QPushButton::clicked, this, &QWidget::close);

    auto* buttons = new QHBoxLayout;
    for (QPushButton* button : {previous_, next_, run_, stop_}) buttons->addWidget(button);
    buttons->addStretch(1);
    buttons->addWidget(close_);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(expression_);
    layout->addWidget(steps_, 1);
    layout->addWidget(progress_);
    layout->addWidget(message_);
    layout->addLayout(buttons);
}

int16_t ShowMePlayer::language() const {
    return window_.session().state.Language;
}

void ShowMePlayer::start(const ShowMePlan& plan) {
    timer_->stop();
    plan_ = plan;
    before_.clear();
    played_ = 0;
    halted_ = false;
    haltMessage_.clear();
    active_ = true;
    expected_ = CaptureRule(window_.session());
    retranslate(language());
    // A message of the playback before stands for nothing now.
    showStepInStatus();
    if (!isVisible()) {
        // Below the main window, where it hides none of the rule.
        const QRect frame = window_.frameGeometry();
        move(frame.left(), frame.bottom() + 8);
    }
    show();
    raise();
}

void ShowMePlayer::retranslate(int16_t language) {
    const ShowMeTexts& texts = ShowMeTextsFor(language);
    setWindowTitle(ShowMeText(texts.title));
    previous_->setText(ShowMeText(texts.previous));
    next_->setText(ShowMeText(texts.next));
    run_->setText(ShowMeText(texts.run));
    stop_->setText(ShowMeText(texts.stop));
    close_->setText(ShowMeText(texts.close));
    refresh();
}

QString ShowMePlayer::stepText(int index) const {
    const ShowMeStep& step = plan_.steps[static_cast<std::size_t>(index)];
    // A Read step played says what the rule shows; one still to come, what
    // it will show.
    double reading = step.value;
    if (step.kind == ShowMeStepKind::Read && index < played_ && step.slot >= 1 &&
        step.slot <= kSlotCount) {
        reading = CurrentReading(step.slot, window_.session().state);
    }
    return ToQString(ShowMeStepText(step, plan_, LanguageOf(language()), reading));
}

QString ShowMePlayer::message() const {
    return message_->text();
}

void ShowMePlayer::refresh() {
    const ShowMeTexts& texts = ShowMeTextsFor(language());
    expression_->setText(ToQString(plan_.expression));
    steps_->clear();
    for (int i = 0; i < stepCount(); ++i) {
        auto* item = new QListWidgetItem(QStringLiteral("%1. ").arg(i + 1) + stepText(i), steps_);
        // The steps played stand out; the last of them is where the rule is.
        QFont font = item->font();
        font.setBold(i == played_ - 1);
        item->setFont(font);
        // The steps to come in grey, dark enough to be read ahead.
        if (i >= played_) item->setForeground(QColor(112, 112, 112));
    }
    if (played_ > 0) steps_->scrollToItem(steps_->item(played_ - 1));
    progress_->setText(ShowMeText(texts.stepOf).arg(played_).arg(stepCount()));

    QString message;
    if (halted_) {
        message = haltReason_ == HaltReason::ByHand    ? ShowMeText(texts.interrupted)
                  : haltReason_ == HaltReason::Refused ? ShowMeText(texts.failed)
                                                       : haltMessage_;
    } else if (played_ == 0) {
        message = ShowMeText(texts.ready);
    } else if (played_ == stepCount()) {
        const double result = ShowMeResult(plan_, window_.session());
        message = ShowMeText(texts.result)
                      .arg(QString::number(result, 'g', 6), QString::number(plan_.exact, 'g', 8));
    }
    message_->setText(message);

    const bool atEnd = played_ >= stepCount();
    previous_->setEnabled(played_ > 0);
    next_->setEnabled(!halted_ && !atEnd);
    run_->setEnabled(!halted_ && !atEnd && !timer_->isActive());
    stop_->setEnabled(timer_->isActive());
}

void ShowMePlayer::showStepInStatus() {
    CommandTarget target = window_.showMeTarget();
    if (played_ == 0) {
        ClearStatus(target.session, target.window);
        return;
    }
    ShowStatus(target.session, target.window, ToUtf8(stepText(played_ - 1)));
}

void ShowMePlayer::next() {
    if (!active_ || halted_ || played_ >= stepCount()) {
        timer_->stop();
        refresh();
        return;
    }
    if (!SameRulePlace(CaptureRule(window_.session()), expected_)) {
        if (played_ > 0) {
            // A move by hand that no repaint reported is caught here.
            halt(HaltReason::ByHand);
            return;
        }
        // Nothing played yet: the plan starts again from the rule as it now
        // stands (its first moves depend on the face it starts from).
        const ShowMeOutcome again =
            PlanCalculation(plan_.expression, window_.session().state, LanguageOf(language()));
        if (!again.planned) {
            halt(HaltReason::NotPlanned, ToQString(again.refusal));
            return;
        }
        plan_ = again.plan;
        expected_ = CaptureRule(window_.session());
    }
    const RuleSnapshot before = CaptureRule(window_.session());
    CommandTarget target = window_.showMeTarget();
    applying_ = true;
    const bool moved = PlayShowMeStep(plan_.steps[static_cast<std::size_t>(played_)], target);
    applying_ = false;
    before_.push_back(before);
    ++played_;
    expected_ = CaptureRule(window_.session());
    window_.showMeStepPlayed();
    if (!moved) {
        halt(HaltReason::Refused);
        showStepInStatus();
        return;
    }
    if (played_ >= stepCount()) timer_->stop();
    showStepInStatus();
    refresh();
}

void ShowMePlayer::previous() {
    timer_->stop();
    if (played_ == 0) {
        refresh();
        return;
    }
    --played_;
    CommandTarget target = window_.showMeTarget();
    applying_ = true;
    RestoreRule(before_[static_cast<std::size_t>(played_)], target);
    applying_ = false;
    before_.pop_back();
    expected_ = CaptureRule(window_.session());
    // Back on the plan.
    halted_ = false;
    haltMessage_.clear();
    window_.showMeStepPlayed();
    showStepInStatus();
    refresh();
}

void ShowMePlayer::run() {
    if (!active_ || halted_ || played_ >= stepCount()) return;
    timer_->start();
    // The first step at once: the user sees that Run took.
    next();
}

void ShowMePlayer::stop() {
    timer_->stop();
    refresh();
}

void ShowMePlayer::ruleChanged() {
    // Before the first step nothing is being played; Next plans again.
    if (!active_ || applying_ || halted_ || played_ == 0) return;
    if (SameRulePlace(CaptureRule(window_.session()), expected_)) return;
    halt(HaltReason::ByHand);
}

void ShowMePlayer::halt(HaltReason reason, const QString& refusal) {
    timer_->stop();
    halted_ = true;
    haltReason_ = reason;
    haltMessage_ = refusal;
    refresh();
}

void ShowMePlayer::setInterval(int milliseconds) {
    timer_->setInterval(milliseconds);
}

int ShowMePlayer::interval() const {
    return timer_->interval();
}

bool ShowMePlayer::running() const {
    return timer_->isActive();
}

void ShowMePlayer::closeEvent(QCloseEvent* event) {
    // The rule stays where the playback left it.
    timer_->stop();
    active_ = false;
    QWidget::closeEvent(event);
}

}  // namespace tesmark
