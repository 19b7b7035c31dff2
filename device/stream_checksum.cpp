#include "device/stream_checksum.h"

#include "core/send_stream.h"
#include "files/data_file.h"

QString PaxFileChecksum(const QString& paxPath) {
    const PaxDecodeResult file = ReadDataFile(paxPath);
    return file.Ok() ? QString::fromStdString(StreamChecksum(file.Data)) : QString();
}
