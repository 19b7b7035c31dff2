#include <gtest/gtest.h>

#include <vector>

#include "core/device_table.h"
#include "core/map_document.h"
#include "core/point_stepping.h"
#include "core/range_changes.h"
#include "core/voltage_map.h"

namespace {

using enum StepDirection;

/// The start line with the first values replaced, device table and undo snapshot taken.
VoltageMap Ready(int resolution, int outputMax, const std::vector<double>& values = {}) {
    VoltageMap map;
    map.Resolution = resolution;
    map.OutputRangeMax = outputMax;
    FillStartLine(map);
    for (size_t k = 0; k < values.size(); ++k) {
        map.SetOutputValue(static_cast<int>(k), values[k]);
    }
    BuildDeviceTable(map);
    SaveUndoSnapshot(map);
    return map;
}

std::vector<double> Outputs(const VoltageMap& map) {
    return {map.OutputValues.begin(), map.OutputValues.begin() + map.Resolution};
}

TEST(CurveOperations, MultiplyClampsToTheOutputSpan) {
    MapDocument document;
    document.Load(Ready(8, 10, {6.0, 3.25, 5.0, 5.001, 0, 1.234, 4.999, 10}));
    const VoltageMap& map = document.Map();
    document.Multiply(2);
    EXPECT_EQ(Outputs(map), (std::vector<double>{10.0, 6.5, 10.0, 10.0, 0, 2.468, 9.998, 10.0}));
    document.Multiply(0);
    EXPECT_EQ(Outputs(map), std::vector<double>(8, 0.0));
    EXPECT_EQ(map.UndoValues[1], 6.5);
}

TEST(CurveOperations, OffsetClampsAtBothEnds) {
    MapDocument document;
    document.Load(Ready(8, 15, {0.117, 1.5, 7.5, 9.999, 10.0, 10.001, 12.0, 15.0}));
    const VoltageMap& map = document.Map();
    document.AddOffset(5);
    EXPECT_EQ(Outputs(map), (std::vector<double>{5.117, 6.5, 12.5, 14.999, 15, 15, 15, 15}));
    document.AddOffset(-15);
    EXPECT_EQ(Outputs(map), std::vector<double>(8, 0.0));
    EXPECT_EQ(map.UndoValues[0], 5.117);
}

TEST(CurveOperations, StraightLineToTenVoltsAtEightBreakpoints) {
    MapDocument document;
    document.Load(Ready(8, 15, std::vector<double>(8, 15.0)));
    const VoltageMap& map = document.Map();
    document.Multiply(0.5);  // an older snapshot, of 15 V, that the line must replace
    document.CreateLine(10);
    EXPECT_EQ(Outputs(map), (std::vector<double>{1.25, 2.5, 3.75, 5, 6.25, 7.5, 8.75, 10}));
    EXPECT_EQ(map.UndoValues[0], 7.5);
}

TEST(PointStepping, OneStepAndItsLimit) {
    struct Case {
        int M;
        double start, after;
        StepDirection direction;
        bool limitHit;
    };
    const Case cases[] = {
        {15, 0.010, 0.000, Down, true},   // -0.005 before the clamp
        {15, 0.015, 0.000, Down, false},  // reaches 0 without passing it: a step is M / 1024
        {10, 5.000, 5.010, Up, false},    // 5.009766
        {15, 14.995, 15.000, Up, true},   // 15.010 before the clamp
        {15, 14.985, 15.000, Up, false},  // 14.9996 shows as 15.000
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.M << " V from " << c.start);
        VoltageMap map = Ready(8, c.M, {1, 2, 3, c.start});  // breakpoint 3 selected
        map.SelectedPoint = 3;
        EXPECT_EQ(StepSelectedPoint(map, c.direction), c.limitHit);
        EXPECT_EQ(map.OutputValues[3], c.after);
    }
}

TEST(ResolutionChange, From64To128InterpolatesTheNewBreakpoints) {
    std::vector<double> values(64, 3.1);
    values[0] = 2.0;
    values[1] = 3.0;
    MapDocument document;
    document.Load(Ready(64, 10, values));
    const VoltageMap& map = document.Map();
    ASSERT_FALSE(IsResolutionDecrease(map, 0));
    document.ChangeResolution(0);
    // Device table of the 64 old breakpoints (S = 4, one unit 10/256 V): entries 4, 8,
    // 12 are N(51.2) = 51, N(76.8) = 77, N(79.36) = 79; between them entry 2 is N(25.6) = 26,
    // entry 6 is N((2 + 0.5) * 25.6) = 64 and entry 10 is N((3 + 0.05) * 25.6) = 78.
    EXPECT_EQ(std::vector<double>(map.OutputValues.begin(), map.OutputValues.begin() + 7),
              (std::vector<double>{1.016, 1.992, 2.5, 3.008, 3.047, 3.086, 3.086}));
    EXPECT_EQ(map.Resolution, 128);
    EXPECT_EQ(map.UndoValues[0], 1.016);
}

TEST(OutputSpanChange, FifteenToFiveAndBackOnTheDeviceTableGrid) {
    MapDocument document;
    const VoltageMap& map = document.Map();
    document.CommitCell(62, 7.52);  // entry 126: N(128.34) = 128
    document.Select(63);
    ASSERT_TRUE(document.ChangeOutputSpan(0));
    EXPECT_EQ(map.OutputValues[62], 2.5);   // entry 126 = 128, not 7.52 / 3
    EXPECT_EQ(map.OutputValues[0], 0.039);  // entry 2: 10 / 256 = 0.0390625
    EXPECT_EQ(map.UndoValues[62], 2.5);
    EXPECT_EQ(map.SelectedPoint, 63);
    ASSERT_TRUE(document.ChangeOutputSpan(2));
    EXPECT_EQ(map.OutputValues[62], 7.5);
    EXPECT_EQ(map.OutputValues[0], 0.117);  // entry 2: 30 / 256 = 0.1171875
    EXPECT_FALSE(document.ChangeOutputSpan(2));
}

TEST(InputSpanChange, ValuesStayAndLabelsAreExact) {
    MapDocument document;
    const VoltageMap& map = document.Map();
    document.CommitCell(0, 1.0);
    ASSERT_TRUE(document.ChangeInputSpan(0));
    EXPECT_EQ(InputLabelValue(map, 2), 0.117);  // 0.1171875
    EXPECT_EQ(map.OutputValues[0], 1.0);
    EXPECT_EQ(map.UndoValues[0], 1.0);
    ASSERT_TRUE(document.ChangeInputSpan(2));
    EXPECT_EQ(InputLabelValue(map, 2), 0.352);  // 0.3515625, not 3 x 0.117
    EXPECT_FALSE(document.ChangeInputSpan(2));
}

}  // namespace
