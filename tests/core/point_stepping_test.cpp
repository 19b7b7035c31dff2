#include <gtest/gtest.h>

#include "device_table.h"
#include "point_stepping.h"
#include "voltage_map.h"

namespace {

/// Start line of 8 breakpoints with breakpoint 3 selected and set to value.
VoltageMap SelectedAt(int outputRangeMax, double value) {
    VoltageMap map;
    map.Resolution = 8;
    map.OutputRangeMax = outputRangeMax;
    FillStartLine(map);
    map.SelectedPoint = 3;
    map.SetOutputValue(3, value);
    BuildDeviceTable(map);
    SaveUndoSnapshot(map);
    return map;
}

TEST(PointStepping, StepIsAQuarterOfADeviceTableUnit) {
    EXPECT_EQ(StepSize(5), 0.0048828125);
    EXPECT_EQ(StepSize(10), 0.009765625);
    EXPECT_EQ(StepSize(15), 0.0146484375);
}

TEST(PointStepping, OneStepAndItsLimit) {
    struct Case {
        int M;
        double start;
        StepDirection direction;
        double after;
        bool limitHit;
    };
    const Case cases[] = {
        {15, 1.000, StepDirection::Down, 0.985, false},
        {15, 0.010, StepDirection::Down, 0.000, true},   // -0.005 before the clamp
        {15, 0.015, StepDirection::Down, 0.000, false},  // reaches 0 without passing it
        {5, 0.000, StepDirection::Down, 0.000, true},
        {10, 5.000, StepDirection::Up, 5.010, false},
        {15, 14.995, StepDirection::Up, 15.000, true},   // 15.010 before the clamp
        {15, 14.986, StepDirection::Up, 15.000, true},   // 15.001 is above 15
        {15, 14.985, StepDirection::Up, 15.000, false},  // 14.9996 shows as 15.000
        {5, 5.000, StepDirection::Up, 5.000, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.M << " V from " << c.start);
        VoltageMap map = SelectedAt(c.M, c.start);
        EXPECT_EQ(StepSelectedPoint(map, c.direction), c.limitHit);
        EXPECT_EQ(map.OutputValues[3], c.after);

        VoltageMap rebuilt = map;
        BuildDeviceTable(rebuilt);
        EXPECT_EQ(map.DeviceTable, rebuilt.DeviceTable);
    }
}

TEST(PointStepper, ShortClickMakesTwoSteps) {
    VoltageMap map = SelectedAt(10, 5.000);
    PointStepper stepper;

    StepResult r = stepper.Press(map, StepDirection::Up);
    EXPECT_TRUE(r.Stepped);
    EXPECT_FALSE(r.LimitHit);
    EXPECT_EQ(r.NextPauseMs, PointStepper::kFirstPauseMs);
    EXPECT_EQ(map.OutputValues[3], 5.010);

    stepper.Release();  // during the first pause
    EXPECT_TRUE(stepper.Held());

    r = stepper.Tick(map);
    EXPECT_TRUE(r.Stepped);
    EXPECT_EQ(r.NextPauseMs, 0);
    EXPECT_FALSE(stepper.Held());
    EXPECT_EQ(map.OutputValues[3], 5.020);

    EXPECT_FALSE(stepper.Tick(map).Stepped);
    EXPECT_EQ(map.OutputValues[3], 5.020);
}

TEST(PointStepper, RepeatsUntilReleasedWithOneUndoSnapshot) {
    VoltageMap map = SelectedAt(10, 5.000);
    map.UndoValues[3] = 1.0;  // an older snapshot the press must replace
    PointStepper stepper;

    stepper.Press(map, StepDirection::Up);
    EXPECT_EQ(stepper.Tick(map).NextPauseMs, PointStepper::kRepeatPauseMs);
    EXPECT_EQ(stepper.Tick(map).NextPauseMs, PointStepper::kRepeatPauseMs);
    EXPECT_EQ(stepper.Tick(map).NextPauseMs, PointStepper::kRepeatPauseMs);
    EXPECT_EQ(map.OutputValues[3], 5.040);
    stepper.Release();
    EXPECT_FALSE(stepper.Held());
    EXPECT_FALSE(stepper.Tick(map).Stepped);
    EXPECT_EQ(map.OutputValues[3], 5.040);
    EXPECT_EQ(map.UndoValues[3], 5.000);
}

TEST(PointStepper, LimitStopsTheRepeatAndIsReportedOnce) {
    VoltageMap map = SelectedAt(15, 0.040);
    PointStepper stepper;
    int limits = 0;
    StepResult r = stepper.Press(map, StepDirection::Down);
    limits += r.LimitHit;
    EXPECT_EQ(map.OutputValues[3], 0.025);
    for (int tick = 0; tick < 5; ++tick) {
        r = stepper.Tick(map);
        limits += r.LimitHit;
    }
    EXPECT_EQ(limits, 1);
    EXPECT_EQ(map.OutputValues[3], 0.0);
    EXPECT_FALSE(stepper.Held());
}

TEST(PointStepper, LimitOnTheFirstStepEndsThePress) {
    VoltageMap map = SelectedAt(15, 0.010);
    PointStepper stepper;
    const StepResult r = stepper.Press(map, StepDirection::Down);
    EXPECT_TRUE(r.LimitHit);
    EXPECT_EQ(r.NextPauseMs, 0);
    EXPECT_FALSE(stepper.Held());
    EXPECT_FALSE(stepper.Tick(map).Stepped);
    EXPECT_EQ(map.OutputValues[3], 0.0);
    EXPECT_EQ(map.UndoValues[3], 0.010);
}

TEST(PointStepper, NothingSelectedDoesNothing) {
    VoltageMap map = SelectedAt(15, 1.0);
    map.SelectedPoint = map.Resolution;
    map.UndoValues[0] = 9.0;
    PointStepper stepper;
    const StepResult r = stepper.Press(map, StepDirection::Up);
    EXPECT_FALSE(r.Stepped);
    EXPECT_EQ(r.NextPauseMs, 0);
    EXPECT_FALSE(stepper.Held());
    EXPECT_EQ(map.UndoValues[0], 9.0);
}

TEST(PointStepper, StopsWhenTheSelectionIsClearedMeanwhile) {
    VoltageMap map = SelectedAt(15, 1.0);
    PointStepper stepper;
    stepper.Press(map, StepDirection::Up);
    stepper.Tick(map);
    map.SelectedPoint = map.Resolution;
    EXPECT_FALSE(stepper.Tick(map).Stepped);
    EXPECT_FALSE(stepper.Held());
}

TEST(PointStepper, ASecondPressWhileHeldKeepsTheFirstSnapshot) {
    VoltageMap map = SelectedAt(10, 5.000);
    PointStepper stepper;
    stepper.Press(map, StepDirection::Up);
    stepper.Tick(map);
    EXPECT_FALSE(stepper.Press(map, StepDirection::Down).Stepped);
    EXPECT_EQ(map.UndoValues[3], 5.000);
    EXPECT_EQ(map.OutputValues[3], 5.020);
}

}  // namespace
