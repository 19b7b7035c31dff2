#include "core/range_changes.h"

#include "core/rounding.h"
#include "core/voltage_map.h"

void ResampleOutputs(VoltageMap& map) {
    const int S = map.EntriesPerStep();
    for (int k = 0; k < map.Resolution; ++k) {
        const int T = map.DeviceTable[(k + 1) * S];
        // T * OutputRangeMax is at most 256 * 15: exact in integers.
        map.SetOutputValue(k, static_cast<double>(T * map.OutputRangeMax) / 256);
    }
}

double InputLabelValue(const VoltageMap& map, int k) {
    return RoundTo3(MapPointInput(map, k));
}

bool ChangeInputSpan(VoltageMap& map, int listPosition) {
    if (listPosition == map.InputRangeIndex()) {
        return false;
    }
    map.InputRangeMax = SpanAt(listPosition);
    return true;
}

bool ChangeOutputSpan(VoltageMap& map, int listPosition) {
    if (listPosition == map.OutputRangeIndex()) {
        return false;
    }
    map.OutputRangeMax = SpanAt(listPosition);
    ResampleOutputs(map);
    return true;
}

bool IsResolutionDecrease(const VoltageMap& map, int listPosition) {
    return listPosition > map.ResolutionIndex();
}

void ApplyResolution(VoltageMap& map, int listPosition) {
    map.Resolution = ResolutionAt(listPosition);
    ResampleOutputs(map);
}

void EndResolutionChoice(VoltageMap& map) {
    map.SelectedPoint = map.Resolution;
}
