#include "files/whole_file.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

bool SaveWholeFile(const QString& fileName, const QByteArray& bytes, QString& error) {
    // Unbuffered, because a buffered QSaveFile takes a short write (file size limit, full
    // disk) for success and commits a cut file.
    QSaveFile file(fileName);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
        error = file.errorString();
        return false;
    }
    qint64 written = 0;
    while (written < bytes.size()) {
        const qint64 count = file.write(bytes.constData() + written, bytes.size() - written);
        if (count <= 0) {
            error = file.errorString();
            file.cancelWriting();
            return false;
        }
        written += count;
    }
    if (!file.commit()) {
        error = file.errorString();
        return false;
    }
    return true;
}

bool ReadFileHead(const QString& fileName, qint64 maxBytes, QByteArray& bytes, QString& error) {
    const QFileInfo info(fileName);
    if (info.exists() && !info.isFile()) {
        error.clear();
        return false;
    }
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly)) {
        error = file.errorString();
        return false;
    }
    bytes = file.read(maxBytes);
    if (file.error() != QFileDevice::NoError) {
        error = file.errorString();
        return false;
    }
    return true;
}
