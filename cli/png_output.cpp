#include "png_output.h"

#include <QBuffer>
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

// Writes all bytes or says why not. A write that is cut short (the disk
// filled up under it) is given its rest once more, which then fails with
// the system's reason.
bool WriteAll(QFileDevice& device, const QByteArray& bytes, QString& reason) {
    qint64 done = 0;
    while (done < bytes.size()) {
        const qint64 written = device.write(bytes.constData() + done, bytes.size() - done);
        if (written <= 0) {
            reason = device.errorString();
            return false;
        }
        done += written;
    }
    if (device.flush()) return true;
    reason = device.errorString();
    return false;
}

}  // namespace

int WritePng(const QImage& image, const std::string& path, std::ostream& err) {
    const QString name = QString::fromStdString(path);
    const QFileInfo info(name);
    if (info.isDir()) return Failed(path, "is a directory", err);

    // Encoded in memory first: the PNG writer does not report a short write.
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "PNG");
    if (!writer.write(image)) return Failed(path, writer.errorString(), err);

    QString reason;
    if (info.exists() && !info.isFile()) {
        QFile device(name);
        if (!device.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
            return Failed(path, device.errorString(), err);
        if (!WriteAll(device, bytes, reason)) return Failed(path, reason, err);
        return kExitDone;
    }
    QSaveFile file(name);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return Failed(path, file.errorString(), err);
    if (!WriteAll(file, bytes, reason)) {
        file.cancelWriting();
        return Failed(path, reason, err);
    }
    if (!file.commit()) return Failed(path, file.errorString(), err);
    return kExitDone;
}

}  // namespace tesmark::cli
