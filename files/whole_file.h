#pragma once

#include <QByteArray>
#include <QString>

/// Replaces fileName with bytes only when every byte reached the disk; otherwise the old
/// file stays as it was and error holds the system's reason.
bool SaveWholeFile(const QString& fileName, const QByteArray& bytes, QString& error);

/// Up to maxBytes of a plain file. Pipes and devices are refused (they could block or
/// never end), as are files the system cannot read; error then holds the reason, empty
/// when the system gave none.
bool ReadFileHead(const QString& fileName, qint64 maxBytes, QByteArray& bytes, QString& error);
