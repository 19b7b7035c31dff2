#include <gtest/gtest.h>

#include <QApplication>
#include <QTest>
#include <array>
#include <string>
#include <tuple>
#include <vector>

#include "chart/chart_editing.h"
#include "chart/chart_geometry.h"
#include "chart/chart_view.h"
#include "core/device_table.h"
#include "core/voltage_map.h"
#include "tests/chart/fake_chart_host.h"
#include "tests/fakes/recording_observer.h"

namespace {

using Calls = std::vector<std::string>;
using Ends = std::array<float, 4>;

Ends EndsOf(const ChartLine& line) {
    return {line.X1, line.Y1, line.X2, line.Y2};
}

/// The window's start state at 128 breakpoints of 15 V, drawn: breakpoint k at
/// x = 480 + 78 (k + 1), y = 8650 - 64 (k + 1); breakpoint 9 holds 1.172 V at (1260, 8010).
/// Device-table entry m holds code m, which suits every resolution.
class ChartTest : public ::testing::Test {
protected:
    ChartTest() {
        FillStartLine(map);
        BuildDeviceTable(map);
        chart.RedrawChart();
    }

    VoltageMap map;
    ChartGeometry chart{map};
};

using ChartGeometryTest = ChartTest;

/// The same start map, owned by a document that the chart follows.
class ChartEditingTest : public ::testing::Test {
protected:
    ChartEditingTest() { chart.RedrawChart(); }

    MapDocument document;
    const VoltageMap& map = document.Map();
    ChartGeometry chart{map};
    Follower follower{document, [this](const MapChanges& c) { chart.ShowChanges(c); }};
    RecordingObserver observer{document};
    FakeChartHost host;
    bool stepButtonHeld = false;
    ChartEditing editing{document, chart, host, stepButtonHeld};
};

TEST_F(ChartGeometryTest, InputScaleAndCurveEndFollowTheResolution) {
    // {resolution, N(9960 / resolution), input ticks 3 and 10: 480 + N(i * step * resolution / 10)}
    for (const auto& [resolution, stepX, tick3, endX] : {std::tuple{128, 78, 3475.0f, 10464.0f},
                                                         {16, 622, 3466.0f, 10432.0f},
                                                         {8, 1245, 3468.0f, 10440.0f}}) {
        map.Resolution = resolution;
        chart.RedrawChart();
        const float rise = 8192.0f / resolution;           // 256 / resolution codes of 32 twips
        EXPECT_EQ(chart.ChartStepX, stepX) << resolution;  // 622.5 to even at 16
        EXPECT_EQ(EndsOf(chart.Line3[resolution - 1]), (Ends{endX - stepX, 458 + rise, endX, 458}));
        EXPECT_EQ(EndsOf(chart.Line10), (Ends{480, 8650, endX, 458})) << resolution;
        EXPECT_EQ(std::pair(chart.Line8[3].X1, chart.Line8[10].X1), std::pair(tick3, endX));
    }
    EXPECT_FALSE(chart.Line3[8].Visible);  // drawn at 128 before
}

TEST_F(ChartGeometryTest, OutputScaleTicksAndLabels) {
    EXPECT_EQ(std::pair(chart.Line9[3].Y1, chart.Line9[10].Y1), std::pair(6192.0f, 458.0f));
    map.InputRangeMax = 5;
    map.OutputRangeMax = 10;
    chart.DecimalSeparator = ',';
    chart.RedrawChart();
    EXPECT_EQ(chart.Label9[7].Caption, "3,5");
    EXPECT_EQ(chart.Label10[10].Caption, "10,0");
}

TEST_F(ChartGeometryTest, ReferenceCurveOnlyWhileASavedCopyExists) {
    map.SavedDeviceTable = map.DeviceTable;
    map.Resolution = 8;  // every 32nd entry
    chart.RedrawChart();
    EXPECT_FALSE(chart.Line11[3].Visible);
    map.SavedCurveValid = true;
    chart.RedrawChart();
    EXPECT_EQ(EndsOf(chart.Line11[3]), (Ends{4215, 5578, 5460, 4554}));
    EXPECT_FALSE(chart.Line11[8].Visible);
}

TEST_F(ChartGeometryTest, MarkerAtTheLastBreakpointMayReachCode256) {
    // {breakpoint at 15 V, x, y}: only the last one may show code 256, the others stop at 255
    for (const auto& [k, x, y] :
         {std::tuple{127, 10464.0f, 458.0f}, {126, 10386.0f, 490.0f}, {0, 558.0f, 490.0f}}) {
        map.OutputValues[k] = 15.0;
        chart.DrawMarker(k);
        EXPECT_EQ(EndsOf(chart.Line6), (Ends{x, 8650, x, y})) << k;
        EXPECT_EQ(EndsOf(chart.Line7), (Ends{480, y, x, y})) << k;
        EXPECT_EQ(std::pair(chart.Shape1.Left, chart.Shape1.Top), std::pair(x - 68, y - 68)) << k;
    }
}

TEST_F(ChartGeometryTest, SegmentShowsTheTypedVoltageAndTheMarkerTheCode) {
    map.OutputRangeMax = 5;
    map.SetOutputValue(3, 2.510);
    chart.RedrawSegment(3, 2.510);
    // 8650 - 2.51 * 256 / 5 * 32 = 8650 - 128.512 * 32
    EXPECT_NEAR(chart.Line3[3].Y2, 4537.616, 1e-3);
    EXPECT_NEAR(chart.Line3[4].Y1, 4537.616, 1e-3);
    chart.DrawMarker(3);
    EXPECT_FLOAT_EQ(chart.Line7.Y2, 4522);  // code 129
    EXPECT_FLOAT_EQ(chart.Line6.X1, 792);
}

TEST_F(ChartEditingTest, PickingWithinHalfAStepStrictly) {
    // {resolution, x, the breakpoint picked or the resolution itself for none}
    for (const auto& [resolution, x, point] : {
             std::tuple{128, 1260 + 38.0f, 9},  // breakpoint 9 is at 1260, half a step is 39
             {128, 1260 + 39.0f, 128},          // midway between breakpoints 9 and 10
             {128, 1260 - 39.0f, 128},          // midway between 8 and 9
             {128, 10464 + 38.0f, 127},         // the last one
             {32, 791 + 155.0f, 0},             // half a step of 311 is 155.5
             {32, 791 + 155.5f, 32},
         }) {
        document.ChangeResolution(ResolutionIndexOf(resolution));
        editing.Press(kLeftButton, x, 0);
        EXPECT_EQ(editing.ChartPickHit, point < resolution) << resolution << " x " << x;
        EXPECT_EQ(map.SelectedPoint, point) << resolution << " x " << x;
    }
}

TEST_F(ChartEditingTest, ArmingWithinTwoOutputCodesStrictly) {
    document.CommitCell(40, 2.0);  // its undo value stays 4.805 until a snapshot
    for (const auto& [dy, armed] : {std::pair{64, false}, {-64, false}, {-63, true}}) {
        observer.calls.clear();
        editing.Press(kLeftButton, 1260, 8010.0f + dy);
        EXPECT_EQ(editing.ChartDragActive, armed) << dy;
        EXPECT_EQ(observer.calls, "Selection; ") << dy;
        EXPECT_FLOAT_EQ(chart.Line6.X1, 1260) << dy;
        // Only an armed press takes the snapshot, even when no move follows.
        EXPECT_EQ(map.UndoValues[40], armed ? 2.0 : 4.805) << dy;
    }
    editing.Press(kLeftButton, 1260, 8010 + 64);
    editing.Move(4554);  // after an unarmed press
    EXPECT_EQ(map.OutputValues[9], 1.172);
}

TEST_F(ChartEditingTest, PressesThatPickNothingChangeNothing) {
    editing.Press(3, 1260, 8010);  // left and right together
    EXPECT_FALSE(stepButtonHeld);
    editing.Press(kLeftButton, 1260, 8010);
    observer.calls.clear();
    editing.Press(kLeftButton, 1299, 8010);
    editing.Move(7000);  // the earlier armed drag must not revive
    EXPECT_EQ(map.SelectedPoint, 9);
    EXPECT_EQ(map.OutputValues[9], 1.172);
    EXPECT_TRUE(observer.calls.empty() && host.calls.empty());
    editing.Release(2);
    EXPECT_TRUE(stepButtonHeld);
}

TEST_F(ChartEditingTest, DragFollowsTheMouseWithinTheSpan) {
    editing.Press(kLeftButton, 1260, 8010);
    // The first move shifts by the travel since the press, later ones put the point
    // under the mouse; beyond the chart the value stops at the span's ends.
    // {mouse y, value, code at entry 20, the entry of breakpoint 9}
    for (const auto& [y, value, code] : {
             std::tuple{8009.0f, 1.174, 20},  // one twip: 1.172 + 0.00183, three decimals
             {6986.0f, 3.047, 52},            // (8650 - 6986) * 15 / 8192 = 3.0469
             {200.0f, 15.0, 255},             // 15.47 V, just past the top
             {8800.0f, 0.0, 0},               // -0.27 V, just below the axis
             {8650.0f, 0.0, 0},               // from the drawn point, not from the mouse
         }) {
        observer.calls.clear();
        editing.Move(y);
        EXPECT_DOUBLE_EQ(map.OutputValues[9], value) << y;
        EXPECT_EQ(map.DeviceTable[20], code) << y;
        EXPECT_FLOAT_EQ(chart.Line3[9].Y2, static_cast<float>(8650 - value * 8192 / 15)) << y;
        EXPECT_FLOAT_EQ(chart.Line7.Y2, 8650.0f - 32 * code) << y;
        EXPECT_EQ(observer.calls, "Value 9; ") << y;
    }
    editing.Release(kLeftButton);
    editing.Move(4554);
    EXPECT_DOUBLE_EQ(map.OutputValues[9], 0.0);
    EXPECT_EQ(map.UndoValues[9], 1.172);  // one undo returns to before the drag
}

/// The same start line in the panel, with the left button held on breakpoint 4: x 870
/// twips (58 px), drawn at y 8330 (555.3 px).
class ChartViewTest : public ChartEditingTest {
protected:
    ChartViewTest() {
        view.Chart().RedrawChart();
        view.EnableEditing(document, host, stepButtonHeld);
        view.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&view));
        QTest::mousePress(&view, Qt::LeftButton, {}, QPoint(58, 555));
        observer.calls.clear();
    }

    ChartView view{map};
    Follower viewFollower{document, [this](const MapChanges& c) { view.Chart().ShowChanges(c); }};
};

TEST_F(ChartViewTest, DragOutsideThePanelAndOnlyAReleaseInsideClicks) {
    const QPointF at(58, 555);
    QMouseEvent doubleClick(QEvent::MouseButtonDblClick, at, view.mapToGlobal(at), Qt::LeftButton,
                            Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&view, &doubleClick);
    EXPECT_TRUE(observer.calls.empty());  // no second press
    QTest::mouseMove(&view, QPoint(58, 455));
    EXPECT_DOUBLE_EQ(map.OutputValues[4], 3.333);  // 0.586 + (8325 - 6825) * 15 / 8192
    QTest::mouseMove(&view, QPoint(-40, -40));
    QTest::mouseRelease(&view, Qt::LeftButton, {}, QPoint(58, -40));
    EXPECT_FALSE(stepButtonHeld);
    EXPECT_TRUE(host.calls.empty());
    QTest::mousePress(&view, Qt::LeftButton, {}, QPoint(58, 555));
    QTest::mouseRelease(&view, Qt::LeftButton, {}, QPoint(58, 555));
    EXPECT_EQ(host.calls, Calls{"SetEditedCell 4"});
}

}  // namespace
