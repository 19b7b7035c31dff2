#include "point_stepping.h"

#include "device_table.h"
#include "map_document.h"
#include "voltage_map.h"

double StepSize(int outputRangeMax) {
    return outputRangeMax / 256.0 / 4;
}

bool StepSelectedPoint(VoltageMap& map, StepDirection direction) {
    const int p = map.SelectedPoint;
    const int M = map.OutputRangeMax;
    const bool up = direction == StepDirection::Up;
    const double step = StepSize(M);
    map.SetOutputValue(p, map.OutputValues[p] + (up ? step : -step));
    const double v = map.OutputValues[p];
    const bool limitHit = up ? v > M : v < 0;
    if (limitHit) {
        map.SetOutputValue(p, up ? M : 0);
    }
    UpdateDeviceTableAt(map, p);
    return limitHit;
}

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
