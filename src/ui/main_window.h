#pragma once
// CMainWindow: the one frame window of the simulator.
#include <QMainWindow>

#include "model/rule_state.h"

namespace tesmark {

class CMainWindow : public QMainWindow {
    Q_OBJECT
public:
    explicit CMainWindow(RuleState& state, QWidget* parent = nullptr);

    RuleState& state() { return state_; }

private:
    RuleState& state_;
};

}  // namespace tesmark
