#include "data_file.h"

#include "whole_file.h"

WriteResult WriteDataFile(const VoltageMap& map, const QString& note, const QString& fileName) {
    const QByteArray bytes = EncodePax(PaxDataFromMap(map, note));
    if (bytes.size() > kMaxPaxFileBytes) {
        return {false, true, {}};
    }
    WriteResult result;
    result.Ok = SaveWholeFile(fileName, bytes, result.Error);
    return result;
}

qsizetype DataFileSize(const VoltageMap& map, const QString& note) {
    return EncodePax(PaxDataFromMap(map, note)).size();
}

PaxDecodeResult ReadPaxFile(const QString& fileName) {
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

PaxDecodeResult ReadDataFile(VoltageMap& map, QString& note, const QString& fileName) {
    PaxDecodeResult result = ReadPaxFile(fileName);
    if (result.Ok()) {
        ApplyPaxData(map, result.Data);
        note = result.Data.Note;
    }
    return result;
}

bool IsMapChanged(const VoltageMap& map, const QString& note, const QString& fileName) {
    const PaxDecodeResult file = ReadPaxFile(fileName);
    return !file.Ok() || !SamePaxContent(file.Data, PaxDataFromMap(map, note));
}
