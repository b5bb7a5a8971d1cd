#include "png_output.h"

#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QImageWriter>
#include <QSaveFile>
#include <ostream>

#include "commands.h"

namespace tesmark::cli {

namespace {

int Failed(const std::string& path, const QString& reason, std::ostream& err) {
    err << "tesmark-cli render: cannot write '" << path << "': " << reason.toStdString() << "\n";
    return kExitFailed;
}

// Writes the PNG into an open device; the reason on failure.
bool WriteInto(QFileDevice& device, const QImage& image, QString& reason) {
    QImageWriter writer(&device, "PNG");
    if (writer.write(image)) return true;
    reason = device.error() != QFileDevice::NoError ? device.errorString() : writer.errorString();
    return false;
}

}  // namespace

int WritePng(const QImage& image, const std::string& path, std::ostream& err) {
    const QString name = QString::fromStdString(path);
    const QFileInfo info(name);
    if (info.isDir()) return Failed(path, "is a directory", err);
    QString reason;
    if (info.exists() && !info.isFile()) {
        QFile device(name);
        if (!device.open(QIODevice::WriteOnly)) return Failed(path, device.errorString(), err);
        if (!WriteInto(device, image, reason)) return Failed(path, reason, err);
        if (!device.flush()) return Failed(path, device.errorString(), err);
        return kExitDone;
    }
    QSaveFile file(name);
    if (!file.open(QIODevice::WriteOnly)) return Failed(path, file.errorString(), err);
    if (!WriteInto(file, image, reason)) {
        file.cancelWriting();
        return Failed(path, reason, err);
    }
    if (!file.commit()) return Failed(path, file.errorString(), err);
    return kExitDone;
}

}  // namespace tesmark::cli
