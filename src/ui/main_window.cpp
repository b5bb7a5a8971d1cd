#include "ui/main_window.h"

#include <QWidget>

namespace tesmark {

CMainWindow::CMainWindow(RuleState& state, QWidget* parent) : QMainWindow(parent), state_(state) {
    auto* client = new QWidget(this);
    client->setFixedHeight(325);
    client->setMinimumWidth(625 + state_.CxSize);
    setCentralWidget(client);
    move(state_.Xpos, state_.Ypos);
}

}  // namespace tesmark
