// The rule's context menus through the real window: the value menu over a
// reading column, the rule menu over the face without the other face's
// option submenus, nothing on a boundary, and the keyboard menu at the focus.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QContextMenuEvent>
#include <QMenu>
#include <QTest>
#include <QTimer>
#include <memory>

#include "support/open_window_test.h"
#include "ui/client_area.h"
#include "ui/main_window.h"
#include "ui/slide_bar.h"

namespace tesmark {
namespace {

class ContextMenuTest : public OpenWindowTest {
  protected:
    // The texts of the menu a context-menu event opens (empty when none).
    QStringList menuFor(QWidget* target, QContextMenuEvent::Reason reason, QPoint at) {
        QStringList shown;
        // A menu runs its own event loop: look for it until it shows, then
        // note its items and close it.
        QTimer closer;
        closer.setInterval(10);
        QObject::connect(&closer, &QTimer::timeout, [&shown, &closer] {
            if (auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget())) {
                for (QAction* action : menu->actions())
                    if (!action->isSeparator()) shown << action->text();
                closer.stop();
                menu->close();
            }
        });
        closer.start();
        QContextMenuEvent event(reason, at, target->mapToGlobal(at));
        QApplication::sendEvent(target, &event);
        closer.stop();
        QApplication::processEvents();
        return shown;
    }
    ClientArea* area() const { return window->findChild<ClientArea*>("ClientArea"); }
};

TEST_F(ContextMenuTest, ZonesOpenTheValueOrTheRuleMenu) {
    open();
    const QStringList value = menuFor(area(), QContextMenuEvent::Mouse, QPoint(50, 100));
    ASSERT_FALSE(value.isEmpty());
    EXPECT_EQ(value.first(), QStringLiteral("Clipboard"));
    const QStringList rule = menuFor(area(), QContextMenuEvent::Mouse, QPoint(150, 100));
    ASSERT_FALSE(rule.isEmpty());
    EXPECT_TRUE(rule.first().startsWith(QStringLiteral("&Reverse")));
    EXPECT_TRUE(rule.contains(QStringLiteral("&S,T Scale")));
    EXPECT_FALSE(rule.contains(QStringLiteral("D&F, CF Scale"))) << "front face: no DF, CF submenu";
    EXPECT_TRUE(menuFor(area(), QContextMenuEvent::Mouse, QPoint(30, 100)).isEmpty());
    EXPECT_TRUE(menuFor(area(), QContextMenuEvent::Mouse, QPoint(50, 40)).isEmpty());
}

TEST_F(ContextMenuTest, TheKeyboardMenuOpensAtTheFocusReading) {
    open();
    auto* bar = window->findChild<SlideBar*>("CursorBar");
    const QStringList shown = menuFor(bar, QContextMenuEvent::Keyboard, QPoint(5, 5));
    ASSERT_FALSE(shown.isEmpty());
    EXPECT_EQ(shown.first(), QStringLiteral("Clipboard")) << "focus 14: the value menu";
}

}  // namespace
}  // namespace tesmark
