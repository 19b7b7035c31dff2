#include "edit_history.h"

#include <utility>

#include "rounding.h"

namespace {

std::vector<std::int32_t> Millivolts(const double* values, int count) {
    std::vector<std::int32_t> mv(static_cast<std::size_t>(count));
    for (int k = 0; k < count; ++k) {
        mv[k] = static_cast<std::int32_t>(RoundHalfEven(values[k] * 1000));
    }
    return mv;
}

}  // namespace

bool MapState::SameMap(const MapState& other) const {
    return InputRangeMax == other.InputRangeMax && OutputRangeMax == other.OutputRangeMax &&
           InputFilter == other.InputFilter && OutputFilter == other.OutputFilter &&
           Resolution == other.Resolution && Values == other.Values &&
           (Note == other.Note || *Note == *other.Note);
}

MapState StateOf(const VoltageMap& map, const std::string& note, const MapState* like) {
    MapState state{.InputRangeMax = map.InputRangeMax,
                   .OutputRangeMax = map.OutputRangeMax,
                   .InputFilter = map.InputFilter,
                   .OutputFilter = map.OutputFilter,
                   .Resolution = map.Resolution,
                   .Values = Millivolts(map.OutputValues.data(), map.Resolution),
                   .UndoValues = Millivolts(map.UndoValues.data(), map.Resolution)};
    state.Note = like != nullptr && *like->Note == note ? like->Note
                                                        : std::make_shared<const std::string>(note);
    return state;
}

void ApplyState(const MapState& state, VoltageMap& map) {
    map.InputRangeMax = state.InputRangeMax;
    map.OutputRangeMax = state.OutputRangeMax;
    map.InputRangeIndex = SpanIndex(state.InputRangeMax);
    map.OutputRangeIndex = SpanIndex(state.OutputRangeMax);
    map.InputFilter = state.InputFilter;
    map.OutputFilter = state.OutputFilter;
    map.Resolution = state.Resolution;
    map.ResolutionIndex = ResolutionIndexOf(state.Resolution);
    // n / 1000 is the very double that RoundTo3 gives for n thousandths.
    for (int k = 0; k < state.Resolution; ++k) {
        map.OutputValues[k] = state.Values[k] / 1000.0;
        map.UndoValues[k] = state.UndoValues[k] / 1000.0;
    }
}

EditHistory::EditHistory(MapState start) {
    Reset(std::move(start));
}

void EditHistory::Reset(MapState state) {
    entries_.clear();
    entries_.push_back({MapAction::Cell, std::move(state)});
    current_ = 0;
}

void EditHistory::Record(MapAction action, MapState state, bool joinsLast) {
    Entry& here = entries_[current_];
    if (state.SameMap(here.State)) {
        here.State.UndoValues = std::move(state.UndoValues);
        return;
    }
    entries_.resize(current_ + 1);
    if (joinsLast && current_ > 0 && here.Action == action) {
        here.State = std::move(state);
        return;
    }
    entries_.push_back({action, std::move(state)});
    if (entries_.size() > kMaxSteps + 1) {
        entries_.erase(entries_.begin());
    }
    current_ = entries_.size() - 1;
}

const MapState& EditHistory::Undo() {
    if (CanUndo()) {
        --current_;
    }
    return Current();
}

const MapState& EditHistory::Redo() {
    if (CanRedo()) {
        ++current_;
    }
    return Current();
}
