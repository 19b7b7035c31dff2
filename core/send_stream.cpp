#include "core/send_stream.h"

#include <cstdio>

#include "core/crc32.h"
#include "core/device_table.h"
#include "core/rounding.h"
#include "core/voltage_map.h"

SendPacket PacketAt(const VoltageMap& map, int k) {
    // Entries 1..255 are capped at 255 by the table builder; entry 256 is never sent.
    const std::uint8_t payload =
        k == 0 ? BuildConfigByte(map) : static_cast<std::uint8_t>(map.DeviceTable[k]);
    return {payload, 0xFF, 0xFF};
}

SendStream BuildSendStream(const MapContent& content) {
    VoltageMap map;
    map.Content() = content;
    BuildDeviceTable(map);
    SendStream stream{};
    for (int k = 0; k < kPacketCount; ++k) {
        const SendPacket packet = PacketAt(map, k);
        for (int i = 0; i < 3; ++i) {
            stream[3 * k + i] = packet[i];
        }
    }
    return stream;
}

std::string StreamChecksum(const MapContent& map) {
    char digits[9];
    std::snprintf(digits, sizeof digits, "%08X",
                  static_cast<unsigned>(Crc32(BuildSendStream(map))));
    return digits;
}

int ProgressBlocksAfter(int k) {
    return static_cast<int>(RoundHalfEven((k + 1) / 16.0));
}

int ProgressPercentAfter(int k) {
    return static_cast<int>(RoundHalfEven((k + 1) * 100 / 256.0));
}
