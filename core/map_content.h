#pragma once

#include <array>
#include <string>

inline constexpr int kMaxResolution = 128;

/// What a data file holds and a send carries: the spans, the filters, the resolution, the
/// output value of every breakpoint and the note. Files, the history, the recovery, the
/// copies sent and the command line all pass maps as this.
struct MapContent {
    int InputRangeMax = 15;   ///< 5, 10 or 15 V
    int OutputRangeMax = 15;  ///< 5, 10 or 15 V
    int InputFilter = 0;      ///< 0 or 1
    int OutputFilter = 0;     ///< 0 or 1
    int Resolution = 128;     ///< 128, 64, 32, 16 or 8 breakpoints
    /// Output voltage of every breakpoint, always held with three decimals (RoundTo3),
    /// exactly as the table cells show it; entries from Resolution on mean nothing.
    std::array<double, kMaxResolution> OutputValues{};
    /// UTF-8, with the line breaks it was given: the note box's, or a file's CR LF.
    std::string Note;

    /// Stores v with three decimals, as a cell would hold it.
    void SetOutputValue(int k, double v);
    /// Device-table entries per breakpoint interval: 256 / Resolution.
    int EntriesPerStep() const { return 256 / Resolution; }
    /// The same frame, the same whole millivolts for every breakpoint in use and the same
    /// note: what a file would tell apart.
    bool operator==(const MapContent& other) const;
};

/// The map a start shows: both spans 15 V, 128 breakpoints on the straight line from 0 V to
/// 15 V, filters off, no note.
MapContent StartContent();

/// The straight start line: breakpoint k gets (k+1) * OutputRangeMax / Resolution.
void FillStartLine(MapContent& content);

/// v held within the output span 0 .. outputRangeMax.
double ClampToOutputSpan(double v, int outputRangeMax);

/// Whole millivolts of a stored value, as files and the history keep it.
int Millivolts(double volts);
