#include "app/the_app.h"

#include <QApplication>

#include "ui/main_window.h"

namespace tesmark {

int RunTesmark(int argc, char** argv) {
    QApplication app(argc, argv);
    RuleState state = RuleState::Defaults();
    CMainWindow window(state);
    window.show();
    return app.exec();
}

}  // namespace tesmark
