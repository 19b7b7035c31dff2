#include "curve_operations.h"

#include "device_table.h"
#include "voltage_map.h"

void MultiplyOutputs(VoltageMap& map, double factor) {
    SaveUndoSnapshot(map);
    const double M = map.OutputRangeMax;
    for (int k = 0; k < map.Resolution; ++k) {
        const double p = map.OutputValues[k] * factor;
        map.SetOutputValue(k, p <= M ? p : M);
    }
    BuildDeviceTable(map);
}

void AddOffsetToOutputs(VoltageMap& map, double offset) {
    SaveUndoSnapshot(map);
    const double M = map.OutputRangeMax;
    for (int k = 0; k < map.Resolution; ++k) {
        const double p = map.OutputValues[k] + offset;
        map.SetOutputValue(k, p > M ? M : p < 0 ? 0 : p);
    }
    BuildDeviceTable(map);
}

void FillLine(VoltageMap& map, double endVoltage) {
    for (int k = 0; k < map.Resolution; ++k) {
        map.SetOutputValue(k, (k + 1) * endVoltage / map.Resolution);
    }
}

void CreateStraightLine(VoltageMap& map, double endVoltage) {
    SaveUndoSnapshot(map);
    FillLine(map, endVoltage);
    BuildDeviceTable(map);
}

void UndoLastChange(VoltageMap& map) {
    for (int k = 0; k < map.Resolution; ++k) {
        map.SetOutputValue(k, map.UndoValues[k]);
    }
    BuildDeviceTable(map);
}
