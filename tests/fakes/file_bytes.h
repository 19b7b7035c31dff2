#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>

/// A file's bytes as they are on disk; none when it is missing or cannot be read.
inline QByteArray ReadBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}
