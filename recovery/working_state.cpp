#include "recovery/working_state.h"

#include <QCryptographicHash>
#include <QList>
#include <QStringDecoder>
#include <QUrl>

#include "files/pax_format.h"

namespace {

const QByteArray kMagic = QByteArrayLiteral("SOLVA-TX recovery ");
/// Raised whenever the layout below changes; 2 added the com number, 3 the selection and
/// the curve boxes.
const QByteArray kFormat = QByteArrayLiteral("3");
const QByteArray kCrLf = QByteArrayLiteral("\r\n");
constexpr int kHeaderLines = 9;
constexpr int kMaxPortNumber = 16;
constexpr qsizetype kChecksumLine = 40 + 2;  // hex SHA-1 and CR LF
/// A version longer than this is quoted in part: the line may be anything at all.
constexpr qsizetype kVersionQuoted = 40;

QByteArray Checksum(QByteArrayView bytes) {
    return QCryptographicHash::hash(bytes, QCryptographicHash::Sha1).toHex();
}

RecoveryDecodeResult Refuse(RecoveryFault fault, const QString& version = {}) {
    RecoveryDecodeResult result;
    result.Fault = fault;
    result.Version = version;
    return result;
}

bool ChecksumHolds(const QByteArray& bytes, qsizetype headerEnd) {
    const qsizetype bodySize = bytes.size() - kChecksumLine;
    return bodySize >= headerEnd && bytes.endsWith(kCrLf) &&
           Checksum(QByteArrayView(bytes).first(bodySize)) == bytes.mid(bodySize, 40);
}

QString QuotedVersion(const QByteArray& line) {
    const QString version = QString::fromUtf8(line.left(kVersionQuoted * 4));
    return version.size() > kVersionQuoted ? version.left(kVersionQuoted) + QChar(0x2026) : version;
}

/// A whole decimal count written as we write it; -1 for anything else.
qsizetype Count(const QByteArray& text) {
    bool ok = false;
    const qlonglong value = text.toLongLong(&ok);
    return ok && value >= 0 && QByteArray::number(value) == text ? value : -1;
}

/// A breakpoint as we write it, 0 .. kMaxResolution (none); -1 for anything else.
int Breakpoint(const QByteArray& text) {
    const qsizetype k = Count(text);
    return k <= kMaxResolution ? static_cast<int>(k) : -1;
}

}  // namespace

QString RecoveryProgramVersion() {
    return QStringLiteral(SOLVA_VERSION);
}

QByteArray EncodeRecovery(const WorkingState& state) {
    MapContent map = state.Map;
    map.Note.clear();
    const QByteArray pax = EncodePax(map);
    const QByteArray note = QByteArray::fromStdString(state.Map.Note);
    QByteArray bytes;
    bytes.reserve(256 + pax.size() + note.size() + state.FileName.size() * 3);
    bytes += kMagic + kFormat + kCrLf;
    bytes += RecoveryProgramVersion().toUtf8() + kCrLf;
    bytes += state.Changed.toUTC().toString(Qt::ISODateWithMs).toLatin1() + kCrLf;
    bytes += (state.Saved ? "1" : "0") + kCrLf;
    bytes += QByteArray::number(state.PortNumber) + kCrLf;
    // A file name may hold any character, a line break too.
    bytes += QUrl::toPercentEncoding(state.FileName, "/\\:") + kCrLf;
    bytes += QByteArray::number(pax.size()) + ' ' + QByteArray::number(note.size()) + kCrLf;
    bytes +=
        QByteArray::number(state.SelectedPoint) + ' ' + QByteArray::number(state.RangeEnd) + kCrLf;
    // Encoded, a text holds no blank: one blank parts the three.
    QByteArrayList boxes;
    for (const QString& text : state.CurveBoxes) {
        boxes += QUrl::toPercentEncoding(text);
    }
    bytes += boxes.join(' ') + kCrLf;
    bytes += pax;
    bytes += note;
    bytes += Checksum(bytes) + kCrLf;
    return bytes;
}

RecoveryDecodeResult DecodeRecovery(const QByteArray& bytes) {
    QList<QByteArray> header;
    qsizetype at = 0;
    for (int i = 0; i < kHeaderLines; ++i) {
        const qsizetype end = bytes.indexOf(kCrLf, at);
        if (end < 0) {
            return Refuse(RecoveryFault::Damaged);
        }
        header.push_back(bytes.mid(at, end - at));
        at = end + 2;
        // Another version may lay out everything after its version line differently.
        if (i == 0 && !header[0].startsWith(kMagic)) {
            return Refuse(RecoveryFault::Damaged);
        }
        if (i == 0 && header[0].sliced(kMagic.size()) != kFormat) {
            return Refuse(RecoveryFault::OtherVersion);
        }
        // One layout, one checksum: a version line is shown only from a file that is whole.
        if (i == 1 && header[1] != RecoveryProgramVersion().toUtf8()) {
            return ChecksumHolds(bytes, at)
                       ? Refuse(RecoveryFault::OtherVersion, QuotedVersion(header[1]))
                       : Refuse(RecoveryFault::Damaged);
        }
    }
    if (!ChecksumHolds(bytes, at)) {
        return Refuse(RecoveryFault::Damaged);
    }
    const qsizetype bodySize = bytes.size() - kChecksumLine;
    const QList<QByteArray> sizes = header[6].split(' ');
    const qsizetype paxSize = sizes.size() == 2 ? Count(sizes[0]) : -1;
    const qsizetype noteSize = sizes.size() == 2 ? Count(sizes[1]) : -1;
    // Compared part by part: a sum of sizes that no writer wrote may overflow.
    if (paxSize < 0 || noteSize < 0 || paxSize > bodySize - at ||
        noteSize != bodySize - at - paxSize) {
        return Refuse(RecoveryFault::Damaged);
    }
    RecoveryDecodeResult result;
    WorkingState& state = result.State;
    state.Changed = QDateTime::fromString(QString::fromLatin1(header[2]), Qt::ISODateWithMs);
    const PaxDecodeResult map = DecodePax(bytes.mid(at, paxSize));
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString note = utf8(QByteArrayView(bytes).sliced(at + paxSize, noteSize));
    const qsizetype port = Count(header[4]);
    const QList<QByteArray> selection = header[7].split(' ');
    const QList<QByteArray> boxes = header[8].split(' ');
    state.SelectedPoint = selection.size() == 2 ? Breakpoint(selection[0]) : -1;
    state.RangeEnd = selection.size() == 2 ? Breakpoint(selection[1]) : -1;
    if (!state.Changed.isValid() || (header[3] != "0" && header[3] != "1") || !map.Ok() ||
        utf8.hasError() || port < 1 || port > kMaxPortNumber || state.SelectedPoint < 0 ||
        state.RangeEnd < 0 || boxes.size() != qsizetype(state.CurveBoxes.size())) {
        return Refuse(RecoveryFault::Damaged);
    }
    for (std::size_t b = 0; b < state.CurveBoxes.size(); ++b) {
        state.CurveBoxes[b] = QUrl::fromPercentEncoding(boxes[qsizetype(b)]);
    }
    state.Map = map.Data;
    state.Map.Note = note.toStdString();
    state.Saved = header[3] == "1";
    state.PortNumber = static_cast<int>(port);
    state.FileName = QUrl::fromPercentEncoding(header[5]);
    return result;
}
