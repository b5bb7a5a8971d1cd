// "Show me" through the real window: the command in the Operation menu of
// both languages with its key and its toolbar button, the dialog and its
// refusals, a play through the player, Previous walking back, a move by
// hand stopping the playback, and the help book's worked examples.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTest>
#include <memory>

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QStatusBar>
#include <QTextBrowser>
#include <cmath>

#include "model/reading_table.h"
#include "ops/command_ids.h"
#include "ops/show_me_plan.h"
#include "platform/qt_text.h"
#include "support/open_window_test.h"
#include "ui/help_window.h"
#include "ui/main_window.h"
#include "ui/menu_builder.h"
#include "ui/rebar.h"
#include "ui/show_me_dialog.h"
#include "ui/show_me_player.h"

static void RegisterHelp() {
    Q_INIT_RESOURCE(help);
}

namespace tesmark {
namespace {

class ShowMeTest : public OpenWindowTest {
  protected:
    QAction* item(int commandId) const { return FindCommandAction(*window->menuBar(), commandId); }
    ShowMeDialog* dialog() const { return window->findChild<ShowMeDialog*>("ShowMeDialog"); }
    ShowMePlayer* player() const { return window->findChild<ShowMePlayer*>("ShowMePlayer"); }
    // Types a calculation into the dialog F2 opens and presses its button.
    void typeCalculation(const QString& text) {
        QTest::keyClick(window.get(), Qt::Key_F2);
        ASSERT_NE(dialog(), nullptr);
        ASSERT_TRUE(dialog()->isVisible());
        dialog()->field()->lineEdit()->setText(text);
        QTest::keyClick(dialog()->field()->lineEdit(), Qt::Key_Return);
        QApplication::processEvents();
    }

    QString status() const { return window->findChild<QLabel*>("StatusPart0")->text(); }
    QPushButton* playerButton(const char* name) const {
        return player()->findChild<QPushButton*>(QString::fromLatin1(name));
    }
    // The result the rule shows against the exact value of the calculation.
    void expectResultRead() const {
        const ShowMePlan& plan = player()->plan();
        ASSERT_FALSE(plan.steps.empty());
        EXPECT_EQ(state.NumFoucs, plan.steps.back().slot) << "the result is the focus reading";
        const double result = ShowMeResult(plan, window->session());
        EXPECT_NEAR(result / plan.exact, 1.0, kReadingAccuracy) << plan.expression;
    }
    // The digital readout gives six or seven digits, so a result read off the
    // rule agrees with the exact value far closer than a reading by eye; a
    // wrong index or a lost decade is off by a factor of ten or more.
    static constexpr double kReadingAccuracy = 1e-3;
};

// The part of the rule a playback moves, the focus and the undo record.
struct RulePlace {
    int32_t slide, cursor;
    int16_t face, sinNum, fold, st, ll, focus, undoKind;
    int32_t undoSlide, undoCursor;
    bool operator==(const RulePlace&) const = default;
};
RulePlace PlaceOf(const RuleSession& s) {
    const RuleState& r = s.state;
    return {r.SlidePos,
            r.CursorPos,
            r.SlideRev,
            r.SinNum,
            r.ScalePI,
            r.ScaleST,
            r.ScaleLL,
            r.NumFoucs,
            s.undo.kind,
            s.undo.savedSlidePos,
            s.undo.savedCursorPos};
}

TEST_F(ShowMeTest, TheOperationMenuOffersItWithItsKeyInBothLanguages) {
    open();
    QAction* english = item(cmd::kShowMeEnglish);
    ASSERT_NE(english, nullptr);
    EXPECT_EQ(english->text(), QStringLiteral("Sho&w me...\tF2"));
    window->runCommand(cmd::kLanguageJapanese);
    QAction* japanese = item(cmd::kShowMe);
    ASSERT_NE(japanese, nullptr);
    EXPECT_EQ(japanese->text(), QStringLiteral("計算の実演(&W)...\tF2"));
    // The settings toolbar ends with its button, in sight: its band is wide
    // enough that no button moves into an overflow menu.
    QApplication::processEvents();  // the reloaded toolbar lays out its buttons
    auto* settings = window->findChild<RuleToolbar*>("ToolbarD");
    EXPECT_EQ(settings->commandIds().value(settings->commandIds().size() - 1), cmd::kShowMe);
    for (QAction* action : settings->actions()) {
        if (action->isSeparator()) continue;
        SCOPED_TRACE(action->data().toInt());
        ASSERT_NE(settings->widgetForAction(action), nullptr);
        EXPECT_TRUE(settings->widgetForAction(action)->isVisible());
    }
    // The menu item opens the dialog, titled in the language.
    japanese->trigger();
    ASSERT_NE(dialog(), nullptr);
    EXPECT_TRUE(dialog()->isVisible());
    EXPECT_EQ(dialog()->windowTitle(), QStringLiteral("計算の実演"));
}

TEST_F(ShowMeTest, ARefusalStaysInTheDialogInTheLanguage) {
    for (const int16_t language : {int16_t{0}, int16_t{1}}) {
        SCOPED_TRACE(language);
        RuleState initial = RuleState::Defaults();
        initial.Language = language;
        open(initial);
        typeCalculation(QStringLiteral("2 + 3"));
        const std::string expected = PlanCalculation("2 + 3", state, LanguageOf(language)).refusal;
        ASSERT_FALSE(expected.empty());
        EXPECT_TRUE(dialog()->isVisible()) << "the text can be mended";
        EXPECT_TRUE(dialog()->refusal()->isVisible());
        EXPECT_EQ(dialog()->refusal()->text(), ToQString(expected));
        EXPECT_EQ(player(), nullptr);
        EXPECT_EQ(state.SlidePos, HomePos) << "nothing moved";
        // Typing again takes the stale reason away.
        QTest::keyClick(dialog()->field()->lineEdit(), Qt::Key_Backspace);
        EXPECT_FALSE(dialog()->refusal()->isVisible());
        dialog()->reject();
    }
}

TEST_F(ShowMeTest, NextPlaysEveryStepAndEndsWithTheResultAsTheFocusReading) {
    open();
    typeCalculation(QStringLiteral("2.5 × 3.7 ÷ 1.2"));
    ASSERT_NE(player(), nullptr);
    EXPECT_FALSE(dialog()->isVisible());
    EXPECT_TRUE(player()->isVisible());
    EXPECT_EQ(dialog()->history().value(0), QStringLiteral("2.5 × 3.7 ÷ 1.2"));
    const int steps = player()->stepCount();
    ASSERT_GT(steps, 1);
    EXPECT_EQ(player()->played(), 0);
    EXPECT_FALSE(playerButton("ShowMePrevious")->isEnabled());
    for (int i = 1; i <= steps; ++i) {
        SCOPED_TRACE(i);
        ASSERT_TRUE(playerButton("ShowMeNext")->isEnabled());
        QTest::mouseClick(playerButton("ShowMeNext"), Qt::LeftButton);
        EXPECT_EQ(player()->played(), i);
        EXPECT_FALSE(player()->halted()) << player()->message().toStdString();
        // The status line says what the step did.
        const ShowMeStep& step = player()->plan().steps[static_cast<std::size_t>(i - 1)];
        const double reading =
            step.kind == ShowMeStepKind::Read ? CurrentReading(step.slot, state) : step.value;
        EXPECT_EQ(status(),
                  ToQString(ShowMeStepText(step, player()->plan(), Language::English, reading)));
    }
    EXPECT_FALSE(playerButton("ShowMeNext")->isEnabled());
    EXPECT_FALSE(playerButton("ShowMeRun")->isEnabled());
    expectResultRead();
    EXPECT_NEAR(ShowMeResult(player()->plan(), window->session()), 2.5 * 3.7 / 1.2, 0.01);
}

TEST_F(ShowMeTest, RunPlaysAtItsPaceUntilTheEnd) {
    // A power on the LL scales: the face and the LL pair change on the way.
    for (const char* calculation : {"2.4^3.1", "sqrt(20)", "2/7"}) {
        SCOPED_TRACE(calculation);
        open();
        typeCalculation(QString::fromUtf8(calculation));
        ASSERT_NE(player(), nullptr);
        EXPECT_EQ(player()->interval(), kShowMeStepMilliseconds);
        player()->setInterval(1);
        QTest::mouseClick(playerButton("ShowMeRun"), Qt::LeftButton);
        EXPECT_TRUE(player()->running());
        EXPECT_TRUE(playerButton("ShowMeStop")->isEnabled());
        QTRY_VERIFY_WITH_TIMEOUT(!player()->running(), 10000);
        EXPECT_EQ(player()->played(), player()->stepCount());
        expectResultRead();
    }
}

TEST_F(ShowMeTest, PreviousWalksEveryStepBackToTheStart) {
    RuleState initial = RuleState::Defaults();
    initial.CursorPos = 2000000;  // away from home, with an undo of its own below
    open(initial);
    window->runCommand(cmd::kCentreSlide);  // records the slide for undo
    const RulePlace start = PlaceOf(window->session());
    typeCalculation(QStringLiteral("2.4^3.1"));
    ASSERT_NE(player(), nullptr);
    const int steps = player()->stepCount();
    std::vector<RulePlace> places{start};
    for (int i = 0; i < steps; ++i) {
        player()->next();
        places.push_back(PlaceOf(window->session()));
    }
    EXPECT_EQ(state.SlideRev, 1) << "the LL scales are on the back";
    for (int i = steps; i > 0; --i) {
        SCOPED_TRACE(i);
        QTest::mouseClick(playerButton("ShowMePrevious"), Qt::LeftButton);
        EXPECT_EQ(player()->played(), i - 1);
        EXPECT_TRUE(PlaceOf(window->session()) == places[static_cast<std::size_t>(i - 1)]);
    }
    EXPECT_TRUE(PlaceOf(window->session()) == start);
    // The window follows the face: the front options band again.
    EXPECT_TRUE(window->findChild<Rebar*>("Rebar")->bandShown(kFrontOptionsBand));
    EXPECT_FALSE(playerButton("ShowMePrevious")->isEnabled());
    // And the playback can go forward again from there.
    player()->next();
    EXPECT_EQ(player()->played(), 1);
}

TEST_F(ShowMeTest, AMoveByHandStopsThePlayback) {
    struct Move {
        const char* name;
        std::function<void(CMainWindow&)> make;
    };
    const Move moves[] = {
        {"a move command", [](CMainWindow& w) { w.runCommand(cmd::kCentreCursor); }},
        {"a key on the cursor bar",
         [](CMainWindow& w) {
             QTest::keyClick(w.findChild<QWidget*>("CursorBar"), Qt::Key_Right);
         }},
        {"undo", [](CMainWindow& w) { w.runCommand(cmd::kUndo); }},
    };
    for (const Move& move : moves) {
        SCOPED_TRACE(move.name);
        open();
        typeCalculation(QStringLiteral("2.5*3.7/1.2"));
        ASSERT_NE(player(), nullptr);
        player()->setInterval(60000);  // only the first step plays at once
        player()->run();
        ASSERT_TRUE(player()->running());
        ASSERT_EQ(player()->played(), 1);
        const int32_t cursorBefore = state.CursorPos;
        move.make(*window);
        QApplication::processEvents();
        ASSERT_NE(state.CursorPos, cursorBefore) << "the move moved the cursor";
        EXPECT_FALSE(player()->running());
        EXPECT_TRUE(player()->halted());
        EXPECT_EQ(player()->message(), QStringLiteral("Stopped: the rule was moved by hand. "
                                                      "Previous walks the moves back."));
        EXPECT_FALSE(playerButton("ShowMeNext")->isEnabled());
        // The player follows the language, the reason too.
        window->runCommand(cmd::kLanguageJapanese);
        EXPECT_EQ(player()->message(),
                  QStringLiteral("手で動かしたので停止しました。「前へ」で手順を戻せます。"));
        EXPECT_EQ(playerButton("ShowMePrevious")->text(), QStringLiteral("前へ"));
        window->runCommand(cmd::kLanguageEnglish);
        // The next tick, or Next, plays nothing more.
        player()->next();
        EXPECT_EQ(player()->played(), 1);
        // Previous walks back onto the plan and the playback may go on.
        QTest::mouseClick(playerButton("ShowMePrevious"), Qt::LeftButton);
        EXPECT_FALSE(player()->halted());
        EXPECT_EQ(state.CursorPos, HomePos);
        EXPECT_TRUE(playerButton("ShowMeNext")->isEnabled());
    }
}

TEST_F(ShowMeTest, AClickOnAReadingBoxDoesNotStopIt) {
    open();
    typeCalculation(QStringLiteral("2.5*3.7"));
    ASSERT_NE(player(), nullptr);
    player()->next();
    window->runCommand(cmd::kNextReading);  // the focus walks; nothing moves
    QApplication::processEvents();
    EXPECT_FALSE(player()->halted());
    while (player()->played() < player()->stepCount()) player()->next();
    expectResultRead();
}

TEST_F(ShowMeTest, TheBooksWorkedExamplesPlayInTheWindow) {
    open();
    window->runCommand(cmd::kHelp);
    auto* help = window->findChild<HelpWindow*>();
    ASSERT_NE(help, nullptr);
    const QUrl page(QStringLiteral("qrc:/help/en/showme.html"));
    help->browser()->setSource(page);
    // The link as a click on it hands it over: the page stays.
    help->browser()->setSource(QUrl(QStringLiteral("showme:2.4%5E3.1")));
    EXPECT_EQ(help->browser()->source(), page);
    ASSERT_NE(player(), nullptr);
    EXPECT_TRUE(player()->isVisible());
    EXPECT_EQ(player()->plan().expression,
              PlanCalculation("2.4^3.1", state, Language::English).plan.expression);
    player()->setInterval(1);
    player()->run();
    QTRY_VERIFY_WITH_TIMEOUT(!player()->running(), 10000);
    expectResultRead();
    // A link the rule cannot play says why on the status line.
    help->browser()->setSource(QUrl(QStringLiteral("showme:2-1")));
    EXPECT_EQ(status(), ToQString(PlanCalculation("2-1", state, Language::English).refusal));
    help->close();
}

// Every worked example of the chapter, in both languages, is a calculation
// the rule can play from the home state.
TEST_F(ShowMeTest, EveryWorkedExampleOfTheBookPlans) {
    RegisterHelp();
    static const QRegularExpression link(QStringLiteral("href=\"(showme:[^\"]*)\""));
    for (const char* folder : {"en", "ja"}) {
        QFile file(QStringLiteral(":/help/%1/showme.html").arg(QLatin1String(folder)));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << folder;
        const QString page = QString::fromUtf8(file.readAll());
        int examples = 0;
        for (auto it = link.globalMatch(page); it.hasNext(); ++examples) {
            const QUrl url(it.next().captured(1));
            const std::string calculation = ToUtf8(url.path(QUrl::FullyDecoded));
            SCOPED_TRACE(std::string(folder) + " " + calculation);
            const RuleState home = RuleState::Defaults();
            const ShowMeOutcome outcome = PlanCalculation(calculation, home, Language::English);
            EXPECT_TRUE(outcome.planned) << outcome.refusal;
        }
        EXPECT_GE(examples, 5) << folder;
    }
}

}  // namespace
}  // namespace tesmark
