#pragma once

#include <array>
#include <cstdint>

inline constexpr int kMaxResolution = 128;
inline constexpr int kDeviceTableSize = 257;

using DeviceTableEntries = std::array<std::int16_t, kDeviceTableSize>;

/// The fields of a voltage map: spans, resolution, filters, the output value of every
/// breakpoint, the selection, the undo snapshot and the device table. The window's map is
/// owned by MapDocument, which alone changes it; plain maps serve files, sends and tests.
///
/// Breakpoint k (from 0) sits at input (k+1) * InputRangeMax / Resolution; 0 V is not a
/// breakpoint and always maps to device-table entry 0.
struct VoltageMap {
    int InputRangeMax = 15;   ///< 5, 10 or 15 V
    int OutputRangeMax = 15;  ///< 5, 10 or 15 V
    int InputFilter = 0;      ///< 0 or 1
    int OutputFilter = 0;     ///< 0 or 1
    int Resolution = 128;     ///< 128, 64, 32, 16 or 8 breakpoints
    int InputRangeIndex = 2;
    int OutputRangeIndex = 2;
    int ResolutionIndex = 0;
    int PortNumber = 1;       ///< serial port 1..16
    int SelectedPoint = 128;  ///< Resolution means none

    /// Output voltage of every breakpoint, always held with three decimals (RoundTo3),
    /// exactly as the table cells show it.
    std::array<double, kMaxResolution> OutputValues{};
    std::array<double, kMaxResolution + 1> UndoValues{};

    /// Scale 0..256 of OutputRangeMax. Entry 256 is never sent; it only serves the chart
    /// and the resampling of the table.
    DeviceTableEntries DeviceTable{};
    DeviceTableEntries SavedDeviceTable{};
    bool SavedCurveValid = false;

    bool HasSelection() const { return SelectedPoint < Resolution; }
    /// Device-table entries per breakpoint interval: 256 / Resolution.
    int EntriesPerStep() const { return 256 / Resolution; }
    /// Stores v with three decimals, as a cell would hold it.
    void SetOutputValue(int k, double v);
};

/// Input voltage of breakpoint k, unrounded.
double MapPointInput(const VoltageMap& map, int k);

/// List position (0, 1, 2) of a span of 5, 10 or 15 V; -1 for any other value.
int SpanIndex(int volts);
/// Span of list position 0, 1, 2: 5, 10, 15 V.
int SpanAt(int index);
/// List position (0..4) of a resolution of 128, 64, 32, 16 or 8; -1 for any other value.
int ResolutionIndexOf(int resolution);
/// Resolution of list position 0..4: 128 / 2^index.
int ResolutionAt(int index);

/// Undo snapshot of every breakpoint value.
void SaveUndoSnapshot(VoltageMap& map);
/// As SaveUndoSnapshot, but breakpoint i keeps its value from the last snapshot, so that
/// undo restores just the cell that was edited.
void SaveUndoExcept(VoltageMap& map, int i);

/// The straight start line: breakpoint k gets (k+1) * OutputRangeMax / Resolution.
void FillStartLine(VoltageMap& map);
