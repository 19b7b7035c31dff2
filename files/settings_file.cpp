#include "settings_file.h"

#include <QStringList>

#include "file_text.h"
#include "whole_file.h"

namespace {

/// The one line of a good file is a few bytes; more is not a settings file.
constexpr qint64 kMaxSettingsBytes = 4096;

}  // namespace

std::optional<int> ReadSettings(const QString& fileName) {
    QByteArray bytes;
    QString error;
    if (!ReadFileHead(fileName, kMaxSettingsBytes + 1, bytes, error) ||
        bytes.size() > kMaxSettingsBytes) {
        return std::nullopt;
    }
    const QStringList lines = SplitLines(DecodeFileText(bytes));
    if (lines.isEmpty()) {
        return std::nullopt;
    }
    bool isNumber = false;
    const int port = lines.first().trimmed().toInt(&isNumber);
    if (!isNumber || port < kFirstPort || port > kLastPort) {
        return std::nullopt;
    }
    return port;
}

bool WriteSettings(int portNumber, const QString& fileName) {
    QString error;
    return SaveWholeFile(fileName, QByteArray::number(portNumber) + "\r\n", error);
}
