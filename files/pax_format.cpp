#include "files/pax_format.h"

#include <QStringList>
#include <cstdio>
#include <optional>
#include <span>
#include <string>

#include "core/number_text.h"
#include "core/rounding.h"
#include "files/file_text.h"

namespace {

constexpr int kHeaderLines = 5;
/// Longer number lines are not numbers a writer of this format produces.
constexpr qsizetype kMaxNumberLength = 32;

/// A decimal number with '.' or ',' as its decimal mark and blanks around it allowed.
std::optional<double> ParseFileNumber(const QString& line) {
    const QString text = line.trimmed();
    if (text.isEmpty() || text.size() > kMaxNumberLength) {
        return std::nullopt;
    }
    std::string plain = text.toStdString();
    for (char& c : plain) {
        if (c == ',') {
            c = '.';
        }
    }
    return ParseNumber(plain, '.');
}

constexpr int kSpans[] = {5, 10, 15};
constexpr int kFilters[] = {0, 1};
constexpr int kResolutions[] = {128, 64, 32, 16, 8};

/// A header line holding exactly one of the allowed whole numbers.
std::optional<int> ParseChoice(const QString& line, std::span<const int> allowed) {
    const std::optional<double> value = ParseFileNumber(line);
    if (!value) {
        return std::nullopt;
    }
    for (const int choice : allowed) {
        if (*value == choice) {
            return choice;
        }
    }
    return std::nullopt;
}

PaxDecodeResult Refuse(PaxFault fault, int line) {
    PaxDecodeResult result;
    result.Fault = fault;
    result.Line = line;
    return result;
}

}  // namespace

QByteArray MillivoltText(double volts) {
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.15g", volts * 1000 + 0.0);
    return QByteArray(buffer);
}

QByteArray EncodePax(const MapContent& data) {
    const QByteArray crLf("\r\n");
    QByteArray bytes;
    for (const int field : {data.InputRangeMax, data.OutputRangeMax, data.InputFilter,
                            data.OutputFilter, data.Resolution}) {
        bytes += QByteArray::number(field) + crLf;
    }
    for (int k = 0; k < data.Resolution && k < kMaxResolution; ++k) {
        bytes += MillivoltText(RoundTo3(data.OutputValues[k])) + crLf;
    }
    bytes += EncodeFileText(NoteWithCrLf(QString::fromStdString(data.Note))) + crLf;
    return bytes;
}

PaxDecodeResult DecodePax(const QByteArray& bytes) {
    if (bytes.size() > kMaxPaxFileBytes) {
        return Refuse(PaxFault::TooLarge, 0);
    }
    const QStringList lines = SplitLines(DecodeFileText(bytes));
    if (const int line = FirstBinaryLine(lines, 0, kHeaderLines); line != 0) {
        return Refuse(PaxFault::Binary, line);
    }
    MapContent data;
    const struct {
        int* field;
        std::span<const int> allowed;
        PaxFault fault;
    } header[kHeaderLines] = {
        {&data.InputRangeMax, kSpans, PaxFault::BadSpan},
        {&data.OutputRangeMax, kSpans, PaxFault::BadSpan},
        {&data.InputFilter, kFilters, PaxFault::BadFilter},
        {&data.OutputFilter, kFilters, PaxFault::BadFilter},
        {&data.Resolution, kResolutions, PaxFault::BadResolution},
    };
    for (int i = 0; i < kHeaderLines; ++i) {
        if (i >= lines.size()) {
            return Refuse(PaxFault::Truncated, i + 1);
        }
        const std::optional<int> value = ParseChoice(lines[i], header[i].allowed);
        if (!value) {
            return Refuse(header[i].fault, i + 1);
        }
        *header[i].field = *value;
    }
    if (const int line = FirstBinaryLine(lines, kHeaderLines, kHeaderLines + data.Resolution);
        line != 0) {
        return Refuse(PaxFault::Binary, line);
    }
    const double maxMillivolts = data.OutputRangeMax * 1000.0;
    for (int k = 0; k < data.Resolution; ++k) {
        const int index = kHeaderLines + k;
        if (index >= lines.size()) {
            return Refuse(PaxFault::Truncated, index + 1);
        }
        const std::optional<double> millivolts = ParseFileNumber(lines[index]);
        if (!millivolts) {
            return Refuse(PaxFault::NotNumber, index + 1);
        }
        if (!(*millivolts >= 0 && *millivolts <= maxMillivolts)) {
            return Refuse(PaxFault::ValueOutOfRange, index + 1);
        }
        data.OutputValues[k] = RoundTo3(*millivolts / 1000);
    }
    data.Note =
        lines.mid(kHeaderLines + data.Resolution).join(QStringLiteral("\r\n")).toStdString();
    PaxDecodeResult result;
    result.Data = data;
    return result;
}
