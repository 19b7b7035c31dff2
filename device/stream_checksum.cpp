#include "stream_checksum.h"

#include "crc32.h"
#include "data_file.h"
#include "pax_data.h"
#include "send_stream.h"
#include "voltage_map.h"

QString StreamChecksum(const VoltageMap& map) {
    return QStringLiteral("%1").arg(Crc32(BuildSendStream(map)), 8, 16, QLatin1Char('0')).toUpper();
}

QString PaxFileChecksum(const QString& paxPath) {
    const PaxDecodeResult file = ReadPaxFile(paxPath);
    if (!file.Ok()) {
        return {};
    }
    VoltageMap map;
    FillStartLine(map);
    ApplyPaxData(map, file.Data);
    return StreamChecksum(map);
}
