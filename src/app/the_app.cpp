#include "app/the_app.h"

#include <QApplication>
#include <QDir>
#include <QMessageBox>
#include <cstdio>
#include <cstring>

#include "app/instance_channel.h"
#include "model/version.h"
#include "platform/close_on_signal.h"
#include "platform/qt_text.h"
#include "platform/settings_store.h"
#include "platform/start_trace.h"
#include "profile/profile.h"
#include "ui/main_window.h"

namespace tesmark {

namespace {

// "The settings could not be saved", by Language: where, then why.
QString SaveFailureText(int16_t language, const QString& where, const QString& why) {
    if (language == 1) {
        return QStringLiteral("設定を保存できませんでした。\n保存先: %1\n理由: %2").arg(where, why);
    }
    return QStringLiteral("The settings could not be saved.\nFile: %1\nReason: %2").arg(where, why);
}

// Qt's own start asks for the runtime folder while it picks its platform
// and warns when XDG_RUNTIME_DIR is unset (root, xvfb-run), although its
// fallback serves: the program itself uses the temp folder, so the
// warning only alarms. Every other message passes on.
QtMessageHandler g_nextHandler = nullptr;

void DropRuntimeFolderWarning(QtMsgType type, const QMessageLogContext& context,
                              const QString& message) {
    if (type == QtWarningMsg &&
        message.startsWith(QLatin1String("QStandardPaths: XDG_RUNTIME_DIR"))) {
        return;
    }
    if (g_nextHandler) g_nextHandler(type, context, message);
}

}  // namespace

CTheApp::CTheApp(std::unique_ptr<ProfileStore> store, std::unique_ptr<InstanceLock> lock)
    : store_(std::move(store)), lock_(std::move(lock)) {}

CTheApp::~CTheApp() = default;

bool CTheApp::InitInstance() {
    // The profile is read before the lock is tested: a second copy loads it,
    // finds the lock taken, shows nothing and writes back what it loaded.
    // Signals are caught from the start; one that arrives before the event
    // loop runs is handled as soon as it does.
    signals_ = std::make_unique<CloseOnSignal>([this] {
        closedBySignal_ = true;
        // The window closes as its close box would close it; then the loop is
        // ended here rather than by the last window closing, which Qt calls
        // off when a window shows again before the quit is handled: a second
        // copy's request to come forward, arriving just after the signal,
        // would otherwise bring the window back and keep the program running.
        if (window_) window_->close();
        QApplication::quit();
    });
    state_ = LoadProfile(*store_);
    StartTrace::mark("profile");
    switch (lock_->acquire()) {
        case InstanceLock::Result::Acquired:
            break;
        case InstanceLock::Result::Held:
            if (AskRunningInstanceToActivate(InstanceLock::UserInstanceName())) {
                std::fputs("Tesmark is already running; its window was brought to the front.\n",
                           stderr);
            } else {
                std::fputs("Tesmark is already running.\n", stderr);
            }
            return false;
        case InstanceLock::Result::Failed:
            // Running twice at worst costs one session's settings; not
            // running at all would look like a second copy.
            std::fprintf(stderr,
                         "Tesmark: %s. Starting anyway, without the check for a second copy.\n",
                         qPrintable(lock_->problem()));
            break;
    }
    activation_ = std::make_unique<ActivationServer>(InstanceLock::UserInstanceName(),
                                                     [this] { activateWindow(); });
    StartTrace::mark("lock+channel");
    window_ = std::make_unique<CMainWindow>(state_);
    StartTrace::mark("window");
    window_->show();
    StartTrace::mark("shown");
    window_->repaint();
    StartTrace::mark("repainted");
    started_ = true;
    return true;
}

void CTheApp::activateWindow() {
    // After a signal the window is closing for good: no second copy revives it.
    if (!window_ || closedBySignal_) return;
    window_->setWindowState(window_->windowState() & ~Qt::WindowMinimized);
    window_->show();
    window_->raise();
    window_->activateWindow();
}

void CTheApp::reportSaveFailure() {
    const QString where = ToQString(store_->location());
    const QString why = ToQString(store_->lastError());
    const QString text = SaveFailureText(state_.Language, where, why);
    std::fprintf(stderr, "Tesmark: %s\n", qPrintable(QString(text).replace('\n', ' ')));
    // After a signal nobody may be there to answer a dialog (the session is
    // ending, or the terminal asked): the terminal line must do.
    if (started_ && !closedBySignal_) {
        QMessageBox::warning(nullptr, QStringLiteral("Tesmark"), text);
    }
}

int CTheApp::ExitInstance() {
    activation_.reset();
    window_.reset();
    const bool saved = SaveProfile(state_, *store_);
    if (!saved) reportSaveFailure();
    lock_->release();
    // The signal handlers stay: a signal from here on is absorbed.
    signals_.reset();
    return started_ && saved ? 0 : 1;
}

int AnswerCommandLine(int argc, char** argv) {
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--version") == 0 || std::strcmp(argv[i], "-v") == 0) {
            std::printf("%s %s\n", kBrandText, kVersionNumber);
            return 0;
        }
        if (std::strcmp(argv[i], "--help") == 0 || std::strcmp(argv[i], "-h") == 0) {
            std::printf(
                "Usage: tesmark [--help | --version]\n"
                "A double-sided slide rule simulator. It takes no other options: everything\n"
                "is set in its window and kept in the settings file when it closes.\n"
                "\n"
                "  -h, --help     show this text and exit\n"
                "  -v, --version  show the version and exit\n"
                "\n"
                "Settings file: %s\n"
                "One copy runs per user; starting another brings its window to the front.\n"
                "Exit status: 0 after a normal end, 1 when another copy runs or the\n"
                "settings could not be saved.\n",
                qPrintable(QDir::toNativeSeparators(SettingsStore::DefaultPath())));
            return 0;
        }
    }
    return -1;
}

int RunTesmark(int argc, char** argv) {
    // Before anything that could block (the display connection, the
    // profile): a signal from now on ends the program through its shutdown.
    CloseOnSignal::InstallHandlers();
    StartTrace::begin();
    if (int answered = AnswerCommandLine(argc, argv); answered >= 0) return answered;
    g_nextHandler = qInstallMessageHandler(DropRuntimeFolderWarning);
    QApplication app(argc, argv);
    StartTrace::mark("application");
    QApplication::setOrganizationName(kProfileOrganisation);
    QApplication::setApplicationName(kProfileApplication);
    // Wayland compositors and task bars match the window to the installed
    // desktop entry (its name and icon) by this identifier.
    QGuiApplication::setDesktopFileName(QStringLiteral("io.github.corvane.Tesmark"));
    CTheApp theApp(std::make_unique<SettingsStore>(), std::make_unique<InstanceLock>());
    if (theApp.InitInstance()) QApplication::exec();
    return theApp.ExitInstance();
}

}  // namespace tesmark
