#include "platform/settings_store.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>
#include <cstdio>

namespace tesmark {

namespace {

// Why the file at `path` cannot serve as the profile, or nothing when it
// can (or does not exist: a first start). A FIFO or device is never opened:
// opening one could block for ever.
QString ReadProfileText(const QString& path, QByteArray& text) {
    const QFileInfo info(path);
    if (!info.exists() && !info.isSymLink()) return {};
    if (info.isDir()) return QStringLiteral("is a folder");
    if (!info.isFile()) return QStringLiteral("is not a regular file");
    if (info.size() > SettingsStore::kMaxFileSize) return QStringLiteral("is larger than 1 MB");
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QStringLiteral("cannot be read: ") + file.errorString();
    text = file.read(SettingsStore::kMaxFileSize + 1);
    if (file.error() != QFileDevice::NoError) {
        return QStringLiteral("cannot be read: ") + file.errorString();
    }
    if (text.size() > SettingsStore::kMaxFileSize) return QStringLiteral("is larger than 1 MB");
    return {};
}

}  // namespace

QString SettingsStore::DefaultPath() {
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    return folder + QLatin1Char('/') + QLatin1String(kProfileOrganisation) + QLatin1Char('/') +
           QLatin1String(kProfileApplication) + QStringLiteral(".conf");
}

SettingsStore::SettingsStore() : SettingsStore(DefaultPath()) {}

SettingsStore::SettingsStore(const QString& iniFile) : path_(iniFile) {
    QByteArray text;
    unreadable_ = ReadProfileText(path_, text);
    if (!unreadable_.isEmpty()) {
        std::fprintf(stderr,
                     "Tesmark: the settings file %s %s; starting with the default settings. "
                     "The file is left as it is and this session's settings will not be saved.\n",
                     qPrintable(QDir::toNativeSeparators(path_)), qPrintable(unreadable_));
        return;
    }
    load(std::string_view(text.constData(), static_cast<std::size_t>(text.size())));
}

std::string SettingsStore::location() const {
    return QDir::toNativeSeparators(path_).toStdString();
}

std::string SettingsStore::lastError() const {
    return writeError_.toStdString();
}

bool SettingsStore::commit(const std::string& text) {
    writeError_.clear();
    if (!unreadable_.isEmpty()) {
        writeError_ =
            QStringLiteral("the file ") + unreadable_ + QStringLiteral(" and was left as it is");
        return false;
    }
    const QString folder = QFileInfo(path_).absolutePath();
    if (!QDir().mkpath(folder)) {
        writeError_ = QStringLiteral("the folder ") + QDir::toNativeSeparators(folder) +
                      QStringLiteral(" cannot be created");
        return false;
    }
    QSaveFile file(path_);
    if (!file.open(QIODevice::WriteOnly)) {
        writeError_ = file.errorString();
        return false;
    }
    if (file.write(text.data(), static_cast<qint64>(text.size())) !=
        static_cast<qint64>(text.size())) {
        writeError_ = file.errorString();
        file.cancelWriting();
        return false;
    }
    if (!file.commit()) {
        writeError_ = file.errorString();
        return false;
    }
    return true;
}

}  // namespace tesmark
