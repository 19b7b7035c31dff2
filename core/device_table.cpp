#include "device_table.h"

#include "rounding.h"
#include "voltage_map.h"

namespace {

/// Entry of breakpoint i-1 at index i * S; only the last breakpoint may reach 256.
void SetBreakpointEntry(VoltageMap& map, int i) {
    const double q = RoundHalfEven(map.OutputValues[i - 1] * 256 / map.OutputRangeMax);
    const double cap = i < map.Resolution ? 255 : 256;
    map.DeviceTable[i * map.EntriesPerStep()] = static_cast<std::int16_t>(MinOf(q, cap));
}

/// The entries strictly between the two ends of segment j (entry 0 or breakpoint j-1, and
/// breakpoint j). The expressions keep their order of evaluation: ties round the same way.
void FillSegment(VoltageMap& map, int j) {
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
        map.DeviceTable[j * S + k] = static_cast<std::int16_t>(MinOf(RoundHalfEven(x), 255));
    }
}

}  // namespace

void BuildDeviceTable(VoltageMap& map) {
    map.DeviceTable[0] = 0;
    for (int i = 1; i <= map.Resolution; ++i) {
        SetBreakpointEntry(map, i);
    }
    for (int j = 0; j < map.Resolution; ++j) {
        FillSegment(map, j);
    }
}

void UpdateDeviceTableAt(VoltageMap& map, int p) {
    SetBreakpointEntry(map, p + 1);
    FillSegment(map, p);
    if (p < map.Resolution - 1) {
        FillSegment(map, p + 1);
    }
}

std::uint8_t BuildConfigByte(const VoltageMap& map) {
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
