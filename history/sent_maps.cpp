#include "history/sent_maps.h"

#include <QDir>
#include <QRegularExpression>
#include <algorithm>
#include <utility>

#include "core/voltage_map.h"
#include "platform/message_box.h"
#include "platform/user_folders.h"
#include "texts/texts.h"

namespace {

/// Only names as a send writes them are kept copies. Fifteen digits at most: a planted
/// name cannot make the numbering overflow.
const QRegularExpression kKeptName(
    QStringLiteral("^(\\d{1,15})_(\\d{4}-\\d\\d-\\d\\d_\\d\\d-\\d\\d-\\d\\d)_com\\d{1,2}\\.pax$"));
/// The running numbers stop here, so that every copy written keeps a name that is listed;
/// the time in the name then orders the copies of one number.
constexpr qint64 kLastNumber = 999'999'999'999'999;
/// A send under way, or one cut off: written before the port opens, gone once the send
/// is complete.
const QRegularExpression kIntentName(
    QStringLiteral("^sending_\\d{4}-\\d\\d-\\d\\d_\\d\\d-\\d\\d-\\d\\d_com(\\d{1,2})\\.pax$"));
const QString kTimeInName = QStringLiteral("yyyy-MM-dd_HH-mm-ss");

qint64 Number(const QString& name) {
    return kKeptName.match(name).captured(1).toLongLong();
}

std::pair<qint64, QString> Order(const QString& name) {
    const QRegularExpressionMatch m = kKeptName.match(name);
    return {m.captured(1).toLongLong(), m.captured(2)};
}

}  // namespace

QString SentMaps::UserFolder() {
    return UserSentFolder();
}

SentMaps::SentMaps(QString folder) : folder_(std::move(folder)) {}

QString SentMaps::Keep(const MapContent& map, int portNumber, const QDateTime& when,
                       WriteResult& result) {
    if (!QDir(folder_).mkpath(QStringLiteral("."))) {
        result = {false, false, {}};
        return {};
    }
    const QString path = NextPath(portNumber, when);
    result = WriteDataFile(map, path);
    if (!result.Ok) {
        return {};
    }
    Prune();
    return path;
}

QString SentMaps::NextPath(int portNumber, const QDateTime& when) const {
    const QStringList kept = KeptNames();
    qint64 number = kept.isEmpty() ? 1 : std::min(Number(kept.last()) + 1, kLastNumber);
    QString path;
    do {
        path = QDir(folder_).filePath(QStringLiteral("%1_%2_com%3.pax")
                                          .arg(number++, 6, 10, QLatin1Char('0'))
                                          .arg(when.toString(kTimeInName))
                                          .arg(portNumber));
        // Another instance of the program may have kept one.
    } while (QFileInfo::exists(path) && number <= kLastNumber);
    return path;
}

void SentMaps::Prune() {
    const QStringList all = KeptNames();
    for (qsizetype i = 0; i + kKeptCount < all.size(); ++i) {
        QDir(folder_).remove(all[i]);
    }
}

QString SentMaps::Newest() const {
    const QStringList kept = KeptNames();
    return kept.isEmpty() ? QString() : QDir(folder_).filePath(kept.last());
}

QString SentMaps::NewestFor(int portNumber) const {
    const QString suffix = QStringLiteral("_com%1.pax").arg(portNumber);
    const QStringList kept = KeptNames();
    const auto newest = std::find_if(kept.rbegin(), kept.rend(),
                                     [&](const QString& name) { return name.endsWith(suffix); });
    return newest == kept.rend() ? QString() : QDir(folder_).filePath(*newest);
}

QStringList SentMaps::NewestFirst(int count) const {
    const QStringList kept = KeptNames();
    QStringList paths;
    for (qsizetype i = kept.size() - 1; i >= 0 && paths.size() < count; --i) {
        paths.append(QDir(folder_).filePath(kept[i]));
    }
    return paths;
}

QString SentMaps::BeginSend(const MapContent& map, int portNumber, const QDateTime& when,
                            WriteResult& result) {
    if (!QDir(folder_).mkpath(QStringLiteral("."))) {
        result = {false, false, {}};
        return {};
    }
    const QString path = QDir(folder_).filePath(
        QStringLiteral("sending_%1_com%2.pax").arg(when.toString(kTimeInName)).arg(portNumber));
    // A send cut off within the same second stays on record as it was.
    if (QFileInfo::exists(path)) {
        result = {true, false, {}};
        return {};
    }
    result = WriteDataFile(map, path);
    return result.Ok ? path : QString();
}

QString SentMaps::CompleteSend(const QString& intent, const MapContent& map, int portNumber,
                               const QDateTime& when, WriteResult& result) {
    // The intent holds the map sent: a rename makes it the copy, even on a full disk.
    QString kept = intent.isEmpty() ? QString() : NextPath(portNumber, when);
    if (!kept.isEmpty() && QFile::rename(intent, kept)) {
        result = {true, false, {}};
        Prune();
    } else {
        kept = Keep(map, portNumber, when, result);
    }
    // The box on that port holds this map now, whatever earlier sends left on record.
    if (!kept.isEmpty()) {
        for (const QString& name : IntentNames(portNumber)) {
            QDir(folder_).remove(name);
        }
    }
    return kept;
}

void SentMaps::WithdrawSend(const QString& intent) {
    if (!intent.isEmpty()) {
        QFile::remove(intent);
    }
}

QString SentMaps::CutOffFor(int portNumber) const {
    const QStringList names = IntentNames(portNumber);
    return names.isEmpty() ? QString() : QDir(folder_).filePath(names.last());
}

QStringList SentMaps::CutOffSends() const {
    QStringList paths;
    for (const QString& name : IntentNames(0)) {
        paths.append(QDir(folder_).filePath(name));
    }
    return paths;
}

QString SentMaps::SentLabel(const QString& path) {
    static const QRegularExpression parts(QStringLiteral(
        "^(?:\\d+|sending)_(\\d{4}-\\d\\d-\\d\\d)_(\\d\\d)-(\\d\\d)-(\\d\\d)_com(\\d+)\\.pax$"));
    const QRegularExpressionMatch m = parts.match(QFileInfo(path).fileName());
    return m.hasMatch()
               ? QStringLiteral("%1 %2:%3:%4, com %5")
                     .arg(m.captured(1), m.captured(2), m.captured(3), m.captured(4), m.captured(5))
               : QFileInfo(path).fileName();
}

QStringList SentMaps::IntentNames(int portNumber) const {
    QStringList names =
        QDir(folder_).entryList({QStringLiteral("sending_*.pax")}, QDir::Files, QDir::Name);
    names.removeIf([portNumber](const QString& name) {
        const QRegularExpressionMatch m = kIntentName.match(name);
        return !m.hasMatch() || (portNumber != 0 && m.captured(1).toInt() != portNumber);
    });
    return names;
}

QStringList SentMaps::KeptNames() const {
    QStringList names = QDir(folder_).entryList({QStringLiteral("*.pax")}, QDir::Files);
    names.removeIf([](const QString& name) { return !kKeptName.match(name).hasMatch(); });
    std::ranges::stable_sort(names, {}, Order);
    return names;
}

void ReportSentNotKept(const SentMaps& sent, const WriteResult& result, MessageBox& messageBox,
                       const Texts& texts) {
    const QString reason = result.TooLarge ? texts("MsgPaxTooLarge") : result.Error;
    messageBox.Show(texts("MsgSentNotKept") + QLatin1Char('\n') +
                        QDir::toNativeSeparators(sent.Folder()) + QLatin1Char('\n') + reason,
                    QStringLiteral("SOLVA-TX"));
}
