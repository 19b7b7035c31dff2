// Any file name planted in the copies folder: the next copy kept is still listed, as the
// newest send to its port or beside a planted name of the last number.
#include <cstdint>
#include <cstdlib>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "core/map_content.h"
#include "history/sent_maps.h"

// The user's folder is never used here; the real one lives with the window's platform code.
QString UserSentFolder() {
    return {};
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    QString name = QString::fromLatin1(reinterpret_cast<const char*>(data), qsizetype(size));
    name.remove(u'/').remove(QChar(0));
    if (name.isEmpty() || name.size() > 200 || name == "." || name == "..") {
        return 0;
    }
    QTemporaryDir dir;
    QFile(dir.filePath(name)).open(QIODevice::WriteOnly);
    SentMaps sent(dir.path());
    MapContent map;
    FillStartLine(map);
    WriteResult result;
    const QDateTime when(QDate(2026, 12, 7), QTime(9, 0));
    const QString intent = sent.BeginSend(map, 3, when, result);
    const QString kept = sent.CompleteSend(intent, map, 3, when.addSecs(1), result);
    if (kept.isEmpty() || !sent.NewestFirst(2).contains(kept) || !sent.CutOffFor(3).isEmpty()) {
        std::abort();
    }
    SentMaps::SentLabel(dir.filePath(name));
    return 0;
}
