#include "stream_checksum.h"

#include "crc32.h"
#include "data_file.h"
#include "send_stream.h"

QString StreamChecksum(const MapContent& map) {
    return QStringLiteral("%1").arg(Crc32(BuildSendStream(map)), 8, 16, QLatin1Char('0')).toUpper();
}

QString PaxFileChecksum(const QString& paxPath) {
    const PaxDecodeResult file = ReadDataFile(paxPath);
    return file.Ok() ? StreamChecksum(file.Data) : QString();
}
