#include "files/data_file.h"

#include "files/file_text.h"
#include "files/whole_file.h"

WriteResult WriteDataFile(const MapContent& map, const QString& fileName) {
    const QByteArray bytes = EncodePax(map);
    if (bytes.size() > kMaxPaxFileBytes) {
        return {false, true, {}};
    }
    WriteResult result;
    result.Ok = SaveWholeFile(fileName, bytes, result.Error);
    return result;
}

qsizetype DataFileSize(const MapContent& map) {
    return EncodePax(map).size();
}

PaxDecodeResult ReadDataFile(const QString& fileName) {
    QByteArray bytes;
    QString error;
    if (!ReadFileHead(fileName, kMaxPaxFileBytes + 1, bytes, error)) {
        PaxDecodeResult result;
        result.Fault = PaxFault::CannotRead;
        result.Detail = error;
        return result;
    }
    return DecodePax(bytes);
}

MapContent WithNoteAsEdited(MapContent map) {
    map.Note = QString::fromStdString(map.Note)
                   .replace(QStringLiteral("\r\n"), QStringLiteral("\n"))
                   .toStdString();
    return map;
}

bool IsMapChanged(const MapContent& map, const QString& fileName) {
    const PaxDecodeResult file = ReadDataFile(fileName);
    MapContent stored = map;
    stored.Note = NoteWithCrLf(QString::fromStdString(map.Note)).toStdString();
    return !file.Ok() || file.Data != stored;
}
