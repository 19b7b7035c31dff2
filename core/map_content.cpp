#include "core/map_content.h"

#include <algorithm>

#include "core/rounding.h"

void MapContent::SetOutputValue(int k, double v) {
    OutputValues[k] = RoundTo3(v);
}

bool MapContent::operator==(const MapContent& other) const {
    if (InputRangeMax != other.InputRangeMax || OutputRangeMax != other.OutputRangeMax ||
        InputFilter != other.InputFilter || OutputFilter != other.OutputFilter ||
        Resolution != other.Resolution || Note != other.Note) {
        return false;
    }
    for (int k = 0; k < Resolution && k < kMaxResolution; ++k) {
        if (Millivolts(OutputValues[k]) != Millivolts(other.OutputValues[k])) {
            return false;
        }
    }
    return true;
}

MapContent StartContent() {
    MapContent content;
    FillStartLine(content);
    return content;
}

void FillStartLine(MapContent& content) {
    for (int k = 0; k < content.Resolution; ++k) {
        content.SetOutputValue(
            k, static_cast<double>((k + 1) * content.OutputRangeMax) / content.Resolution);
    }
}

double ClampToOutputSpan(double v, int outputRangeMax) {
    return std::clamp<double>(v, 0, outputRangeMax);
}

int Millivolts(double volts) {
    return static_cast<int>(RoundHalfEven(volts * 1000));
}
