// The rule as assistive technology sees it: the reading boxes as named
// objects with their texts as values, the focus reading as the focus, and
// what a move announces.
#include <gtest/gtest.h>

#include <QAccessible>
#include <QApplication>
#include <QTest>
#include <memory>
#include <vector>

#include "ui/client_area.h"
#include "ui/main_window.h"
#include "ui/slide_bar.h"

namespace tesmark {
namespace {

class RuleAccessibilityTest : public testing::Test {
  protected:
    void open(int16_t language = 0) {
        state = RuleState::Defaults();
        state.Language = language;
        window = std::make_unique<CMainWindow>(state);
        window->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
        settle();
    }
    void settle() {
        QApplication::processEvents();
        area()->repaint();
        QApplication::processEvents();
    }
    ClientArea* area() const { return window->findChild<ClientArea*>("ClientArea"); }
    QAccessibleInterface* rule() const { return QAccessible::queryAccessibleInterface(area()); }
    QAccessibleInterface* reading(int slot) const { return rule()->child(slot - 1); }

    RuleState state;
    std::unique_ptr<CMainWindow> window;
};

TEST_F(RuleAccessibilityTest, EveryReadingIsNamedByItsScaleAndPlaceWithItsText) {
    open();
    ASSERT_NE(rule(), nullptr);
    EXPECT_EQ(rule()->text(QAccessible::Name), QStringLiteral("Slide rule"));
    EXPECT_EQ(rule()->childCount(), 22);
    EXPECT_EQ(reading(14)->text(QAccessible::Name), QStringLiteral("D under the cursor"));
    EXPECT_EQ(reading(14)->text(QAccessible::Value), QStringLiteral("3.16228"));
    EXPECT_EQ(reading(6)->text(QAccessible::Name), QStringLiteral("L at the left index"));
    EXPECT_EQ(reading(6)->text(QAccessible::Value), QStringLiteral(".000000"));
    EXPECT_TRUE(reading(7)->state().invisible) << "the front face's R0 carries no scale";
    EXPECT_EQ(rule()->focusChild(), reading(14));
    EXPECT_TRUE(reading(14)->state().focused);
    EXPECT_FALSE(reading(13)->state().focused);
    EXPECT_EQ(rule()->indexOfChild(reading(20)), 19);
    const QRect box = reading(14)->rect();
    EXPECT_EQ(rule()->childAt(box.center().x(), box.center().y()), reading(14));
}

TEST_F(RuleAccessibilityTest, NamesFollowTheLanguage) {
    open(1);
    EXPECT_EQ(rule()->text(QAccessible::Name), QStringLiteral("計算尺"));
    EXPECT_EQ(reading(14)->text(QAccessible::Name), QStringLiteral("カーソル線のD"));
    auto* bar = window->findChild<SlideBar*>("CursorBar");
    EXPECT_EQ(bar->accessibleName(), QStringLiteral("カーソルバー"));
}

TEST_F(RuleAccessibilityTest, TheControlsHaveNamesAndDescriptions) {
    open();
    for (const char* name : {"SlideBar", "CursorBar", "SlideHomeButton", "CursorHomeButton",
                             "ReverseButton", "EditBox", "StatusPart0"}) {
        SCOPED_TRACE(name);
        auto* widget = window->findChild<QWidget*>(QString::fromLatin1(name));
        ASSERT_NE(widget, nullptr);
        EXPECT_FALSE(widget->accessibleName().isEmpty());
        EXPECT_FALSE(widget->accessibleDescription().isEmpty());
    }
}

TEST_F(RuleAccessibilityTest, AStepChangesTheValueOfTheFocusReading) {
    open();
    auto* bar = window->findChild<SlideBar*>("CursorBar");
    QTest::keyClick(bar, Qt::Key_Right);  // number lock on: D under the cursor + 0.00001
    settle();
    EXPECT_EQ(reading(14)->text(QAccessible::Value), QStringLiteral("3.16229"));
    QTest::keyClick(window.get(), Qt::Key_Tab);
    settle();
    EXPECT_EQ(rule()->focusChild(), reading(15)) << "Tab moves the accessible focus too";
}

// A screen reader is told of a new focus reading, then of each new value of
// it, and of nothing while nothing changes.
TEST(FocusReadingAnnouncer, AnnouncesANewFocusThenEachNewValue) {
    using Change = FocusReadingAnnouncer::Change;
    struct Step {
        int slot;
        const char* text;
        Change expected;
    };
    const Step steps[] = {
        {14, "3.16228", Change::Focus}, {14, "3.16229", Change::Value},
        {14, "3.16229", Change::None},  {15, "1.00000", Change::Focus},
        {14, "3.16229", Change::Focus}, {14, "3.16230", Change::Value},
    };
    FocusReadingAnnouncer announcer;
    for (const Step& step : steps) {
        SCOPED_TRACE(step.text);
        EXPECT_EQ(announcer.change(step.slot, QString::fromLatin1(step.text)), step.expected);
    }
}

}  // namespace
}  // namespace tesmark
