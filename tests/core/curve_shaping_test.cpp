#include <gtest/gtest.h>

#include <numeric>
#include <string>
#include <vector>

#include "core/breakpoint_range.h"
#include "core/datasheet_points.h"

namespace {

using enum RangeOperation;
using enum PointsProblem;
using Values = std::vector<double>;

TEST(RangeOperation, ChangesOnlyTheRangeClampedAndWithThreeDecimals) {
    const Values base = {1, 2, 9, 0, 9, 0, 7, 8};  // output span 10 V
    struct Case {
        int first, last;
        RangeOperation operation;
        double parameter;
        Values expected;
    };
    const Case cases[] = {
        {4, 2, SetValue, 2.5, {1, 2, 2.5, 2.5, 2.5, 0, 7, 8}},  // ends given in either order
        {5, 7, Multiply, 1.5, {1, 2, 9, 0, 9, 0, 10, 10}},      // 10.5 and 12 clamped
        {0, 1, Add, -1.5, {0, 0.5, 9, 0, 9, 0, 7, 8}},          // -0.5 clamped
        {2, 4, Add, 1.5, {1, 2, 10, 1.5, 10, 0, 7, 8}},
        {1, 6, Interpolate, 0, {1, 2, 3, 4, 5, 6, 7, 8}},
        {0, 3, Interpolate, 0, {1, 0.667, 0.333, 0, 9, 0, 7, 8}},
        // Each inner value from the old neighbours: 3 is (9 + 0 + 9) / 3, not from 3.667.
        {1, 5, Smooth, 0, {1, 2, 3.667, 6, 3, 0, 7, 8}},
        {0, 7, Smooth, 0, {1, 4, 3.667, 6, 3, 5.333, 5, 8}},
        {3, 3, Interpolate, 0, base},
        {3, 3, Smooth, 0, base},
        {6, 7, Interpolate, 0, base},
        {6, 7, Smooth, 0, base},
        {2, 2, Multiply, 0.5, {1, 2, 4.5, 0, 9, 0, 7, 8}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message()
                     << static_cast<int>(c.operation) << " on " << c.first << ".." << c.last);
        Values values = base;
        ApplyRangeOperation(values, BreakpointRange::Between(c.first, c.last), c.operation,
                            c.parameter, 10);
        EXPECT_EQ(values, c.expected);
    }
}

TEST(DatasheetPoints, LinesReadOrRefused) {
    struct Case {
        std::string text;
        char separator;
        PointsProblem problem;
        int badLine;
        std::vector<int> lines;  // of the points in input order, when read
    };
    const Case cases[] = {
        {"15 10\n0\t0\n7.5 ; 3\r\n", '.', None, 0, {2, 3, 1}},
        {"\xEF\xBB\xBFU in (V);U out (V)\n# comment\n; comment\n\n1,5;2\n2.5;3",
         ',',
         None,
         0,
         {5, 6}},
        {"\xEF\xBB\xBF"
         "1.5;2\n2.5;3",
         '.',
         None,
         0,
         {1, 2}},
        {"1.5,2\n2.5, 3", '.', None, 0, {1, 2}},  // the comma separates where it is no decimal
        {"1.5,2\n2.5,3", ',', NotTwoNumbers, 1, {}},
        // A Hungarian spreadsheet's export read under an English locale.
        {"\xEF\xBB\xBF\"Bemenet\";\"Kimenet\";\r\n0;0;\r\n\"2,5\";\"1,25\";\r\n5,0;3\r\n",
         '.',
         None,
         0,
         {2, 3, 4}},
        {"0\t0,5\n1,5\t2\n", '.', None, 0, {1, 2}},
        {"1,5 2,5\n", '.', NotTwoNumbers, 1, {}},
        {"in out\nmore text\n1 1\n2 2", '.', NotTwoNumbers, 2, {}},  // one header only
        {"1 1\n2 2 2", '.', NotTwoNumbers, 2, {}},
        {"1;;1\n2 2", '.', NotTwoNumbers, 1, {}},
        {"1 1\n2 x", '.', NotTwoNumbers, 2, {}},
        {"1 1\n15.001 2", '.', InputOutsideSpan, 2, {}},
        {"-1 1\n2 2", '.', InputOutsideSpan, 1, {}},
        {"1 1\n2 10.5", '.', OutputOutsideSpan, 2, {}},
        {"1 -0.1\n2 2", '.', OutputOutsideSpan, 1, {}},
        {"1 1\n2 2\n1.0 3", '.', InputTwice, 3, {}},
        {"# only\n3 3\n", '.', TooFewPoints, 0, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        const PointsReading reading = ReadDatasheetPoints(c.text, c.separator, 15, 10);
        EXPECT_EQ(reading.Problem, c.problem);
        EXPECT_EQ(reading.BadLine, c.badLine);
        std::vector<int> lines;
        for (const DatasheetPoint& p : reading.Points) {
            lines.push_back(p.Line);
        }
        EXPECT_EQ(lines, c.lines);
    }
}

/// The breakpoints of 8 on 15 V / 15 V sit at 1.875, 3.75, ... 15 V.
PointsFit FitEight(const std::vector<DatasheetPoint>& points) {
    return FitPoints(points, 15, 15, 8);
}

TEST(DatasheetPoints, BreakpointsInterpolatedHeldBeyondTheEndsAndRounded) {
    EXPECT_EQ(FitEight({{3, 2}, {6, 5}}).Values, (Values{2, 2.75, 4.625, 5, 5, 5, 5, 5}));
    // 0.00125, 0.0025 and 0.0075 end in a half: to the even neighbour.
    EXPECT_EQ(FitEight({{0, 0}, {15, 0.01}}).Values,
              (Values{0.001, 0.002, 0.004, 0.005, 0.006, 0.008, 0.009, 0.01}));
}

TEST(DatasheetPoints, LargestDifferenceFromWhatTheBoxPutsOut) {
    // Entry 255 is the last one sent: the BOX puts out 255 * 15 / 256 = 14.941 V at 15 V.
    PointsFit fit = FitEight({{0, 0}, {15, 15}});
    EXPECT_DOUBLE_EQ(fit.LargestDifferenceMv, 58.59375);
    EXPECT_EQ(fit.WorstPoint, 1);
    // Breakpoint 0 (0.1 V) is entry 32 = N(1.71) = 2; at 1 V (position 17.07) entries 17 and
    // 18 are N(0.91) = N(0.96) = 1, so the BOX puts out 15 / 256 V; at 15 V entry 255 is 2.
    fit = FitEight({{0, 0}, {1, 0.1}, {15, 0.1}});
    EXPECT_DOUBLE_EQ(fit.LargestDifferenceMv, 41.40625);
    EXPECT_EQ(fit.WorstPoint, 1);
    // Between entries the BOX interpolates before it rounds to a whole unit: 7.53 V is at
    // position 128.512 of a table whose entry m is m, and the BOX puts out 129 units.
    DeviceTableEntries line;
    std::iota(line.begin(), line.end(), 0);
    EXPECT_DOUBLE_EQ(BoxOutputVolts(line, 7.53, 15, 15), 129 * 15 / 256.0);
}

}  // namespace
