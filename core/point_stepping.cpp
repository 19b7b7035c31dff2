#include "core/point_stepping.h"

#include "core/voltage_map.h"

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
        map.SetOutputValue(p, ClampToOutputSpan(v, M));
    }
    return limitHit;
}
