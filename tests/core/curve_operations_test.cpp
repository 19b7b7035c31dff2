#include <gtest/gtest.h>

#include <array>
#include <vector>

#include "curve_operations.h"
#include "device_table.h"
#include "voltage_map.h"

namespace {

/// A map of 8 breakpoints holding the given values, its device table built and its undo
/// snapshot taken, as after start-up.
VoltageMap EightPoints(int outputRangeMax, const std::array<double, 8>& values) {
    VoltageMap map;
    map.Resolution = 8;
    map.OutputRangeMax = outputRangeMax;
    for (int k = 0; k < 8; ++k) {
        map.SetOutputValue(k, values[k]);
    }
    BuildDeviceTable(map);
    SaveUndoSnapshot(map);
    return map;
}

std::vector<double> Outputs(const VoltageMap& map) {
    return {map.OutputValues.begin(), map.OutputValues.begin() + map.Resolution};
}

void ExpectDeviceTableBuilt(VoltageMap map) {
    const DeviceTableEntries current = map.DeviceTable;
    BuildDeviceTable(map);
    EXPECT_EQ(current, map.DeviceTable);
}

TEST(CurveOperations, MultiplyByZero) {
    VoltageMap map = EightPoints(15, {1, 2, 3, 4, 5, 6, 7, 15});
    MultiplyOutputs(map, 0);
    EXPECT_EQ(Outputs(map), std::vector<double>(8, 0.0));
    EXPECT_EQ(map.DeviceTable[256], 0);
}

TEST(CurveOperations, MultiplyClampsToTheOutputSpan) {
    VoltageMap map = EightPoints(10, {6.0, 3.25, 5.0, 5.001, 0, 1.234, 4.999, 10});
    MultiplyOutputs(map, 2);
    EXPECT_EQ(Outputs(map), (std::vector<double>{10.0, 6.5, 10.0, 10.0, 0, 2.468, 9.998, 10.0}));
    EXPECT_EQ(map.DeviceTable[32], 255);  // 10 V before the last breakpoint is capped
    EXPECT_EQ(map.DeviceTable[64], 166);  // N(6.5 * 25.6) = N(166.4)
    EXPECT_EQ(map.DeviceTable[256], 256);
    ExpectDeviceTableBuilt(map);
}

TEST(CurveOperations, MultiplyKeepsThreeDecimals) {
    VoltageMap map = EightPoints(15, {1.234, 2, 3, 4, 5, 6, 7, 8});
    MultiplyOutputs(map, 0.333);
    EXPECT_EQ(map.OutputValues[0], 0.411);  // 0.410922
    EXPECT_EQ(map.OutputValues[7], 2.664);
}

TEST(CurveOperations, OffsetClampsAtBothEnds) {
    VoltageMap map = EightPoints(15, {0.117, 1.5, 7.5, 9.999, 10.0, 10.001, 12.0, 15.0});
    AddOffsetToOutputs(map, 5);
    EXPECT_EQ(Outputs(map), (std::vector<double>{5.117, 6.5, 12.5, 14.999, 15, 15, 15, 15}));

    AddOffsetToOutputs(map, -15);
    EXPECT_EQ(Outputs(map), std::vector<double>(8, 0.0));
    ExpectDeviceTableBuilt(map);

    VoltageMap negative = EightPoints(10, {1, 2, 3, 4, 5, 6, 7, 8});
    AddOffsetToOutputs(negative, -2.5);
    EXPECT_EQ(Outputs(negative), (std::vector<double>{0, 0, 0.5, 1.5, 2.5, 3.5, 4.5, 5.5}));
}

TEST(CurveOperations, StraightLineToTenVoltsAtEightBreakpoints) {
    VoltageMap map = EightPoints(15, {15, 15, 15, 15, 15, 15, 15, 15});
    CreateStraightLine(map, 10);
    EXPECT_EQ(Outputs(map), (std::vector<double>{1.25, 2.5, 3.75, 5, 6.25, 7.5, 8.75, 10}));
    EXPECT_EQ(map.UndoValues[0], 15.0);
    EXPECT_EQ(map.DeviceTable[256], 171);  // N(10 * 256 / 15) = N(170.67)
    ExpectDeviceTableBuilt(map);
}

TEST(CurveOperations, FillLineAtFullResolutionIsTheStartLine) {
    VoltageMap line;
    FillLine(line, 15);
    VoltageMap start;
    FillStartLine(start);
    EXPECT_EQ(line.OutputValues, start.OutputValues);
    EXPECT_EQ(line.OutputValues[2], 0.352);
}

TEST(CurveOperations, UndoTwiceEqualsUndoOnce) {
    const std::array<double, 8> before{1, 2, 3, 4, 5, 6, 7, 8};
    VoltageMap map = EightPoints(15, before);
    MultiplyOutputs(map, 1.5);
    ASSERT_EQ(map.OutputValues[7], 12.0);

    UndoLastChange(map);
    EXPECT_EQ(Outputs(map), std::vector<double>(before.begin(), before.end()));
    EXPECT_EQ(map.DeviceTable[256], 137);  // N(8 * 256 / 15) = N(136.53)
    const VoltageMap afterFirst = map;

    UndoLastChange(map);
    EXPECT_EQ(map.OutputValues, afterFirst.OutputValues);
    EXPECT_EQ(map.UndoValues, afterFirst.UndoValues);
    EXPECT_EQ(map.DeviceTable, afterFirst.DeviceTable);
}

TEST(CurveOperations, UndoReturnsToBeforeTheLastOperationOnly) {
    VoltageMap map = EightPoints(15, {1, 2, 3, 4, 5, 6, 7, 8});
    AddOffsetToOutputs(map, 1);
    MultiplyOutputs(map, 0);
    UndoLastChange(map);
    EXPECT_EQ(Outputs(map), (std::vector<double>{2, 3, 4, 5, 6, 7, 8, 9}));
}

}  // namespace
