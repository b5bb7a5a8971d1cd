#include "app/the_app.h"

#include <QApplication>

#include "platform/close_on_signal.h"
#include "platform/settings_store.h"
#include "profile/profile.h"
#include "ui/main_window.h"

namespace tesmark {

CTheApp::CTheApp(std::unique_ptr<ProfileStore> store, std::unique_ptr<InstanceLock> lock)
    : store_(std::move(store)), lock_(std::move(lock)) {}

CTheApp::~CTheApp() = default;

bool CTheApp::InitInstance() {
    // The profile is read before the lock is tested: a second copy loads it,
    // finds the lock taken, shows nothing and writes back what it loaded.
    // Signals are caught from the start; one that arrives before the event
    // loop runs is handled as soon as it does.
    signals_ = std::make_unique<CloseOnSignal>([this] {
        if (window_) {
            window_->close();
        } else {
            QApplication::quit();
        }
    });
    state_ = LoadProfile(*store_);
    if (!lock_->tryAcquire()) return false;
    window_ = std::make_unique<CMainWindow>(state_);
    window_->show();
    window_->repaint();
    started_ = true;
    return true;
}

int CTheApp::ExitInstance() {
    signals_.reset();
    window_.reset();
    SaveProfile(state_, *store_);
    lock_->release();
    return started_ ? 0 : 1;
}

int RunTesmark(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setOrganizationName(kProfileOrganisation);
    QApplication::setApplicationName(kProfileApplication);
    CTheApp theApp(std::make_unique<SettingsStore>(), std::make_unique<InstanceLock>());
    if (theApp.InitInstance()) QApplication::exec();
    return theApp.ExitInstance();
}

}  // namespace tesmark
