#include "pax_data.h"

#include "file_text.h"
#include "rounding.h"

PaxData PaxDataFromMap(const VoltageMap& map, const QString& note) {
    PaxData data;
    data.InputRangeMax = map.InputRangeMax;
    data.OutputRangeMax = map.OutputRangeMax;
    data.InputFilter = map.InputFilter;
    data.OutputFilter = map.OutputFilter;
    data.Resolution = map.Resolution;
    for (int k = 0; k < map.Resolution && k < kMaxResolution; ++k) {
        data.Values[k] = RoundTo3(map.OutputValues[k]);
    }
    data.Note = NoteWithCrLf(note);
    return data;
}

void ApplyPaxData(VoltageMap& map, const PaxData& data) {
    map.InputRangeMax = data.InputRangeMax;
    map.OutputRangeMax = data.OutputRangeMax;
    map.InputFilter = data.InputFilter;
    map.OutputFilter = data.OutputFilter;
    map.Resolution = data.Resolution;
    map.SelectedPoint = data.Resolution;
    map.ResolutionIndex = ResolutionIndexOf(data.Resolution);
    map.InputRangeIndex = SpanIndex(data.InputRangeMax);
    map.OutputRangeIndex = SpanIndex(data.OutputRangeMax);
    for (int k = 0; k < data.Resolution; ++k) {
        map.SetOutputValue(k, data.Values[k]);
    }
}

bool SamePaxContent(const PaxData& a, const PaxData& b) {
    if (a.InputRangeMax != b.InputRangeMax || a.OutputRangeMax != b.OutputRangeMax ||
        a.InputFilter != b.InputFilter || a.OutputFilter != b.OutputFilter ||
        a.Resolution != b.Resolution || a.Note != b.Note) {
        return false;
    }
    for (int k = 0; k < a.Resolution && k < kMaxResolution; ++k) {
        if (RoundHalfEven(a.Values[k] * 1000) != RoundHalfEven(b.Values[k] * 1000)) {
            return false;
        }
    }
    return true;
}
