#include "core/voltage_map.h"

double MapPointInput(const MapContent& map, int k) {
    return static_cast<double>((k + 1) * map.InputRangeMax) / map.Resolution;
}

int SpanIndex(int volts) {
    switch (volts) {
        case 5:
            return 0;
        case 10:
            return 1;
        case 15:
            return 2;
        default:
            return -1;
    }
}

int SpanAt(int index) {
    return index == 0 ? 5 : index == 1 ? 10 : 15;
}

int ResolutionIndexOf(int resolution) {
    for (int index = 0; index <= 4; ++index) {
        if (ResolutionAt(index) == resolution) {
            return index;
        }
    }
    return -1;
}

int ResolutionAt(int index) {
    return 128 >> index;
}

void SaveUndoSnapshot(VoltageMap& map) {
    for (int k = 0; k < map.Resolution; ++k) {
        map.UndoValues[k] = map.OutputValues[k];
    }
}

void SaveUndoExcept(VoltageMap& map, int i) {
    for (int k = 0; k < map.Resolution; ++k) {
        if (k != i) {
            map.UndoValues[k] = map.OutputValues[k];
        }
    }
}
