#include "chart_geometry.h"

#include <gtest/gtest.h>

#include <array>
#include <string>

#include "device_table.h"
#include "voltage_map.h"

namespace {

/// A map with the straight start line and its device table, as the window starts.
VoltageMap StartMap(int resolution = 128, int inputSpan = 15, int outputSpan = 15) {
    VoltageMap map;
    map.Resolution = resolution;
    map.InputRangeMax = inputSpan;
    map.OutputRangeMax = outputSpan;
    map.SelectedPoint = resolution;
    FillStartLine(map);
    BuildDeviceTable(map);
    return map;
}

void ExpectLine(const ChartLine& line, float x1, float y1, float x2, float y2,
                const std::string& what) {
    EXPECT_TRUE(line.Visible) << what;
    EXPECT_FLOAT_EQ(line.X1, x1) << what;
    EXPECT_FLOAT_EQ(line.Y1, y1) << what;
    EXPECT_FLOAT_EQ(line.X2, x2) << what;
    EXPECT_FLOAT_EQ(line.Y2, y2) << what;
}

struct ScaleCase {
    int resolution;
    int stepX;
    float curveEndX;
    std::array<float, 10> tickX;  // input ticks 1..10
};

const ScaleCase kScaleCases[] = {
    {128, 78, 10464, {1478, 2477, 3475, 4474, 5472, 6470, 7469, 8467, 9466, 10464}},
    {64, 156, 10464, {1478, 2477, 3475, 4474, 5472, 6470, 7469, 8467, 9466, 10464}},
    {32, 311, 10432, {1475, 2470, 3466, 4461, 5456, 6451, 7446, 8442, 9437, 10432}},
    {16, 622, 10432, {1475, 2470, 3466, 4461, 5456, 6451, 7446, 8442, 9437, 10432}},
    {8, 1245, 10440, {1476, 2472, 3468, 4464, 5460, 6456, 7452, 8448, 9444, 10440}},
};

const std::array<float, 10> kOutputTickY = {7831, 7012, 6192, 5373, 4554,
                                            3735, 2916, 2096, 1277, 458};

TEST(ChartGeometry, ScaleTicksGridAndCurveEndFollowTheResolution) {
    for (const ScaleCase& c : kScaleCases) {
        const std::string name = "resolution " + std::to_string(c.resolution);
        VoltageMap map = StartMap(c.resolution);
        ChartGeometry chart(map);
        chart.RedrawChart();
        EXPECT_EQ(chart.ChartStepX, c.stepX) << name;
        EXPECT_EQ(chart.ChartStepY, 32) << name;
        ExpectLine(chart.Line3[c.resolution - 1], c.curveEndX - static_cast<float>(c.stepX),
                   8650 - 8192.0f * (c.resolution - 1) / c.resolution, c.curveEndX, 458,
                   name + " last segment");
        for (int i = 1; i <= 10; ++i) {
            const std::string tick = name + " tick " + std::to_string(i);
            ExpectLine(chart.Line8[i], c.tickX[i - 1], 8650, c.tickX[i - 1], 8770, tick);
            ExpectLine(chart.Line9[i], 360, kOutputTickY[i - 1], 480, kOutputTickY[i - 1], tick);
            ExpectLine(chart.Line4[i - 1], c.tickX[i - 1], 8650, c.tickX[i - 1], 458, tick);
            ExpectLine(chart.Line5[i - 1], 480, kOutputTickY[i - 1], c.curveEndX,
                       kOutputTickY[i - 1], tick);
            EXPECT_FLOAT_EQ(chart.Label9[i].Left, c.tickX[i - 1] - 188) << tick;
        }
        ExpectLine(chart.Line10, 480, 8650, c.curveEndX, 458, name + " diagonal");
        for (int i = c.resolution; i < kMaxResolution; ++i) {
            EXPECT_FALSE(chart.Line3[i].Visible) << name << " segment " << i;
        }
    }
}

TEST(ChartGeometry, FixedFrameAndLabelPositions) {
    VoltageMap map = StartMap();
    ChartGeometry chart(map);
    chart.RedrawChart();
    ExpectLine(chart.Line1, 480, 8650, 10440, 8650, "input axis");
    ExpectLine(chart.Line2, 480, 8650, 480, 480, "output axis");
    ExpectLine(chart.Line8[0], 480, 8650, 480, 8770, "input tick 0");
    ExpectLine(chart.Line9[0], 360, 8650, 480, 8650, "output tick 0");
    EXPECT_FLOAT_EQ(chart.Label9[0].Left, 292);
    EXPECT_FLOAT_EQ(chart.Label9[10].Left, 10276);
    EXPECT_FLOAT_EQ(chart.Label10[0].Top, 8538);
    EXPECT_FLOAT_EQ(chart.Label10[10].Top, 346);
    for (int i = 0; i <= 10; ++i) {
        EXPECT_FLOAT_EQ(chart.Label9[i].Top, 8880) << i;
        EXPECT_FLOAT_EQ(chart.Label10[i].Left, 0) << i;
        EXPECT_TRUE(chart.Label9[i].Visible && chart.Label10[i].Visible) << i;
        if (i >= 1) {
            EXPECT_FLOAT_EQ(chart.Label10[i].Top, kOutputTickY[i - 1] - 112) << i;
        }
    }
    EXPECT_FALSE(chart.Line6.Visible || chart.Line7.Visible || chart.Shape1.Visible);
}

struct CaptionCase {
    int inputSpan;
    int outputSpan;
    char separator;
    std::array<const char*, 11> input;
    std::array<const char*, 11> output;
};

const CaptionCase kCaptionCases[] = {
    {15,
     15,
     ',',
     {"0,0", "1,5", "3,0", "4,5", "6,0", "7,5", "9,0", "10,5", "12,0", "13,5", "15,0"},
     {"0,0", "1,5", "3,0", "4,5", "6,0", "7,5", "9,0", "10,5", "12,0", "13,5", "15,0"}},
    {5,
     10,
     '.',
     {"0.0", "0.5", "1.0", "1.5", "2.0", "2.5", "3.0", "3.5", "4.0", "4.5", "5.0"},
     {"0.0", "1.0", "2.0", "3.0", "4.0", "5.0", "6.0", "7.0", "8.0", "9.0", "10.0"}},
};

TEST(ChartGeometry, AxisCaptionsUseTheSpansAndTheSeparator) {
    for (const CaptionCase& c : kCaptionCases) {
        VoltageMap map = StartMap(128, c.inputSpan, c.outputSpan);
        ChartGeometry chart(map);
        chart.DecimalSeparator = c.separator;
        chart.RedrawChart();
        for (int i = 0; i <= 10; ++i) {
            EXPECT_EQ(chart.Label9[i].Caption, c.input[i]) << c.inputSpan << " V, label " << i;
            EXPECT_EQ(chart.Label10[i].Caption, c.output[i]) << c.outputSpan << " V, label " << i;
        }
    }
}

TEST(ChartGeometry, CurveFollowsTheStoredCodes) {
    VoltageMap map = StartMap();
    ChartGeometry chart(map);
    chart.RedrawChart();
    // The start line holds code 2(k+1) at breakpoint k: 64 twips up per 78 across.
    for (int i = 0; i < 128; ++i) {
        ExpectLine(chart.Line3[i], 480.0f + 78 * i, 8650.0f - 64 * i, 480.0f + 78 * (i + 1),
                   8650.0f - 64 * (i + 1), "segment " + std::to_string(i));
    }
    map.DeviceTable.fill(0);
    chart.RedrawChart();
    for (int i = 0; i < 128; ++i) {
        EXPECT_FLOAT_EQ(chart.Line3[i].Y1, 8650) << i;
        EXPECT_FLOAT_EQ(chart.Line3[i].Y2, 8650) << i;
    }
}

TEST(ChartGeometry, LowerResolutionUsesEverySthEntryAndHidesTheRest) {
    VoltageMap map = StartMap(128);  // entry m holds code m
    map.SavedDeviceTable = map.DeviceTable;
    map.SavedCurveValid = true;
    ChartGeometry chart(map);
    chart.RedrawChart();
    EXPECT_TRUE(chart.Line11[127].Visible);
    map.Resolution = 8;
    chart.RedrawChart();
    for (int i = 0; i < 8; ++i) {
        const float x = 480.0f + 1245 * i;
        ExpectLine(chart.Line3[i], x, 8650.0f - 1024 * i, x + 1245, 8650.0f - 1024 * (i + 1),
                   "segment " + std::to_string(i));
        ExpectLine(chart.Line11[i], x, 8650.0f - 1024 * i, x + 1245, 8650.0f - 1024 * (i + 1),
                   "reference " + std::to_string(i));
    }
    for (int i = 8; i < 128; ++i) {
        EXPECT_FALSE(chart.Line3[i].Visible) << i;
        EXPECT_FALSE(chart.Line11[i].Visible) << i;
    }
}

TEST(ChartGeometry, ReferenceCurveOnlyWhileASavedCopyExists) {
    VoltageMap map = StartMap();
    map.SavedDeviceTable.fill(128);
    ChartGeometry chart(map);
    chart.RedrawChart();
    for (const ChartLine& line : chart.Line11) {
        EXPECT_FALSE(line.Visible);
    }
    map.SavedCurveValid = true;
    chart.RedrawChart();
    ExpectLine(chart.Line11[5], 870, 4554, 948, 4554, "reference 5");
    // Without a valid copy the reference stays as last drawn.
    map.SavedCurveValid = false;
    map.SavedDeviceTable.fill(0);
    chart.RedrawChart();
    ExpectLine(chart.Line11[5], 870, 4554, 948, 4554, "reference 5 kept");
}

TEST(ChartGeometry, MarkerAtTheLastBreakpointMayReachCode256) {
    VoltageMap map = StartMap();
    ChartGeometry chart(map);
    chart.RedrawChart();
    struct {
        int k;
        float x;
        float y;
    } const cases[] = {{127, 10464, 458}, {126, 10386, 490}, {0, 558, 490}};
    for (const auto& c : cases) {
        map.OutputValues[c.k] = 15.0;
        chart.DrawMarker(c.k);
        const std::string name = "breakpoint " + std::to_string(c.k);
        ExpectLine(chart.Line6, c.x, 8650, c.x, c.y, name);
        ExpectLine(chart.Line7, 480, c.y, c.x, c.y, name);
        EXPECT_TRUE(chart.Shape1.Visible) << name;
        EXPECT_FLOAT_EQ(chart.Shape1.Left, c.x - 68) << name;
        EXPECT_FLOAT_EQ(chart.Shape1.Top, c.y - 68) << name;
    }
}

TEST(ChartGeometry, SegmentShowsTheTypedVoltageAndTheMarkerTheCode) {
    VoltageMap map = StartMap(128, 15, 5);
    ChartGeometry chart(map);
    chart.RedrawChart();
    const ChartLine before = chart.Line3[3];
    map.SetOutputValue(3, 2.510);
    chart.RedrawSegment(3, 2.510);
    // 8650 - 2.51 * 256 / 5 * 32 = 8650 - 128.512 * 32
    EXPECT_NEAR(chart.Line3[3].Y2, 4537.616, 1e-3);
    EXPECT_NEAR(chart.Line3[4].Y1, 4537.616, 1e-3);
    EXPECT_FLOAT_EQ(chart.Line3[3].Y1, before.Y1);
    EXPECT_FLOAT_EQ(chart.Line3[3].X2, before.X2);
    chart.DrawMarker(3);
    EXPECT_FLOAT_EQ(chart.Line7.Y2, 4522);  // code 129
    EXPECT_FLOAT_EQ(chart.Line6.X1, 792);
}

TEST(ChartGeometry, SegmentAtTheEndsMovesOnlyWhatJoinsThere) {
    VoltageMap map = StartMap();
    ChartGeometry chart(map);
    chart.RedrawChart();
    const auto before = chart.Line3;
    chart.RedrawSegment(0, 7.5);
    chart.RedrawSegment(127, 7.5);
    for (int i = 0; i < 128; ++i) {
        const bool moved = i == 0 || i == 1 || i == 127;
        EXPECT_EQ(chart.Line3[i].Y1 != before[i].Y1 || chart.Line3[i].Y2 != before[i].Y2, moved)
            << i;
    }
    EXPECT_FLOAT_EQ(chart.Line3[0].Y2, 4554);
    EXPECT_FLOAT_EQ(chart.Line3[1].Y1, 4554);
    EXPECT_FLOAT_EQ(chart.Line3[127].Y2, 4554);
}

TEST(ChartGeometry, LastSegmentAtLowResolutionLeavesTheHiddenOnes) {
    VoltageMap map = StartMap(128);
    ChartGeometry chart(map);
    chart.RedrawChart();
    map.Resolution = 8;
    chart.RedrawChart();
    const ChartLine hidden = chart.Line3[8];
    chart.RedrawSegment(7, 0.0);
    EXPECT_FLOAT_EQ(chart.Line3[7].Y2, 8650);
    EXPECT_FLOAT_EQ(chart.Line3[8].Y1, hidden.Y1);
}

TEST(ChartGeometry, FullRedrawLeavesTheMarkerAndHideMarkerHidesIt) {
    VoltageMap map = StartMap();
    ChartGeometry chart(map);
    chart.RedrawChart();
    chart.DrawMarker(9);
    const ChartLine guide = chart.Line7;
    map.Resolution = 8;
    chart.RedrawChart();
    ExpectLine(chart.Line7, guide.X1, guide.Y1, guide.X2, guide.Y2, "marker kept");
    chart.HideMarker();
    EXPECT_FALSE(chart.Line6.Visible || chart.Line7.Visible || chart.Shape1.Visible);
}

TEST(ChartGeometry, NoMarkerForAnIndexOutsideTheBreakpoints) {
    VoltageMap map = StartMap();
    ChartGeometry chart(map);
    chart.RedrawChart();
    chart.DrawMarker(128);  // "nothing selected"
    chart.RedrawSegment(128, 1.0);
    EXPECT_FALSE(chart.Line6.Visible || chart.Shape1.Visible);
}

TEST(ChartGeometry, AxisLabelsCarryTheirToolTips) {
    VoltageMap map = StartMap();
    ChartGeometry chart(map);
    chart.RedrawChart();
    EXPECT_STREQ(chart.LabelToolTipAt(3390, 9000), "Bemeneti feszültség.");
    EXPECT_STREQ(chart.LabelToolTipAt(150, 4575), "Kimeneti feszültség.");
    EXPECT_EQ(chart.LabelToolTipAt(4500, 4500), nullptr);
}

}  // namespace
