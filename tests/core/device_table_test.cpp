#include <gtest/gtest.h>

#include "core/device_table.h"
#include "core/voltage_map.h"

namespace {

VoltageMap MapWith(int resolution, int outputMax, double value) {
    VoltageMap map;
    map.Resolution = resolution;
    map.OutputRangeMax = outputMax;
    for (int k = 0; k < resolution; ++k) {
        map.SetOutputValue(k, value);
    }
    return map;
}

TEST(DeviceTable, FullSpanCapsAt255ExceptTheLastBreakpoint) {
    VoltageMap map = MapWith(128, 15, 15.0);
    BuildDeviceTable(map);
    EXPECT_EQ(map.DeviceTable[1], 128);  // halfway between 0 V and the first breakpoint
    for (int m = 2; m < 256; ++m) {
        EXPECT_EQ(map.DeviceTable[m], 255) << "entry " << m;
    }
    EXPECT_EQ(map.DeviceTable[256], 256);
}

TEST(DeviceTable, TiesRoundToEven) {
    // Resolution 8 on 10 V: entry m of segment 0 is N(m * V0 * 8 / 10).
    VoltageMap map = MapWith(8, 10, 6.375);
    BuildDeviceTable(map);
    EXPECT_EQ(map.DeviceTable[25], 128);  // 127.5
    map = MapWith(8, 10, 6.875);
    BuildDeviceTable(map);
    EXPECT_EQ(map.DeviceTable[23], 126);  // 126.5
}

TEST(DeviceTable, SegmentsInterpolateTheVoltagesNotTheRoundedEntries) {
    VoltageMap map = MapWith(8, 15, 0.0);
    map.SetOutputValue(0, 0.029);  // entry 32: N(0.495) = 0
    map.SetOutputValue(1, 0.088);  // entry 64: N(1.502) = 2
    BuildDeviceTable(map);
    // From the voltages: (0.029 + 0.059 / 4) * 256 / 15 = 0.747 gives 1; the rounded
    // entries would give 0 + 2 / 4 = 0.5, that is 0.
    EXPECT_EQ(map.DeviceTable[40], 1);
}

TEST(ConfigByte, SpansAndFilters) {
    struct Case {
        int in, out, inFilter, outFilter, expected;
    };
    for (const Case c : {Case{5, 5, 0, 0, 0}, Case{15, 5, 1, 0, 6}, Case{10, 15, 0, 0, 9},
                         Case{5, 10, 0, 1, 96}}) {
        const MapContent map{.InputRangeMax = c.in,
                             .OutputRangeMax = c.out,
                             .InputFilter = c.inFilter,
                             .OutputFilter = c.outFilter,
                             .Note = {}};
        EXPECT_EQ(BuildConfigByte(map), c.expected)
            << c.in << " V in, " << c.out << " V out, filters " << c.inFilter << c.outFilter;
    }
}

}  // namespace
