#include "app/point_stepper.h"

#include "core/map_document.h"

StepResult PointStepper::Press(MapDocument& document, StepDirection direction) {
    if (held_ || !document.HasSelection()) {
        return {};
    }
    direction_ = direction;
    held_ = true;
    releasedEarly_ = false;
    document.BeginPointStep();
    StepResult result = Step(document);
    firstStepPending_ = held_;
    if (held_) {
        result.NextPauseMs = kFirstPauseMs;
    }
    return result;
}

StepResult PointStepper::Tick(MapDocument& document) {
    if (!held_) {
        return {};
    }
    firstStepPending_ = false;
    StepResult result = Step(document);
    if (held_ && releasedEarly_) {
        held_ = false;
    }
    if (held_) {
        result.NextPauseMs = kRepeatPauseMs;
    }
    return result;
}

void PointStepper::Release() {
    if (firstStepPending_) {
        releasedEarly_ = true;
    } else {
        held_ = false;
    }
}

void PointStepper::End() {
    held_ = false;
}

StepResult PointStepper::Step(MapDocument& document) {
    // A resolution change between two ticks clears the selection; there is nothing left
    // to step then.
    if (!document.HasSelection()) {
        held_ = false;
        return {};
    }
    StepResult result{.Stepped = true};
    result.LimitHit = document.StepSelectedPoint(direction_);
    if (result.LimitHit) {
        held_ = false;
    }
    return result;
}
