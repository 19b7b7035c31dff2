#include "app/point_stepper.h"

#include <gtest/gtest.h>

#include <utility>

#include "core/map_document.h"

namespace {

using enum StepDirection;

}  // namespace

TEST(PointStepper, RepeatsToTheLimitWithOneMessageAndOneUndoSnapshot) {
    MapDocument document;
    document.CommitCell(3, 0.040);  // the snapshot keeps 0.469 for it; the press replaces it
    document.Select(3);
    PointStepper stepper;
    const StepResult press = stepper.Press(document, Down);  // 0.025, then 0.010 after 70 ms
    EXPECT_EQ(std::pair(press.NextPauseMs, stepper.Tick(document).NextPauseMs), std::pair(70, 5));
    int limits = press.LimitHit;
    EXPECT_FALSE(stepper.Press(document, Up).Stepped);  // a second press while held
    for (int tick = 0; tick < 5; ++tick) {
        limits += stepper.Tick(document).LimitHit;
    }
    EXPECT_EQ(limits, 1);
    EXPECT_EQ(document.Map().OutputValues[3], 0.0);
    EXPECT_EQ(document.Map().UndoValues[3], 0.040);
    EXPECT_FALSE(stepper.Held());
}
