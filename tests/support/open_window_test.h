#pragma once
// The fixture of the tests that drive the real main window: the state it
// works on, and the window shown, exposed and past the events it posted at
// the start.
#include <gtest/gtest.h>

#include <QApplication>
#include <QTest>
#include <memory>

#include "model/rule_state.h"
#include "ui/main_window.h"

namespace tesmark {

class OpenWindowTest : public testing::Test {
  protected:
    void open(const RuleState& initial = RuleState::Defaults()) {
        state = initial;
        window = std::make_unique<CMainWindow>(state);
        window->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
        QApplication::processEvents();
    }

    RuleState state;
    std::unique_ptr<CMainWindow> window;
};

}  // namespace tesmark
