#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "core/voltage_map.h"

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

/// What the history keeps of the map: its content and the UnDo button's snapshot. A note
/// that did not change is shared with the state before rather than copied.
struct MapState {
    MapContent Content;  ///< its Note is empty: the note is held below
    std::shared_ptr<const std::string> Note = std::make_shared<const std::string>();
    std::array<double, kMaxResolution> UndoValues{};

    /// Equal apart from the undo snapshot.
    bool SameMap(const MapState& other) const;
    /// The content with its note.
    MapContent WholeContent() const;
};

/// The state of a map; the note is shared with like when it is the same.
MapState StateOf(const VoltageMap& map, const MapState* like);

/// Every state of the map since the start or the last load, one per user action, to step
/// back and forth through. A new action after stepping back drops the steps ahead; beyond
/// kMaxSteps the oldest goes.
class EditHistory {
public:
    static constexpr int kMaxSteps = 1000;

    /// One step, an empty map, until the owner resets it to its start.
    EditHistory();

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

    /// The saved mark: the state a file holds (or the start map, for work never saved).
    void MarkSaved(MapState saved) { saved_ = std::move(saved); }
    void ForgetSaved() { saved_.reset(); }
    /// Whether the current state has the map of the saved mark.
    bool AtSavedMark() const { return saved_ && saved_->SameMap(Current()); }

private:
    struct Entry {
        MapAction Action;  ///< the action that led here; unused for the first state
        MapState State;
    };

    std::vector<Entry> entries_;
    std::size_t current_ = 0;
    std::optional<MapState> saved_;
};
