#include "data_file.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace {

PaxDecodeResult CannotRead(const QString& detail) {
    PaxDecodeResult result;
    result.Fault = PaxFault::CannotRead;
    result.Detail = detail;
    return result;
}

}  // namespace

WriteResult WriteDataFile(const VoltageMap& map, const QString& note, const QString& fileName) {
    const QByteArray bytes = EncodePax(PaxDataFromMap(map, note));
    if (bytes.size() > kMaxPaxFileBytes) {
        return {false, true, {}};
    }
    QSaveFile file(fileName);
    if (!file.open(QIODevice::WriteOnly)) {
        return {false, false, file.errorString()};
    }
    file.write(bytes);
    if (!file.commit()) {
        return {false, false, file.errorString()};
    }
    return {};
}

PaxDecodeResult ReadPaxFile(const QString& fileName) {
    const QFileInfo info(fileName);
    // A pipe or a device would block the reader or never end; only plain files are read.
    if (info.exists() && !info.isFile()) {
        return CannotRead({});
    }
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly)) {
        return CannotRead(file.errorString());
    }
    const QByteArray bytes = file.read(kMaxPaxFileBytes + 1);
    if (file.error() != QFileDevice::NoError) {
        return CannotRead(file.errorString());
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

void TakeSavedCurve(VoltageMap& map) {
    map.SavedDeviceTable = map.DeviceTable;
}
