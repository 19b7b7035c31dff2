#include "sent_maps.h"

#include <QDir>
#include <QRegularExpression>
#include <algorithm>
#include <utility>

#include "message_box.h"
#include "texts.h"
#include "user_folders.h"
#include "voltage_map.h"

namespace {

const QRegularExpression kKeptName(QStringLiteral("^(\\d+)_.*\\.pax$"));

qint64 Number(const QString& name) {
    return kKeptName.match(name).captured(1).toLongLong();
}

}  // namespace

QString SentMaps::UserFolder() {
    return UserSentFolder();
}

SentMaps::SentMaps(QString folder) : folder_(std::move(folder)) {}

QString SentMaps::Keep(const MapContent& map, int portNumber, const QDateTime& when,
                       WriteResult& result) {
    QDir dir(folder_);
    if (!dir.mkpath(QStringLiteral("."))) {
        result = {false, false, {}};
        return {};
    }
    const QStringList kept = KeptNames();
    qint64 number = kept.isEmpty() ? 1 : Number(kept.last()) + 1;
    QString path;
    do {
        path = dir.filePath(QStringLiteral("%1_%2_com%3.pax")
                                .arg(number++, 6, 10, QLatin1Char('0'))
                                .arg(when.toString(QStringLiteral("yyyy-MM-dd_HH-mm-ss")))
                                .arg(portNumber));
    } while (QFileInfo::exists(path));  // another instance of the program may have kept one
    result = WriteDataFile(map, path);
    if (!result.Ok) {
        return {};
    }
    const QStringList all = KeptNames();
    for (qsizetype i = 0; i + kKeptCount < all.size(); ++i) {
        dir.remove(all[i]);
    }
    return path;
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

QString SentMaps::SentLabel(const QString& path) {
    static const QRegularExpression parts(
        QStringLiteral("^\\d+_(\\d{4}-\\d\\d-\\d\\d)_(\\d\\d)-(\\d\\d)-(\\d\\d)_com(\\d+)\\.pax$"));
    const QRegularExpressionMatch m = parts.match(QFileInfo(path).fileName());
    return m.hasMatch()
               ? QStringLiteral("%1 %2:%3:%4, com %5")
                     .arg(m.captured(1), m.captured(2), m.captured(3), m.captured(4), m.captured(5))
               : QFileInfo(path).fileName();
}

QStringList SentMaps::KeptNames() const {
    QStringList names = QDir(folder_).entryList({QStringLiteral("*.pax")}, QDir::Files);
    names.removeIf([](const QString& name) { return !kKeptName.match(name).hasMatch(); });
    std::ranges::stable_sort(names, {}, Number);
    return names;
}

void KeepSentMap(SentMaps& sent, const MapContent& map, int portNumber, MessageBox& messageBox,
                 const Texts& texts) {
    WriteResult result;
    if (sent.Keep(map, portNumber, QDateTime::currentDateTime(), result).isEmpty()) {
        const QString reason = result.TooLarge ? texts("MsgPaxTooLarge") : result.Error;
        messageBox.Show(texts("MsgSentNotKept") + QLatin1Char('\n') + sent.Folder() +
                            QLatin1Char('\n') + reason,
                        QStringLiteral("SOLVA-TX"));
    }
}
