#include "core/curve_operations.h"

#include "core/voltage_map.h"

void MultiplyOutputs(VoltageMap& map, double factor) {
    for (int k = 0; k < map.Resolution; ++k) {
        map.SetOutputValue(k, ClampToOutputSpan(map.OutputValues[k] * factor, map.OutputRangeMax));
    }
}

void AddOffsetToOutputs(VoltageMap& map, double offset) {
    for (int k = 0; k < map.Resolution; ++k) {
        map.SetOutputValue(k, ClampToOutputSpan(map.OutputValues[k] + offset, map.OutputRangeMax));
    }
}

void CreateStraightLine(VoltageMap& map, double endVoltage) {
    for (int k = 0; k < map.Resolution; ++k) {
        map.SetOutputValue(k, (k + 1) * endVoltage / map.Resolution);
    }
}

void UndoLastChange(VoltageMap& map) {
    for (int k = 0; k < map.Resolution; ++k) {
        map.SetOutputValue(k, map.UndoValues[k]);
    }
}
