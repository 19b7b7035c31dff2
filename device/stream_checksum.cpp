#include "stream_checksum.h"

#include "data_file.h"
#include "pax_data.h"
#include "send_stream.h"
#include "voltage_map.h"

QString PaxFileChecksum(const QString& paxPath) {
    const PaxDecodeResult file = ReadPaxFile(paxPath);
    if (!file.Ok()) {
        return {};
    }
    VoltageMap map;
    FillStartLine(map);
    ApplyPaxData(map, file.Data);
    return QString::fromStdString(StreamChecksum(map));
}
