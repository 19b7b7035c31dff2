#pragma once

#include <string_view>
#include <vector>

#include "core/field_splitter.h"
#include "core/voltage_map.h"

/// One (input, output) pair of a sensor's datasheet, in volts.
struct DatasheetPoint {
    double Input = 0;
    double Output = 0;
    int Line = 0;  ///< where it stands in the text, counted from 1
};

/// Why a line of a points text was refused; TooFewPoints concerns the whole text.
enum class PointsProblem {
    None,
    NotTwoNumbers,
    InputOutsideSpan,
    OutputOutsideSpan,
    InputTwice,  ///< the same input stands on an earlier line
    TooFewPoints,
};

struct PointsReading {
    std::vector<DatasheetPoint> Points;  ///< sorted by input; empty when refused
    PointsProblem Problem = PointsProblem::None;
    int BadLine = 0;  ///< the first refused line; 0 for TooFewPoints
    /// For NotTwoNumbers: how that line's columns were read, for the message.
    FieldSeparator BadLineSeparator = FieldSeparator::Spaces;
    bool BadLineCommaIsDecimal = false;

    bool Ok() const { return Problem == PointsProblem::None; }
};

/// Reads one pair a line, its fields split by SplitLine: a tab, a semicolon or spaces, or
/// a comma where the locale's decimal separator is the point; each number is written with a
/// point, or with a comma where SplitLine reads it as the decimal separator. Empty lines, lines
/// starting with '#' or ';' and one leading line of text (a header with a letter in it) are
/// skipped. Every input must lie in 0 .. inputRangeMax and every output in 0 .. outputRangeMax, no
/// input twice, at least two points; the first line that breaks a rule refuses the whole text.
PointsReading ReadDatasheetPoints(std::string_view text, char decimalSeparator, int inputRangeMax,
                                  int outputRangeMax);

/// What the points give for a map and how closely the BOX then follows them.
struct PointsFit {
    /// Breakpoint k gets the points' straight-line interpolation at its input, held at the
    /// first point's output below the first point and at the last point's output above the
    /// last, with three decimals as a typed value.
    std::vector<double> Values;
    /// The largest |point's output - what the BOX puts out at the point's input|, in mV.
    double LargestDifferenceMv = 0;
    int WorstPoint = 0;  ///< index of that point in the sorted points
};

/// points: sorted by input, at least two, as ReadDatasheetPoints gives them.
PointsFit FitPoints(const std::vector<DatasheetPoint>& points, int inputRangeMax,
                    int outputRangeMax, int resolution);

/// The output the BOX drives at an input voltage from the table it was sent: the input is
/// read on the table's 1/256 grid of the input span and interpolated between the two
/// neighbouring entries; the result is put out in whole units of outputRangeMax / 256.
/// Entry 0 is 0 and entry 256 is never sent: above entry 255 the BOX holds entry 255.
double BoxOutputVolts(const DeviceTableEntries& table, double inputVolts, int inputRangeMax,
                      int outputRangeMax);
