#include "chart_editing.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "device_table.h"
#include "fake_chart_host.h"
#include "voltage_map.h"

namespace {

using Calls = std::vector<std::string>;

/// The window's start state, drawn: breakpoint k at x = 480 + 78 (k + 1), drawn at
/// y = 8650 - 64 (k + 1).
class ChartEditingTest : public ::testing::Test {
protected:
    ChartEditingTest() : chart(map), editing(map, chart, host, stepButtonHeld) {
        FillStartLine(map);
        BuildDeviceTable(map);
        SaveUndoSnapshot(map);
        map.SelectedPoint = 128;
        chart.RedrawChart();
    }

    void SetResolution(int resolution) {
        map.Resolution = resolution;
        map.SelectedPoint = resolution;
        FillStartLine(map);
        BuildDeviceTable(map);
        chart.RedrawChart();
    }

    VoltageMap map;
    ChartGeometry chart;
    FakeChartHost host;
    bool stepButtonHeld = false;
    ChartEditing editing;
};

struct PickCase {
    int resolution;
    float x;
    bool hit;
    int point;
};

const PickCase kPickCases[] = {
    {128, 1260 + 38, true, 9},   // 38 twips right of breakpoint 9
    {128, 1260 - 38, true, 9},   // 38 left
    {128, 1260 + 39, false, 0},  // midway between 9 and 10
    {128, 1260 - 39, false, 0},  // midway between 8 and 9
    {128, 519, false, 0},        // left of the first breakpoint: the 0 V vertex
    {128, 520, true, 0},          {128, 10464 + 38, true, 127},
    {128, 10464 + 39, false, 0},  {16, 1102 + 310, true, 0},  // half of 622 is 311
    {16, 1102 + 311, false, 0},   {32, 791 + 155, true, 0},   // half of 311 is 155.5
    {32, 791 + 155.5f, false, 0},
};

TEST_F(ChartEditingTest, PickingWithinHalfAStepStrictly) {
    for (const PickCase& c : kPickCases) {
        SetResolution(c.resolution);
        editing.Press(kLeftButton, c.x, 0);
        const std::string name = std::to_string(c.resolution) + " at x " + std::to_string(c.x);
        EXPECT_EQ(editing.ChartPickHit, c.hit) << name;
        EXPECT_EQ(map.SelectedPoint, c.hit ? c.point : c.resolution) << name;
        EXPECT_TRUE(stepButtonHeld) << name;
        editing.Release(kLeftButton);
    }
}

struct ArmCase {
    float dy;
    bool armed;
};

TEST_F(ChartEditingTest, ArmingWithinTwoOutputCodesStrictly) {
    for (const ArmCase c : {ArmCase{63, true}, {-63, true}, {64, false}, {-64, false}}) {
        map.UndoValues.fill(99);
        host.calls.clear();
        editing.Press(kLeftButton, 1260, 8010 + c.dy);
        EXPECT_TRUE(editing.ChartPickHit) << c.dy;
        EXPECT_EQ(editing.ChartDragActive, c.armed) << c.dy;
        EXPECT_EQ(map.SelectedPoint, 9) << c.dy;
        // Only an armed press takes the snapshot, even when no move follows.
        EXPECT_EQ(map.UndoValues[9], c.armed ? 1.172 : 99) << c.dy;
        EXPECT_EQ(map.UndoValues[128], 99) << c.dy;
        EXPECT_TRUE(chart.Shape1.Visible) << c.dy;
        EXPECT_FLOAT_EQ(chart.Line6.X1, 1260) << c.dy;
        EXPECT_EQ(host.calls, Calls{"FillPointPanel 9"}) << c.dy;
        EXPECT_FLOAT_EQ(editing.DragLastY, 8010 + c.dy);
        editing.Release(kLeftButton);
        EXPECT_FALSE(stepButtonHeld);
    }
}

TEST_F(ChartEditingTest, PressAwayFromBreakpointsKeepsTheSelection) {
    editing.Press(kLeftButton, 1260, 8010);
    editing.Release(kLeftButton);
    const ChartLine guide = chart.Line7;
    host.calls.clear();
    editing.Press(kLeftButton, 1299, 8010);
    EXPECT_FALSE(editing.ChartPickHit);
    EXPECT_EQ(map.SelectedPoint, 9);
    EXPECT_FLOAT_EQ(chart.Line7.X2, guide.X2);
    EXPECT_TRUE(host.calls.empty());
    editing.Move(7000);  // an earlier armed drag must not revive
    EXPECT_EQ(map.OutputValues[9], 1.172);
}

TEST_F(ChartEditingTest, OtherButtonsDoNothing) {
    for (int button : {2, 4, 3}) {
        editing.Press(button, 1260, 8010);
        EXPECT_FALSE(stepButtonHeld) << button;
        EXPECT_FALSE(editing.ChartPickHit) << button;
        EXPECT_EQ(map.SelectedPoint, 128) << button;
    }
    editing.Press(kLeftButton, 1260, 8010);
    editing.Release(2);
    EXPECT_TRUE(stepButtonHeld);
}

struct MoveCase {
    float y;
    double value;
    int code;  // device-table entry of breakpoint 9
};

TEST_F(ChartEditingTest, DragFollowsTheMouseWithinTheSpan) {
    editing.Press(kLeftButton, 1260, 8010);
    // The first move shifts by the travel since the press, later ones put the point
    // under the mouse; beyond the chart the value stops at the span's ends.
    const MoveCase moves[] = {
        {8009, 1.174, 20},  // one twip: 1.172 + 0.00183, three decimals
        {6986, 3.047, 52},  // (8650 - 6986) * 15 / 8192 = 3.0469, to three decimals
        {4554, 7.500, 128},   {200, 15.000, 255},  // 15.47 V, just past the top
        {-3000, 15.000, 255}, {-6000, 15.000, 255},
        {8800, 0.000, 0},  // -0.27 V, just below the axis
        {9500, 0.000, 0},     {8650, 0.000, 0},
    };
    for (const MoveCase& m : moves) {
        host.calls.clear();
        editing.Move(m.y);
        EXPECT_DOUBLE_EQ(map.OutputValues[9], m.value) << m.y;
        EXPECT_EQ(map.DeviceTable[20], m.code) << m.y;
        const float drawnY = static_cast<float>(8650 - m.value * 8192 / 15);
        EXPECT_FLOAT_EQ(chart.Line3[9].Y2, drawnY) << m.y;
        EXPECT_FLOAT_EQ(chart.Line3[10].Y1, drawnY) << m.y;
        EXPECT_FLOAT_EQ(editing.DragLastY, drawnY) << m.y;
        EXPECT_FLOAT_EQ(chart.Line7.Y2, 8650.0f - 32 * m.code) << m.y;
        EXPECT_EQ(host.calls, (Calls{"ShowCellValue 9", "ShowPointValue 9"})) << m.y;
    }
    EXPECT_EQ(map.DeviceTable[19], 9);  // halfway to breakpoint 8's code 18
    EXPECT_EQ(map.DeviceTable[21], 11);
    editing.Release(kLeftButton);
    editing.Move(4554);
    EXPECT_DOUBLE_EQ(map.OutputValues[9], 0.0);
}

TEST_F(ChartEditingTest, LastBreakpointDraggedToTheTopReachesEntry256) {
    editing.Press(kLeftButton, 10464, 458);
    editing.Move(4554);
    EXPECT_DOUBLE_EQ(map.OutputValues[127], 7.5);
    editing.Move(-100);
    EXPECT_DOUBLE_EQ(map.OutputValues[127], 15.0);
    EXPECT_EQ(map.DeviceTable[256], 256);
    EXPECT_FLOAT_EQ(chart.Shape1.Top, 390);
    EXPECT_FLOAT_EQ(chart.Shape1.Left, 10396);
}

TEST_F(ChartEditingTest, UnarmedPressDoesNotDrag) {
    editing.Press(kLeftButton, 1260, 8010 - 64);
    editing.Move(4554);
    EXPECT_EQ(map.OutputValues[9], 1.172);
}

TEST_F(ChartEditingTest, OneUndoRestoresTheValuesFromBeforeTheDrag) {
    const auto values = map.OutputValues;
    const auto table = map.DeviceTable;
    map.SetOutputValue(40, 2.0);  // an earlier change, kept by the drag's snapshot
    BuildDeviceTable(map);
    const auto beforeDrag = map.OutputValues;
    const auto tableBeforeDrag = map.DeviceTable;
    editing.Press(kLeftButton, 1260, 8010);
    editing.Move(6000);
    editing.Move(2000);
    editing.Release(kLeftButton);
    ASSERT_NE(map.OutputValues, beforeDrag);
    for (int k = 0; k < map.Resolution; ++k) {
        map.OutputValues[k] = map.UndoValues[k];
    }
    BuildDeviceTable(map);
    EXPECT_EQ(map.OutputValues, beforeDrag);
    EXPECT_EQ(map.DeviceTable, tableBeforeDrag);
    EXPECT_NE(map.OutputValues, values);
    EXPECT_NE(map.DeviceTable, table);
}

TEST_F(ChartEditingTest, ClickCompletesAPendingTableEntryFirst) {
    editing.Press(kLeftButton, 1260, 8010);
    editing.Release(kLeftButton);
    host.calls.clear();
    host.editedCell = 5;
    editing.Click();
    EXPECT_EQ(host.calls, (Calls{"CommitCell 5", "SetEditedCell 9"}));
    host.calls.clear();
    host.editedCell = 128;
    editing.Click();
    EXPECT_EQ(host.calls, (Calls{"SetEditedCell 9"}));
}

}  // namespace
