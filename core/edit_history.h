#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "voltage_map.h"

/// The user actions that make a step of the history; the menu names them.
enum class MapAction {
    Cell,
    Multiply,
    AddOffset,
    CreateLine,
    UnDo,
    Paste,
    Step,
    Drag,
    InputSpan,
    OutputSpan,
    Resolution,
    Filter,
    Note,
    RangeSet,
    RangeMultiply,
    RangeAdd,
    Interpolate,
    Smooth,
    ImportPoints,
};

/// What the history keeps of the map: what a file holds and the UnDo button's snapshot.
/// Values are held in millivolts, which every stored value is exactly; a note that did not
/// change is shared with the state before.
struct MapState {
    int InputRangeMax = 15;
    int OutputRangeMax = 15;
    int InputFilter = 0;
    int OutputFilter = 0;
    int Resolution = 128;
    std::vector<std::int32_t> Values;
    std::vector<std::int32_t> UndoValues;
    std::shared_ptr<const std::string> Note = std::make_shared<const std::string>();

    /// Equal apart from the undo snapshot.
    bool SameMap(const MapState& other) const;
};

/// The state of a map and its note; the note is shared with like when it is the same.
MapState StateOf(const VoltageMap& map, const std::string& note, const MapState* like);
/// Puts a state back into the map: the frame, the values and the undo snapshot.
void ApplyState(const MapState& state, VoltageMap& map);

/// Every state of the map since the start or the last load, one per user action, to step
/// back and forth through. A new action after stepping back drops the steps ahead; beyond
/// kMaxSteps the oldest goes.
class EditHistory {
public:
    static constexpr int kMaxSteps = 1000;

    explicit EditHistory(MapState start = {});

    /// The start or a load: this state alone, nothing to step to.
    void Reset(MapState state);
    /// The state after action. A change of the map is a new step, or, when it continues
    /// the last step (joinsLast), replaces that step's state. A state with the same map
    /// only updates the current one's undo snapshot.
    void Record(MapAction action, MapState state, bool joinsLast);

    bool CanUndo() const { return current_ > 0; }
    bool CanRedo() const { return current_ + 1 < entries_.size(); }
    /// The action Undo would take back; only when CanUndo.
    MapAction UndoAction() const { return entries_[current_].Action; }
    /// The action Redo would repeat; only when CanRedo.
    MapAction RedoAction() const { return entries_[current_ + 1].Action; }
    /// The state one step back or forth, which becomes the current one.
    const MapState& Undo();
    const MapState& Redo();

    const MapState& Current() const { return entries_[current_].State; }
    /// Steps back possible from here.
    int Steps() const { return static_cast<int>(current_); }

private:
    struct Entry {
        MapAction Action;  ///< the action that led here; unused for the first state
        MapState State;
    };

    std::vector<Entry> entries_;
    std::size_t current_ = 0;
};
