#include "files/settings_file.h"

#include <QStringList>

#include "core/number_text.h"
#include "core/rounding.h"
#include "files/file_text.h"
#include "files/whole_file.h"

namespace {

/// The one line of a good file is a few bytes; more is not a settings file.
constexpr qint64 kMaxSettingsBytes = 4096;

}  // namespace

std::optional<int> ReadSettings(const QString& fileName, char decimalSeparator) {
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
    const std::optional<double> number =
        ParseNumber(lines.first().trimmed().toStdString(), decimalSeparator);
    if (!number) {
        return std::nullopt;
    }
    const double port = RoundHalfEven(*number);
    if (port < kFirstPort || port > kLastPort) {
        return std::nullopt;
    }
    return static_cast<int>(port);
}

bool WriteSettings(int portNumber, const QString& fileName) {
    QString error;
    return SaveWholeFile(fileName, QByteArray::number(portNumber) + "\r\n", error);
}
