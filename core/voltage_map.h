#pragma once

#include <array>
#include <cstdint>

#include "core/map_content.h"

/// List position (0, 1, 2) of a span of 5, 10 or 15 V; -1 for any other value.
int SpanIndex(int volts);
/// Span of list position 0, 1, 2: 5, 10, 15 V.
int SpanAt(int index);
/// List position (0..4) of a resolution of 128, 64, 32, 16 or 8; -1 for any other value.
int ResolutionIndexOf(int resolution);
/// Resolution of list position 0..4: 128 / 2^index.
int ResolutionAt(int index);

inline constexpr int kDeviceTableSize = 257;

using DeviceTableEntries = std::array<std::int16_t, kDeviceTableSize>;

/// What the user chose in a session beside the map itself: the selection, the port, the UnDo
/// button's snapshot and the chart's reference curve. A file never holds it.
struct MapSession {
    int PortNumber = 1;       ///< serial port 1..16
    int SelectedPoint = 128;  ///< Resolution means none
    /// The moving end of a Shift range; SelectedPoint or beyond Resolution when there is none.
    int RangeEnd = 128;
    std::array<double, kMaxResolution + 1> UndoValues{};
    /// The reference curve the chart draws while SavedCurveValid: the map as last saved or
    /// loaded, or a compared file's curve.
    DeviceTableEntries SavedDeviceTable{};
    bool SavedCurveValid = false;
};

/// A map at work: its content, the session around it and the device table built from the
/// content. The window's map is owned by MapDocument, which alone changes it and keeps the
/// device table current; plain maps serve sends and tests.
///
/// Breakpoint k (from 0) sits at input (k+1) * InputRangeMax / Resolution; 0 V is not a
/// breakpoint and always maps to device-table entry 0.
struct VoltageMap : MapContent, MapSession {
    /// Scale 0..256 of OutputRangeMax. Entry 256 is never sent; it only serves the chart
    /// and the resampling of the table.
    DeviceTableEntries DeviceTable{};

    /// List positions of the span and resolution choosers.
    int InputRangeIndex() const { return SpanIndex(InputRangeMax); }
    int OutputRangeIndex() const { return SpanIndex(OutputRangeMax); }
    int ResolutionIndex() const { return ResolutionIndexOf(Resolution); }

    bool HasSelection() const { return SelectedPoint < Resolution; }
    /// The content apart from the session. Assigning to it is how a map takes another's
    /// frame, values and note; the device table is then the caller's to build.
    const MapContent& Content() const { return *this; }
    MapContent& Content() { return *this; }
};

/// Input voltage of breakpoint k, unrounded.
double MapPointInput(const MapContent& map, int k);

/// Undo snapshot of every breakpoint value.
void SaveUndoSnapshot(VoltageMap& map);
/// As SaveUndoSnapshot, but breakpoint i keeps its value from the last snapshot, so that
/// undo restores just the cell that was edited.
void SaveUndoExcept(VoltageMap& map, int i);
