#include <gtest/gtest.h>

#include "device_table.h"
#include "range_changes.h"
#include "voltage_map.h"

namespace {

/// The map as start-up leaves it: both spans 15 V, 128 breakpoints on the start line.
VoltageMap StartMap() {
    VoltageMap map;
    FillStartLine(map);
    BuildDeviceTable(map);
    SaveUndoSnapshot(map);
    return map;
}

TEST(ResolutionChange, From128To64OnTheStartLine) {
    VoltageMap map = StartMap();
    map.SelectedPoint = 5;
    ASSERT_TRUE(IsResolutionDecrease(map, 1));
    ApplyResolution(map, 1);
    EndResolutionChoice(map);

    EXPECT_EQ(map.Resolution, 64);
    EXPECT_EQ(map.ResolutionIndex, 1);
    EXPECT_EQ(map.TableResolution, 128);
    EXPECT_EQ(map.OutputValues[0], 0.234);  // entry 4: 60 / 256
    EXPECT_EQ(map.OutputValues[1], 0.469);  // entry 8: 120 / 256 = 0.46875
    EXPECT_EQ(map.OutputValues[2], 0.703);  // entry 12: 180 / 256 = 0.703125
    EXPECT_EQ(map.OutputValues[63], 15.0);  // entry 256
    EXPECT_EQ(map.SelectedPoint, 64);
    EXPECT_EQ(map.UndoValues[1], 0.469);
}

TEST(ResolutionChange, From64To128InterpolatesTheNewBreakpoints) {
    VoltageMap map;
    map.OutputRangeMax = 10;
    map.Resolution = 64;
    map.ResolutionIndex = 1;
    map.TableResolution = 64;
    map.SetOutputValue(0, 2.0);
    map.SetOutputValue(1, 3.0);
    for (int k = 2; k < 64; ++k) {
        map.SetOutputValue(k, 3.1);
    }
    ASSERT_FALSE(IsResolutionDecrease(map, 0));
    ApplyResolution(map, 0);
    EndResolutionChoice(map);

    // Device table of the 64 old breakpoints (S = 4, one unit 10/256 V): entries 4, 8,
    // 12 are N(51.2) = 51, N(76.8) = 77, N(79.36) = 79; between them entry 2 is N(25.6) = 26,
    // entry 6 is N((2 + 0.5) * 25.6) = 64 and entry 10 is N((3 + 0.05) * 25.6) = 78.
    const double expected[] = {1.016, 1.992, 2.5, 3.008, 3.047, 3.086, 3.086};
    for (int k = 0; k < 7; ++k) {
        EXPECT_EQ(map.OutputValues[k], expected[k]) << "cell " << k;
    }
    EXPECT_EQ(map.OutputValues[127], 3.086);
    EXPECT_EQ(map.Resolution, 128);
    EXPECT_EQ(map.ResolutionIndex, 0);
    EXPECT_EQ(map.TableResolution, 64);
    EXPECT_EQ(map.SelectedPoint, 128);
    EXPECT_EQ(map.UndoValues[0], 1.016);
    EXPECT_EQ(map.UndoValues[127], 3.086);
}

TEST(ResolutionChange, DeviceTableAgreesWithTheNewBreakpoints) {
    VoltageMap map = StartMap();
    map.SetOutputValue(40, 3.3);
    ApplyResolution(map, 3);
    const DeviceTableEntries kept = map.DeviceTable;
    BuildDeviceTable(map);
    for (int i = 1; i <= map.Resolution; ++i) {
        EXPECT_EQ(kept[i * 16], map.DeviceTable[i * 16]) << "breakpoint " << i - 1;
    }
}

TEST(ResolutionChange, DeclinedDecreaseOnlyClearsTheSelection) {
    VoltageMap map = StartMap();
    map.SelectedPoint = 7;
    map.SetOutputValue(7, 2.0);
    ASSERT_TRUE(IsResolutionDecrease(map, 4));
    EndResolutionChoice(map);  // the question was answered No
    EXPECT_EQ(map.Resolution, 128);
    EXPECT_EQ(map.OutputValues[7], 2.0);
    EXPECT_EQ(map.UndoValues[7], 2.0);
    EXPECT_EQ(map.SelectedPoint, 128);
}

TEST(OutputSpanChange, FifteenToFiveAndBack) {
    VoltageMap map = StartMap();
    map.SelectedPoint = 63;
    ASSERT_EQ(map.OutputValues[63], 7.5);

    ASSERT_TRUE(ChangeOutputSpan(map, 0));
    EXPECT_EQ(map.OutputRangeMax, 5);
    EXPECT_EQ(map.OutputRangeIndex, 0);
    EXPECT_EQ(map.TableResolution, 128);
    EXPECT_EQ(map.OutputValues[127], 5.0);  // entry 256
    EXPECT_EQ(map.OutputValues[63], 2.5);   // entry 128
    EXPECT_EQ(map.OutputValues[0], 0.039);  // entry 2: 10 / 256 = 0.0390625
    EXPECT_EQ(map.UndoValues[63], 2.5);
    EXPECT_EQ(map.SelectedPoint, 63);

    ASSERT_TRUE(ChangeOutputSpan(map, 2));
    EXPECT_EQ(map.OutputValues[127], 15.0);
    EXPECT_EQ(map.OutputValues[63], 7.5);
    EXPECT_EQ(map.OutputValues[0], 0.117);  // entry 2: 30 / 256 = 0.1171875
}

TEST(OutputSpanChange, ValuesMoveOntoTheDeviceTableGrid) {
    VoltageMap map = StartMap();
    map.SetOutputValue(63, 7.52);  // entry N(128.34) = 128
    BuildDeviceTable(map);
    ASSERT_TRUE(ChangeOutputSpan(map, 1));
    EXPECT_EQ(map.OutputValues[63], 5.0);  // 1280 / 256
}

TEST(RangeChoosers, TheCurrentPositionChangesNothing) {
    VoltageMap map = StartMap();
    map.SetOutputValue(0, 1.0);
    EXPECT_FALSE(ChangeOutputSpan(map, 2));
    EXPECT_FALSE(ChangeInputSpan(map, 2));
    EXPECT_EQ(map.OutputValues[0], 1.0);
    EXPECT_EQ(map.UndoValues[0], 0.117);
}

TEST(InputSpanChange, ValuesStayAndLabelsAreExact) {
    VoltageMap map = StartMap();
    map.SetOutputValue(0, 1.0);
    EXPECT_EQ(InputLabelValue(map, 2), 0.352);  // 0.3515625

    ASSERT_TRUE(ChangeInputSpan(map, 0));
    EXPECT_EQ(map.InputRangeMax, 5);
    EXPECT_EQ(map.InputRangeIndex, 0);
    EXPECT_EQ(InputLabelValue(map, 2), 0.117);  // 0.1171875
    EXPECT_EQ(map.OutputValues[0], 1.0);
    EXPECT_EQ(map.OutputValues[127], 15.0);
    EXPECT_EQ(map.UndoValues[0], 1.0);

    ASSERT_TRUE(ChangeInputSpan(map, 2));
    EXPECT_EQ(InputLabelValue(map, 2), 0.352);
    EXPECT_EQ(InputLabelValue(map, 127), 15.0);
}

TEST(InputSpanChange, LabelsFollowTheResolution) {
    VoltageMap map;
    map.InputRangeMax = 5;
    map.Resolution = 8;
    EXPECT_EQ(InputLabelValue(map, 0), 0.625);
    EXPECT_EQ(InputLabelValue(map, 1), 1.25);
    EXPECT_EQ(InputLabelValue(map, 7), 5.0);
}

}  // namespace
