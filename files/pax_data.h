#pragma once

#include <QString>
#include <array>

#include "voltage_map.h"

/// One voltage map as a data file holds it.
struct PaxData {
    int InputRangeMax = 15;
    int OutputRangeMax = 15;
    int InputFilter = 0;
    int OutputFilter = 0;
    int Resolution = 128;
    /// Output voltage of breakpoint k = 0 .. Resolution-1, three decimals.
    std::array<double, kMaxResolution> Values{};
    /// The note's lines joined by CR LF; empty for no note.
    QString Note;

    bool operator==(const PaxData&) const = default;
};

/// The map and note as a save would store them; any line break of the note counts.
PaxData PaxDataFromMap(const VoltageMap& map, const QString& note);

/// Puts a read file into the map: spans and their list positions, filters, Resolution,
/// ResolutionIndex, no breakpoint selected, and the values.
/// Values of breakpoints beyond the file's resolution keep what they held.
void ApplyPaxData(VoltageMap& map, const PaxData& data);

/// True when both hold the same frame, the same whole millivolts for every breakpoint
/// and the same note.
bool SamePaxContent(const PaxData& a, const PaxData& b);
