#include "settings_file.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStringList>

#include "file_text.h"

namespace {

/// The one line of a good file is a few bytes; more is not a settings file.
constexpr qint64 kMaxSettingsBytes = 4096;

}  // namespace

std::optional<int> ReadSettings(const QString& fileName) {
    if (!QFileInfo(fileName).isFile()) {
        return std::nullopt;
    }
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly)) {
        return std::nullopt;
    }
    const QByteArray bytes = file.read(kMaxSettingsBytes + 1);
    if (file.error() != QFileDevice::NoError || bytes.size() > kMaxSettingsBytes) {
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
    QSaveFile file(fileName);
    if (!file.open(QIODevice::WriteOnly)) {
        return false;
    }
    file.write(QByteArray::number(portNumber) + "\r\n");
    return file.commit();
}
