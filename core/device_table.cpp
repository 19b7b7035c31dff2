#include "core/device_table.h"

#include "core/rounding.h"
#include "core/voltage_map.h"

namespace {

/// Entry of breakpoint i-1 at index i * S; only the last breakpoint may reach 256.
void SetBreakpointEntry(const MapContent& map, DeviceTableEntries& table, int i) {
    const double q = RoundHalfEven(map.OutputValues[i - 1] * 256 / map.OutputRangeMax);
    const double cap = i < map.Resolution ? 255 : 256;
    table[i * map.EntriesPerStep()] = static_cast<std::int16_t>(MinOf(q, cap));
}

/// The entries strictly between the two ends of segment j (entry 0 or breakpoint j-1, and
/// breakpoint j). The expressions keep their order of evaluation: ties round the same way.
void FillSegment(const MapContent& map, DeviceTableEntries& table, int j) {
    const int S = map.EntriesPerStep();
    const int R = map.Resolution;
    const int M = map.OutputRangeMax;
    const auto& V = map.OutputValues;
    for (int k = 1; k < S; ++k) {
        double x;
        if (j == 0) {
            x = k * V[0] * R / 256 * 256 / M;
        } else {
            x = (V[j - 1] + (V[j] - V[j - 1]) * k * R / 256) * 256 / M;
        }
        table[j * S + k] = static_cast<std::int16_t>(MinOf(RoundHalfEven(x), 255));
    }
}

}  // namespace

DeviceTableEntries DeviceTableOf(const MapContent& content) {
    DeviceTableEntries table{};
    for (int i = 1; i <= content.Resolution; ++i) {
        SetBreakpointEntry(content, table, i);
    }
    for (int j = 0; j < content.Resolution; ++j) {
        FillSegment(content, table, j);
    }
    return table;
}

void BuildDeviceTable(VoltageMap& map) {
    map.DeviceTable = DeviceTableOf(map);
}

void UpdateDeviceTableAt(VoltageMap& map, int p) {
    SetBreakpointEntry(map, map.DeviceTable, p + 1);
    FillSegment(map, map.DeviceTable, p);
    if (p < map.Resolution - 1) {
        FillSegment(map, map.DeviceTable, p + 1);
    }
}

std::uint8_t BuildConfigByte(const MapContent& map) {
    int config = 0;
    if (map.InputRangeMax == 15) {
        config += 4;
    } else if (map.InputRangeMax == 10) {
        config += 8;
    }
    if (map.OutputRangeMax == 15) {
        config += 1;
    } else if (map.OutputRangeMax == 10) {
        config += 64;
    }
    if (map.InputFilter == 1) {
        config += 2;
    }
    if (map.OutputFilter == 1) {
        config += 32;
    }
    return static_cast<std::uint8_t>(config);
}
