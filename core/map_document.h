#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "core/breakpoint_range.h"
#include "core/edit_history.h"
#include "core/point_stepping.h"
#include "core/voltage_map.h"

/// What one change of the map touched. Observers redraw just that.
enum class MapChange : std::uint32_t {
    Value = 1u << 0,       ///< the value of one breakpoint, MapChanges::Point
    Values = 1u << 1,      ///< every value
    InputSpan = 1u << 2,   ///< the input span: row labels and the chart's input axis
    OutputSpan = 1u << 3,  ///< the output span: the chart's output axis
    Resolution = 1u << 4,  ///< the rows of the table
    Filters = 1u << 5,
    Note = 1u << 6,
    Port = 1u << 7,
    Selection = 1u << 8,  ///< a breakpoint was selected (again), or none is any more
    Reference = 1u << 9,  ///< the chart's reference curve
};

struct MapChanges {
    std::uint32_t Flags = 0;
    int Point = -1;  ///< the breakpoint of a Value change

    bool Has(MapChange change) const { return (Flags & static_cast<std::uint32_t>(change)) != 0; }
    MapChanges& Add(MapChange change) {
        Flags |= static_cast<std::uint32_t>(change);
        return *this;
    }
};

/// Everything (every value rather than one): the start map, a load.
inline constexpr std::uint32_t kWholeMap =
    ((1u << 10) - 1) & ~static_cast<std::uint32_t>(MapChange::Value);

class MapObserver {
public:
    virtual ~MapObserver() = default;
    /// Called once after every operation that changed something, with what it changed.
    virtual void MapChanged(const MapChanges& changes) = 0;
};

/// The one owner of the voltage map, its note and the state derived from them. Every
/// change goes through one of its operations, which records the change in the history and
/// tells the observers once what changed; telling them first brings the device table in step
/// with the content, so that no operation keeps it itself. The configuration byte is not
/// kept: BuildConfigByte reads it from the content in a few comparisons. Values passed in
/// have been accepted by the entry rules.
class MapDocument {
public:
    /// The start map: both spans 15 V, 128 breakpoints on the straight line from 0 V to
    /// 15 V, nothing selected, the undo snapshot taken.
    MapDocument();

    const VoltageMap& Map() const { return map_; }
    const MapContent& Content() const { return map_.Content(); }
    const std::string& Note() const { return map_.Note; }
    int SelectedPoint() const { return map_.SelectedPoint; }
    bool HasSelection() const { return map_.HasSelection(); }

    void AddObserver(MapObserver& observer);
    void RemoveObserver(MapObserver& observer);

    /// A cell's checked value. The cell always shows it again (the notification names the
    /// breakpoint even when the value stays); only a real change narrows the undo snapshot
    /// to this breakpoint, so that a cell still holding a pasted value keeps the paste's undo.
    void CommitCell(int i, double value);

    void Multiply(double factor);
    void AddOffset(double offset);
    void CreateLine(double endVoltage);
    /// The UnDo button: the snapshot comes back, and stays the snapshot.
    void UndoLastChange();
    /// Values for consecutive breakpoints from first on, one undo step.
    void Paste(int first, const std::vector<double>& values);

    /// A step button went down: one undo snapshot for the whole hold.
    void BeginPointStep();
    /// One step of the selected breakpoint; true when it hit the limit and was clamped.
    bool StepSelectedPoint(StepDirection direction);

    /// A drag of the selected breakpoint begins: one undo snapshot, even if nothing moves.
    void BeginDrag();
    /// The dragged breakpoint takes value, with three decimals, held within the output span.
    void DragSelectedPoint(double value);

    /// The span choosers; false (and nothing changes) for the current list position.
    bool ChangeInputSpan(int listPosition);
    bool ChangeOutputSpan(int listPosition);
    /// Resamples at the resolution of listPosition; nothing is selected afterwards.
    void ChangeResolution(int listPosition);
    /// The question about fewer breakpoints was answered No: only the selection ends.
    void DeclineResolution();

    /// A file's frame, values and note replace the map; the reference curve becomes the
    /// loaded curve, nothing is selected, and the map counts as saved.
    void Load(const MapContent& loaded);
    void SetInputFilter(bool on);
    void SetOutputFilter(bool on);
    void SetNote(std::string note);
    void SetPort(int portNumber);
    /// Selects breakpoint k; Resolution (or above) selects none. Any range ends.
    void Select(int k);
    /// Shift with a click or a key: the range runs from the selected breakpoint to k, which
    /// stays selected. Nothing happens while nothing is selected.
    void SelectRangeTo(int k);
    /// The breakpoints an operation works on: the range, else the selected one alone;
    /// nothing while nothing is selected.
    std::optional<BreakpointRange> Range() const;
    /// The moving end of the range; the selected breakpoint when there is no range.
    int RangeEnd() const { return HasRange() ? map_.RangeEnd : map_.SelectedPoint; }
    bool HasRange() const;

    /// An operation on Range(), one undo step.
    void ApplyToRange(RangeOperation operation, double parameter);
    /// Every breakpoint takes the value a datasheet's points give it, one undo step.
    void ImportPoints(const std::vector<double>& values);

    /// The map was saved: its curve becomes the reference.
    void TakeSavedCurve();
    /// Another curve (a compared file's) becomes the reference.
    void SetReferenceCurve(const DeviceTableEntries& table);

    /// Every state of the map since the start or the last load.
    const EditHistory& History() const { return history_; }
    /// One step back or forth through the history; false when there is none.
    bool StepBack();
    bool StepForward();
    /// The map as it is now is saved: until it changes there is no unsaved work.
    void MarkSaved();
    /// The map saved is saved, which may differ from the map as it is now (work restored
    /// on the file it came from; the start map for work never saved).
    void MarkSaved(const MapContent& saved);
    /// No map is known to be saved (its file cannot be read): all of it is unsaved work.
    void ForgetSaved();
    /// Whether the map differs from the one last marked saved.
    bool HasUnsavedWork() const { return !history_.AtSavedMark(); }
    /// The user paused typing the note: further typing is a step of its own.
    void EndTyping();

private:
    /// The one place the device table follows the content: rebuilt after a change of the
    /// values, the output span or the resolution, updated around the breakpoint of a Value.
    void RefreshDeviceTable(const MapChanges& changes);
    /// Ends every operation that changed something: the device table, then the observers.
    void Notify(MapChanges changes);
    /// Records the map after action; joinable actions (a hold, a drag, typing) go on in
    /// one step until another action or a new press.
    void Record(MapAction action, bool joinable = false);
    void Restore(const MapState& state);
    /// The history starts again from the map as it is now, which counts as saved.
    void StartHistory();

    /// The content, the session around it and the device table built from the content.
    VoltageMap map_;
    std::vector<MapObserver*> observers_;
    EditHistory history_;
    /// The action whose further changes join its step.
    std::optional<MapAction> open_;
};
