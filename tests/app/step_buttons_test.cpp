#include <gtest/gtest.h>
#include <QElapsedTimer>
#include <QPushButton>
#include <QTest>
#include <QWidget>
#include <functional>

#include "device_table.h"
#include "fake_platform.h"
#include "qt_printers.h"
#include "recording_map_views.h"
#include "rounding.h"
#include "step_buttons.h"
#include "table_view.h"
#include "texts.h"
#include "voltage_map.h"

namespace {

/// Lets the event loop run until the condition holds, at most a second.
bool WaitUntil(const std::function<bool()>& condition) {
    QElapsedTimer timer;
    timer.start();
    while (!condition() && timer.elapsed() < 1000) {
        QTest::qWait(1);
    }
    return condition();
}

class StepButtonsTest : public ::testing::Test {
protected:
    StepButtonsTest() { table.BuildTable(map); }

    /// Breakpoint 5 selected with the given value on the given output span.
    void Select(double value, int outputMax = 15) {
        map.OutputRangeMax = outputMax;
        map.SetOutputValue(5, value);
        BuildDeviceTable(map);
        table.ShowValue(map, 5);
        map.SelectedPoint = 5;
    }

    int Steps() const { return views.Count("RedrawSegment 5"); }

    QWidget form;
    TableView table{&form, '.'};
    QPushButton* Command6 = new QPushButton("-", &form);
    QPushButton* Command7 = new QPushButton("+", &form);
    VoltageMap map;
    RecordingMapViews views;
    FakeMessageBox messageBox;
    Texts texts{UiLanguage::Hun};
    bool StepButtonHeld = false;
    StepButtons buttons{Command6, Command7, map, table, views, messageBox, texts, StepButtonHeld};
};

TEST_F(StepButtonsTest, StepDownBelowZeroClampsWithOneMessage) {
    Select(0.010);
    QTest::mousePress(Command6, Qt::LeftButton);
    EXPECT_EQ(map.OutputValues[5], 0.0);
    EXPECT_FALSE(StepButtonHeld);
    ASSERT_EQ(messageBox.shown.size(), 1u);
    EXPECT_EQ(messageBox.shown[0].prompt,
              QString::fromUtf8("Kimeneti feszültség nem csökkenthető 0V alá!"));
    EXPECT_EQ(messageBox.shown[0].title, "Figyelem!");
    EXPECT_EQ(messageBox.shown[0].buttons, MessageButtons::Ok);
    // The message comes after the segment and the marker, the output box after it.
    EXPECT_EQ(views.calls, (std::vector<std::string>{"ShowValue 5", "RedrawSegment 5",
                                                     "DrawMarker 5", "ShowPointValue 5"}));
    QTest::mouseRelease(Command6, Qt::LeftButton);
    QTest::qWait(80);
    EXPECT_EQ(Steps(), 1);
    EXPECT_EQ(messageBox.shown.size(), 1u);
    EXPECT_EQ(map.DeviceTable[12], 0);  // breakpoint 5 sits on entry 12
}

TEST_F(StepButtonsTest, StepUpAboveTheSpanClampsWithTheEnglishMessage) {
    texts.SetLanguage(UiLanguage::Eng);
    Select(14.995);
    QTest::mousePress(Command7, Qt::LeftButton);
    EXPECT_EQ(map.OutputValues[5], 15.0);
    ASSERT_EQ(messageBox.shown.size(), 1u);
    EXPECT_EQ(messageBox.shown[0].prompt, "Output voltage can not be increased above 15V!");
    EXPECT_EQ(messageBox.shown[0].title, "Attention!");
    EXPECT_EQ(messageBox.shown[0].buttons, MessageButtons::Ok);
    QTest::mouseRelease(Command7, Qt::LeftButton);
}

TEST_F(StepButtonsTest, ShortClickMakesTwoSteps) {
    Select(5.0, 10);
    QTest::mousePress(Command7, Qt::LeftButton);
    QTest::mouseRelease(Command7, Qt::LeftButton);
    EXPECT_DOUBLE_EQ(map.OutputValues[5], 5.010);
    EXPECT_TRUE(StepButtonHeld);  // the second step comes after the first pause
    ASSERT_TRUE(WaitUntil([this] { return !StepButtonHeld; }));
    EXPECT_DOUBLE_EQ(map.OutputValues[5], 5.020);
    EXPECT_EQ(Steps(), 2);
    EXPECT_EQ(views.Count("ShowPointValue 5"), 2);
    EXPECT_EQ(map.UndoValues[5], 5.0);
    EXPECT_TRUE(messageBox.shown.empty());
    QTest::qWait(20);
    EXPECT_EQ(Steps(), 2);
}

TEST_F(StepButtonsTest, HeldButtonRepeatsUntilTheRelease) {
    Select(10.0);
    QTest::mousePress(Command6, Qt::LeftButton);
    ASSERT_TRUE(WaitUntil([this] { return Steps() >= 5; }));
    QTest::mouseRelease(Command6, Qt::LeftButton);
    EXPECT_FALSE(StepButtonHeld);
    const int steps = Steps();
    QTest::qWait(20);
    EXPECT_EQ(Steps(), steps);
    // Each step moves 0.0146484375 V, stored with three decimals after each step.
    double expected = 10.0;
    for (int n = 0; n < steps; ++n) {
        expected = RoundTo3(expected - 15.0 / 1024);
    }
    EXPECT_DOUBLE_EQ(map.OutputValues[5], expected);
    EXPECT_EQ(map.UndoValues[5], 10.0);  // one snapshot for the whole press
}

TEST_F(StepButtonsTest, RightButtonDoesNothingAndDoesNotStopTheLeft) {
    Select(5.0);
    QTest::mousePress(Command7, Qt::RightButton);
    QTest::mouseRelease(Command7, Qt::RightButton);
    EXPECT_EQ(Steps(), 0);
    EXPECT_FALSE(StepButtonHeld);

    QTest::mousePress(Command7, Qt::LeftButton);
    ASSERT_TRUE(WaitUntil([this] { return Steps() >= 3; }));
    QTest::mousePress(Command7, Qt::RightButton);
    QTest::mouseRelease(Command7, Qt::RightButton);
    EXPECT_TRUE(StepButtonHeld);
    const int steps = Steps();
    EXPECT_TRUE(WaitUntil([&] { return Steps() > steps; }));
    QTest::mouseRelease(Command7, Qt::LeftButton);
    EXPECT_FALSE(StepButtonHeld);
}

TEST_F(StepButtonsTest, NothingSelectedDoesNothing) {
    QTest::mousePress(Command7, Qt::LeftButton);
    QTest::mouseRelease(Command7, Qt::LeftButton);
    EXPECT_TRUE(views.calls.empty());
    EXPECT_FALSE(StepButtonHeld);
}

TEST_F(StepButtonsTest, EmptyCellWaitsForItsCheckWithoutNesting) {
    Select(5.0);
    table.SetCellText(5, "");
    QTest::mousePress(Command7, Qt::LeftButton);
    QTest::qWait(10);
    EXPECT_EQ(Steps(), 0);
    // The pending check fills the cell; the press goes on from the checked value.
    map.SetOutputValue(5, 7.0);
    table.ShowValue(map, 5);
    ASSERT_TRUE(WaitUntil([this] { return Steps() >= 1; }));
    EXPECT_DOUBLE_EQ(map.OutputValues[5], 7.015);
    EXPECT_EQ(map.UndoValues[5], 7.0);
    QTest::mouseRelease(Command7, Qt::LeftButton);
}

TEST_F(StepButtonsTest, ReleaseEndsTheWaitForAnEmptyCell) {
    Select(5.0);
    table.SetCellText(5, "");
    QTest::mousePress(Command6, Qt::LeftButton);
    QTest::mouseRelease(Command6, Qt::LeftButton);
    table.ShowValue(map, 5);
    QTest::qWait(10);
    EXPECT_EQ(Steps(), 0);
    EXPECT_FALSE(StepButtonHeld);
}

}  // namespace
