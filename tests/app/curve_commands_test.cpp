#include <gtest/gtest.h>
#include <QLineEdit>
#include <QWidget>

#include "curve_commands.h"
#include "device_table.h"
#include "entry_boxes.h"
#include "fake_platform.h"
#include "qt_printers.h"
#include "recording_map_views.h"
#include "texts.h"
#include "voltage_map.h"

namespace {

using Calls = std::vector<std::string>;

class CurveCommandsTest : public ::testing::Test {
protected:
    CurveCommandsTest() {
        Text3->setText("1");
        Text4->setText("0");
        Text5->setText("0");
        state.FormReady = true;
        StartMap(128, 15);
    }

    void StartMap(int resolution, int outputMax) {
        map.Resolution = resolution;
        map.ResolutionIndex = ResolutionIndexOf(resolution);
        map.OutputRangeMax = outputMax;
        map.OutputRangeIndex = SpanIndex(outputMax);
        map.SelectedPoint = resolution;
        FillStartLine(map);
        BuildDeviceTable(map);
        SaveUndoSnapshot(map);
    }

    QWidget form;
    QLineEdit* Text3 = new QLineEdit(&form);
    QLineEdit* Text4 = new QLineEdit(&form);
    QLineEdit* Text5 = new QLineEdit(&form);
    VoltageMap map;
    EditState state;
    Texts texts{UiLanguage::Eng};
    FakeInputBox inputBox;
    EntryBoxes boxes{Text3, Text4, Text5, map, state, texts, inputBox};
    RecordingMapViews views;
    CurveCommands commands{map, boxes, views};
};

TEST_F(CurveCommandsTest, FactorZeroClearsEveryOutput) {
    Text3->setText("0");
    commands.Multiply();
    for (int k = 0; k < 128; ++k) {
        ASSERT_EQ(map.OutputValues[k], 0.0) << k;
    }
    EXPECT_EQ(map.DeviceTable[256], 0);
    EXPECT_EQ(Text3->text(), "0.000");
    // Nothing selected: the point panel stays as it is.
    EXPECT_EQ(views.calls, (Calls{"ShowValues", "RedrawChart"}));
}

TEST_F(CurveCommandsTest, FactorTwoOnTenVoltsClampsAndFinishesWithTheMarker) {
    StartMap(128, 10);
    map.OutputValues[0] = 6.0;
    map.OutputValues[1] = 3.25;
    map.SelectedPoint = 1;
    Text3->setText("2");
    commands.Multiply();
    EXPECT_EQ(map.OutputValues[0], 10.0);
    EXPECT_EQ(map.OutputValues[1], 6.5);
    EXPECT_EQ(map.UndoValues[1], 3.25);
    EXPECT_EQ(views.calls,
              (Calls{"ShowValues", "RedrawChart", "DrawMarker 1", "ShowPointValue 1"}));
}

TEST_F(CurveCommandsTest, OffsetIsClampedToTheOutputSpan) {
    Text4->setText("-20");
    inputBox.replies = {"-15"};
    commands.AddOffset();
    ASSERT_EQ(inputBox.asked.size(), 1u);
    EXPECT_EQ(inputBox.asked[0].prompt, "Minimum offset is: -15V! Set again the offset!");
    for (int k = 0; k < 128; ++k) {
        ASSERT_EQ(map.OutputValues[k], 0.0) << k;
    }

    commands.Undo();
    Text4->setText("5");
    commands.AddOffset();
    EXPECT_DOUBLE_EQ(map.OutputValues[0], 5.117);
    EXPECT_EQ(map.OutputValues[127], 15.0);
    EXPECT_EQ(map.OutputValues[85], 15.0);  // 10.078 + 5 is past the span
}

TEST_F(CurveCommandsTest, LineToTenVoltsAtEightBreakpointsChecksTheBoxFirst) {
    StartMap(8, 15);
    map.SelectedPoint = 7;
    Text5->setText("16");
    inputBox.replies = {"10"};
    commands.CreateLine();
    ASSERT_EQ(inputBox.asked.size(), 1u);
    EXPECT_EQ(inputBox.asked[0].prompt,
              "Maximum output value is: 15V! Set again the output voltage for input voltage: 15V!");
    const double expected[8] = {1.25, 2.5, 3.75, 5.0, 6.25, 7.5, 8.75, 10.0};
    for (int k = 0; k < 8; ++k) {
        EXPECT_EQ(map.OutputValues[k], expected[k]) << k;
    }
    EXPECT_EQ(Text5->text(), "10.000");
    EXPECT_EQ(views.calls,
              (Calls{"ShowValues", "RedrawChart", "DrawMarker 7", "ShowPointValue 7"}));
}

TEST_F(CurveCommandsTest, UndoTwiceLeavesTheCurveAsAfterTheFirst) {
    const auto start = map.OutputValues;
    commands.Undo();  // right after start: the start values
    EXPECT_EQ(map.OutputValues, start);

    Text3->setText("2");
    commands.Multiply();
    EXPECT_EQ(map.OutputValues[127], 15.0);
    EXPECT_DOUBLE_EQ(map.OutputValues[0], 0.234);
    commands.Undo();
    EXPECT_EQ(map.OutputValues, start);
    commands.Undo();
    EXPECT_EQ(map.OutputValues, start);
    EXPECT_EQ(map.DeviceTable[128], 128);
}

}  // namespace
