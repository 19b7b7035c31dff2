#include "core/map_document.h"

#include <algorithm>
#include <utility>

#include "core/curve_operations.h"
#include "core/device_table.h"
#include "core/range_changes.h"

MapDocument::MapDocument() {
    FillStartLine(map_);
    RefreshDeviceTable({.Flags = kWholeMap});
    SaveUndoSnapshot(map_);
    StartHistory();
}

void MapDocument::StartHistory() {
    history_.Reset(StateOf(map_, nullptr));
    history_.MarkSaved(history_.Current());
}

void MapDocument::AddObserver(MapObserver& observer) {
    observers_.push_back(&observer);
}

void MapDocument::RemoveObserver(MapObserver& observer) {
    std::erase(observers_, &observer);
}

void MapDocument::RefreshDeviceTable(const MapChanges& changes) {
    // The table depends on the values, the output span and the resolution alone.
    if (changes.Has(MapChange::Values) || changes.Has(MapChange::OutputSpan) ||
        changes.Has(MapChange::Resolution)) {
        BuildDeviceTable(map_);
    } else if (changes.Has(MapChange::Value)) {
        UpdateDeviceTableAt(map_, changes.Point);
    }
}

void MapDocument::Notify(MapChanges changes) {
    RefreshDeviceTable(changes);
    for (MapObserver* observer : observers_) {
        observer->MapChanged(changes);
    }
}

void MapDocument::Record(MapAction action, bool joinable) {
    MapState state = StateOf(map_, &history_.Current());
    // Only a change opens a step: a drag whose first move changes nothing must not join
    // the step before it.
    const bool changed = !state.SameMap(history_.Current());
    const bool joins = joinable && open_ == action;
    history_.Record(action, std::move(state), joins);
    open_ = joinable && (changed || joins) ? std::optional(action) : std::nullopt;
}

void MapDocument::CommitCell(int i, double value) {
    const double before = map_.OutputValues[i];
    map_.SetOutputValue(i, value);
    const double after = map_.OutputValues[i];
    if (after != before && after != map_.UndoValues[i]) {
        SaveUndoExcept(map_, i);
    }
    Record(MapAction::Cell);
    Notify({.Flags = static_cast<std::uint32_t>(MapChange::Value), .Point = i});
}

void MapDocument::Multiply(double factor) {
    SaveUndoSnapshot(map_);
    MultiplyOutputs(map_, factor);
    Record(MapAction::Multiply);
    Notify(MapChanges{}.Add(MapChange::Values));
}

void MapDocument::AddOffset(double offset) {
    SaveUndoSnapshot(map_);
    AddOffsetToOutputs(map_, offset);
    Record(MapAction::AddOffset);
    Notify(MapChanges{}.Add(MapChange::Values));
}

void MapDocument::CreateLine(double endVoltage) {
    SaveUndoSnapshot(map_);
    CreateStraightLine(map_, endVoltage);
    Record(MapAction::CreateLine);
    Notify(MapChanges{}.Add(MapChange::Values));
}

void MapDocument::UndoLastChange() {
    ::UndoLastChange(map_);
    Record(MapAction::UnDo);
    Notify(MapChanges{}.Add(MapChange::Values));
}

void MapDocument::Paste(int first, const std::vector<double>& values) {
    SaveUndoSnapshot(map_);
    for (std::size_t n = 0; n < values.size() && first + n < std::size_t(map_.Resolution); ++n) {
        map_.SetOutputValue(first + static_cast<int>(n), values[n]);
    }
    Record(MapAction::Paste);
    Notify(MapChanges{}.Add(MapChange::Values));
}

void MapDocument::BeginPointStep() {
    SaveUndoSnapshot(map_);
    Record(MapAction::Step);
}

bool MapDocument::StepSelectedPoint(StepDirection direction) {
    const bool limitHit = ::StepSelectedPoint(map_, direction);
    Record(MapAction::Step, true);
    Notify({.Flags = static_cast<std::uint32_t>(MapChange::Value), .Point = map_.SelectedPoint});
    return limitHit;
}

void MapDocument::BeginDrag() {
    SaveUndoSnapshot(map_);
    Record(MapAction::Drag);
}

void MapDocument::DragSelectedPoint(double value) {
    const int s = map_.SelectedPoint;
    // Stored with three decimals first and limited after, as a cell would be.
    map_.SetOutputValue(s, value);
    map_.SetOutputValue(s, ClampToOutputSpan(map_.OutputValues[s], map_.OutputRangeMax));
    Record(MapAction::Drag, true);
    Notify({.Flags = static_cast<std::uint32_t>(MapChange::Value), .Point = s});
}

bool MapDocument::ChangeInputSpan(int listPosition) {
    if (!::ChangeInputSpan(map_, listPosition)) {
        return false;
    }
    SaveUndoSnapshot(map_);
    Record(MapAction::InputSpan);
    Notify(MapChanges{}.Add(MapChange::InputSpan));
    return true;
}

bool MapDocument::ChangeOutputSpan(int listPosition) {
    if (!::ChangeOutputSpan(map_, listPosition)) {
        return false;
    }
    SaveUndoSnapshot(map_);
    Record(MapAction::OutputSpan);
    Notify(MapChanges{}.Add(MapChange::OutputSpan).Add(MapChange::Values));
    return true;
}

void MapDocument::ChangeResolution(int listPosition) {
    // The chart then draws the curve of the new breakpoints, the one a send would carry:
    // the notification rebuilds the table, which the resampling read as it was.
    ApplyResolution(map_, listPosition);
    EndResolutionChoice(map_);
    SaveUndoSnapshot(map_);
    Record(MapAction::Resolution);
    Notify(
        MapChanges{}.Add(MapChange::Resolution).Add(MapChange::Values).Add(MapChange::Selection));
}

void MapDocument::DeclineResolution() {
    EndResolutionChoice(map_);
    SaveUndoSnapshot(map_);
    Record(MapAction::Resolution);
    Notify(MapChanges{}.Add(MapChange::Selection));
}

void MapDocument::Load(const MapContent& loaded) {
    map_.Content() = loaded;
    SaveUndoSnapshot(map_);
    // The reference is the loaded curve; the map's own table follows with the notification.
    map_.SavedDeviceTable = DeviceTableOf(loaded);
    map_.SavedCurveValid = true;
    map_.SelectedPoint = map_.Resolution;
    // Undoing across a load would put another file's map under this file's name.
    StartHistory();
    open_.reset();
    Notify({.Flags = kWholeMap & ~static_cast<std::uint32_t>(MapChange::Port)});
}

void MapDocument::SetInputFilter(bool on) {
    if (map_.InputFilter != (on ? 1 : 0)) {
        map_.InputFilter = on ? 1 : 0;
        Record(MapAction::Filter);
        Notify(MapChanges{}.Add(MapChange::Filters));
    }
}

void MapDocument::SetOutputFilter(bool on) {
    if (map_.OutputFilter != (on ? 1 : 0)) {
        map_.OutputFilter = on ? 1 : 0;
        Record(MapAction::Filter);
        Notify(MapChanges{}.Add(MapChange::Filters));
    }
}

void MapDocument::SetNote(std::string note) {
    if (note != map_.Note) {
        map_.Note = std::move(note);
        Record(MapAction::Note, true);
        Notify(MapChanges{}.Add(MapChange::Note));
    }
}

void MapDocument::SetPort(int portNumber) {
    if (portNumber != map_.PortNumber) {
        map_.PortNumber = portNumber;
        Notify(MapChanges{}.Add(MapChange::Port));
    }
}

void MapDocument::Select(int k) {
    map_.SelectedPoint = std::min(k, map_.Resolution);
    map_.RangeEnd = map_.SelectedPoint;
    Notify(MapChanges{}.Add(MapChange::Selection));
}

void MapDocument::TakeSavedCurve() {
    map_.SavedDeviceTable = map_.DeviceTable;
    map_.SavedCurveValid = true;
    Notify(MapChanges{}.Add(MapChange::Reference));
}

void MapDocument::SetReferenceCurve(const DeviceTableEntries& table) {
    map_.SavedDeviceTable = table;
    map_.SavedCurveValid = true;
    Notify(MapChanges{}.Add(MapChange::Reference));
}

bool MapDocument::StepBack() {
    if (!history_.CanUndo()) {
        return false;
    }
    Restore(history_.Undo());
    return true;
}

bool MapDocument::StepForward() {
    if (!history_.CanRedo()) {
        return false;
    }
    Restore(history_.Redo());
    return true;
}

void MapDocument::MarkSaved() {
    history_.MarkSaved(history_.Current());
}

void MapDocument::MarkSaved(const MapContent& saved) {
    VoltageMap map;
    map.Content() = saved;
    history_.MarkSaved(StateOf(map, nullptr));
}

void MapDocument::ForgetSaved() {
    history_.ForgetSaved();
}

void MapDocument::EndTyping() {
    if (open_ == MapAction::Note) {
        open_.reset();
    }
}

void MapDocument::Restore(const MapState& state) {
    open_.reset();
    const int resolution = map_.Resolution;
    map_.Content() = state.WholeContent();
    std::copy_n(state.UndoValues.begin(), kMaxResolution, map_.UndoValues.begin());
    MapChanges changes{.Flags = kWholeMap & ~static_cast<std::uint32_t>(MapChange::Port) &
                                ~static_cast<std::uint32_t>(MapChange::Reference) &
                                ~static_cast<std::uint32_t>(MapChange::Selection)};
    if (map_.Resolution != resolution) {
        map_.SelectedPoint = map_.Resolution;
        changes.Add(MapChange::Selection);
    }
    Notify(changes);
}

void MapDocument::SelectRangeTo(int k) {
    if (map_.HasSelection() && k >= 0 && k < map_.Resolution) {
        map_.RangeEnd = k;
        Notify(MapChanges{}.Add(MapChange::Selection));
    }
}

bool MapDocument::HasRange() const {
    // A load or a resolution change leaves nothing selected, and every selection starts
    // with Select: a range left from before can never come back.
    return map_.HasSelection() && map_.RangeEnd < map_.Resolution &&
           map_.RangeEnd != map_.SelectedPoint;
}

std::optional<BreakpointRange> MapDocument::Range() const {
    if (!map_.HasSelection()) {
        return std::nullopt;
    }
    return BreakpointRange::Between(map_.SelectedPoint, RangeEnd());
}

void MapDocument::ApplyToRange(RangeOperation operation, double parameter) {
    const std::optional<BreakpointRange> range = Range();
    if (!range) {
        return;
    }
    SaveUndoSnapshot(map_);
    ApplyRangeOperation(std::span(map_.OutputValues).first(map_.Resolution), *range, operation,
                        parameter, map_.OutputRangeMax);
    constexpr MapAction kActions[] = {MapAction::RangeSet, MapAction::RangeMultiply,
                                      MapAction::RangeAdd, MapAction::Interpolate,
                                      MapAction::Smooth};
    Record(kActions[static_cast<int>(operation)]);
    Notify(MapChanges{}.Add(MapChange::Values));
}

void MapDocument::ImportPoints(const std::vector<double>& values) {
    SaveUndoSnapshot(map_);
    for (int k = 0; k < map_.Resolution; ++k) {
        map_.SetOutputValue(k, values[k]);
    }
    Record(MapAction::ImportPoints);
    Notify(MapChanges{}.Add(MapChange::Values));
}
