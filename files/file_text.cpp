#include "files/file_text.h"

#include <QStringDecoder>
#include <algorithm>
#include <array>
#include <optional>

namespace {

// Windows-1250 above 0x7F. Kept here rather than asking the system's converter, which a
// Qt build without ICU does not have. The five unassigned bytes map to the C1 controls.
constexpr std::array<char16_t, 128> kWindows1250High = {
    0x20AC, 0x0081, 0x201A, 0x0083, 0x201E, 0x2026, 0x2020, 0x2021, 0x0088, 0x2030, 0x0160, 0x2039,
    0x015A, 0x0164, 0x017D, 0x0179, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x0098, 0x2122, 0x0161, 0x203A, 0x015B, 0x0165, 0x017E, 0x017A, 0x00A0, 0x02C7, 0x02D8, 0x0141,
    0x00A4, 0x0104, 0x00A6, 0x00A7, 0x00A8, 0x00A9, 0x015E, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x017B,
    0x00B0, 0x00B1, 0x02DB, 0x0142, 0x00B4, 0x00B5, 0x00B6, 0x00B7, 0x00B8, 0x0105, 0x015F, 0x00BB,
    0x013D, 0x02DD, 0x013E, 0x017C, 0x0154, 0x00C1, 0x00C2, 0x0102, 0x00C4, 0x0139, 0x0106, 0x00C7,
    0x010C, 0x00C9, 0x0118, 0x00CB, 0x011A, 0x00CD, 0x00CE, 0x010E, 0x0110, 0x0143, 0x0147, 0x00D3,
    0x00D4, 0x0150, 0x00D6, 0x00D7, 0x0158, 0x016E, 0x00DA, 0x0170, 0x00DC, 0x00DD, 0x0162, 0x00DF,
    0x0155, 0x00E1, 0x00E2, 0x0103, 0x00E4, 0x013A, 0x0107, 0x00E7, 0x010D, 0x00E9, 0x0119, 0x00EB,
    0x011B, 0x00ED, 0x00EE, 0x010F, 0x0111, 0x0144, 0x0148, 0x00F3, 0x00F4, 0x0151, 0x00F6, 0x00F7,
    0x0159, 0x016F, 0x00FA, 0x0171, 0x00FC, 0x00FD, 0x0163, 0x02D9,
};

QString DecodeWindows1250(const QByteArray& bytes) {
    QString text(bytes.size(), Qt::Uninitialized);
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        const auto byte = static_cast<unsigned char>(bytes[i]);
        text[i] = byte < 0x80 ? QChar(char16_t{byte}) : QChar(kWindows1250High[byte - 0x80]);
    }
    return text;
}

/// The byte the table gives for a character, if any; searching the decoder's own table
/// keeps the two directions from ever disagreeing.
std::optional<char> Windows1250Byte(QChar c) {
    if (c.unicode() < 0x80) {
        return static_cast<char>(c.unicode());
    }
    const auto found = std::find(kWindows1250High.begin(), kWindows1250High.end(), c.unicode());
    if (found == kWindows1250High.end()) {
        return std::nullopt;
    }
    return static_cast<char>(0x80 + (found - kWindows1250High.begin()));
}

}  // namespace

QString DecodeFileText(const QByteArray& bytes) {
    QStringDecoder utf8(QStringConverter::Utf8, QStringConverter::Flag::Stateless);
    // Without ConvertInitialBom the decoder drops a leading byte order mark itself.
    const QString text = utf8(bytes);
    return utf8.hasError() ? DecodeWindows1250(bytes) : text;
}

QByteArray EncodeFileText(const QString& text) {
    QByteArray bytes(text.size(), Qt::Uninitialized);
    for (qsizetype i = 0; i < text.size(); ++i) {
        const std::optional<char> byte = Windows1250Byte(text[i]);
        if (!byte) {
            return text.toUtf8();
        }
        bytes[i] = *byte;
    }
    return DecodeFileText(bytes) == text ? bytes : text.toUtf8();
}

QStringList SplitLines(const QString& text) {
    QStringList lines;
    qsizetype start = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c != u'\r' && c != u'\n') {
            continue;
        }
        lines.append(text.mid(start, i - start));
        if (c == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n') {
            ++i;
        }
        start = i + 1;
    }
    if (start < text.size()) {
        lines.append(text.mid(start));
    }
    return lines;
}

int FirstBinaryLine(const QStringList& lines, qsizetype first, qsizetype end) {
    for (qsizetype i = first; i < end && i < lines.size(); ++i) {
        for (const QChar c : lines[i]) {
            if ((c < u'\x20' && c != u'\t') || c == u'\x7f') {
                return static_cast<int>(i + 1);
            }
        }
    }
    return 0;
}

QString NoteWithCrLf(const QString& note) {
    QString text = note;
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(u'\r', u'\n');
    text.replace(QStringLiteral("\n"), QStringLiteral("\r\n"));
    return text;
}
