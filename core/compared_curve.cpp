#include "core/compared_curve.h"

#include <algorithm>
#include <cmath>

#include "core/device_table.h"

namespace {

/// Output voltage of `other` at an input voltage, from its device table.
double OutputAt(const VoltageMap& other, double inputVolts) {
    const double position = std::min(inputVolts * 256 / other.InputRangeMax, 256.0);
    const int below = static_cast<int>(std::floor(position));
    const int above = std::min(below + 1, 256);
    const double code = other.DeviceTable[below] +
                        (other.DeviceTable[above] - other.DeviceTable[below]) * (position - below);
    return code * other.OutputRangeMax / 256;
}

}  // namespace

DeviceTableEntries ComparedDeviceTable(const MapContent& other, const VoltageMap& map) {
    VoltageMap source;
    source.Content() = other;
    BuildDeviceTable(source);
    VoltageMap resampled = map;
    for (int k = 0; k < map.Resolution; ++k) {
        const double volts = OutputAt(source, MapPointInput(map, k));
        resampled.SetOutputValue(k, ClampToOutputSpan(volts, map.OutputRangeMax));
    }
    BuildDeviceTable(resampled);
    return resampled.DeviceTable;
}
