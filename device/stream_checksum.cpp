#include "stream_checksum.h"

#include "data_file.h"
#include "send_stream.h"

QString PaxFileChecksum(const QString& paxPath) {
    const PaxDecodeResult file = ReadDataFile(paxPath);
    return file.Ok() ? QString::fromStdString(StreamChecksum(file.Data)) : QString();
}
