#include "core/datasheet_points.h"

#include <algorithm>
#include <cmath>
#include <optional>
#include <set>
#include <string>

#include "core/device_table.h"
#include "core/field_splitter.h"
#include "core/number_text.h"
#include "core/rounding.h"

namespace {

constexpr std::string_view kBlanks = " \t\r\f\v";

std::string_view Trimmed(std::string_view s) {
    const auto first = s.find_first_not_of(kBlanks);
    if (first == std::string_view::npos) {
        return {};
    }
    return s.substr(first, s.find_last_not_of(kBlanks) - first + 1);
}

bool HasLetter(std::string_view line) {
    return std::any_of(line.begin(), line.end(), [](char c) {
        const auto u = static_cast<unsigned char>(c);
        return (u >= 'A' && u <= 'Z') || (u >= 'a' && u <= 'z') || u >= 0x80;
    });
}

PointsReading Refused(PointsProblem problem, int line) {
    return PointsReading{{}, problem, line};
}

/// Output of the points at an input, held beyond both ends. `next` walks forward with
/// increasing inputs, so a whole map takes one pass over the points.
double OutputAt(const std::vector<DatasheetPoint>& points, double input, std::size_t& next) {
    while (next < points.size() && points[next].Input < input) {
        ++next;
    }
    if (next == 0) {
        return points.front().Output;
    }
    if (next == points.size()) {
        return points.back().Output;
    }
    const DatasheetPoint& a = points[next - 1];
    const DatasheetPoint& b = points[next];
    return a.Output + (b.Output - a.Output) * (input - a.Input) / (b.Input - a.Input);
}

}  // namespace

PointsReading ReadDatasheetPoints(std::string_view text, char decimalSeparator, int inputRangeMax,
                                  int outputRangeMax) {
    text = WithoutByteOrderMark(text);
    PointsReading reading;
    std::set<double> inputs;
    bool headerAllowed = true;
    int lineNumber = 0;
    for (std::size_t start = 0; start <= text.size();) {
        std::size_t end = text.find('\n', start);
        if (end == std::string_view::npos) {
            end = text.size();
        }
        const std::string_view line = Trimmed(text.substr(start, end - start));
        start = end + 1;
        ++lineNumber;
        if (line.empty() || line.front() == '#' || line.front() == ';') {
            continue;
        }
        const SplitFields split = SplitLine(line, decimalSeparator);
        std::optional<double> input, output;
        if (split.Fields.size() == 2) {
            input = FieldNumber(split.Fields[0], split.CommaIsDecimal);
            output = FieldNumber(split.Fields[1], split.CommaIsDecimal);
        }
        if (!input || !output) {
            if (headerAllowed && HasLetter(line)) {
                headerAllowed = false;
                continue;
            }
            PointsReading refused = Refused(PointsProblem::NotTwoNumbers, lineNumber);
            refused.BadLineSeparator = split.Separator;
            refused.BadLineCommaIsDecimal = split.CommaIsDecimal;
            return refused;
        }
        headerAllowed = false;
        if (*input < 0 || *input > inputRangeMax) {
            return Refused(PointsProblem::InputOutsideSpan, lineNumber);
        }
        if (*output < 0 || *output > outputRangeMax) {
            return Refused(PointsProblem::OutputOutsideSpan, lineNumber);
        }
        if (!inputs.insert(*input).second) {
            return Refused(PointsProblem::InputTwice, lineNumber);
        }
        reading.Points.push_back({*input, *output, lineNumber});
    }
    if (reading.Points.size() < 2) {
        return Refused(PointsProblem::TooFewPoints, 0);
    }
    std::sort(reading.Points.begin(), reading.Points.end(),
              [](const DatasheetPoint& a, const DatasheetPoint& b) { return a.Input < b.Input; });
    return reading;
}

double BoxOutputVolts(const DeviceTableEntries& table, double inputVolts, int inputRangeMax,
                      int outputRangeMax) {
    const double position = inputVolts * 256 / inputRangeMax;
    double code = table[255];
    if (position < 255) {
        const int below = static_cast<int>(std::floor(position));
        code = table[below] + (table[below + 1] - table[below]) * (position - below);
    }
    return RoundHalfEven(code) * outputRangeMax / 256;
}

PointsFit FitPoints(const std::vector<DatasheetPoint>& points, int inputRangeMax,
                    int outputRangeMax, int resolution) {
    VoltageMap map;
    map.InputRangeMax = inputRangeMax;
    map.OutputRangeMax = outputRangeMax;
    map.Resolution = resolution;
    PointsFit fit;
    std::size_t next = 0;
    for (int k = 0; k < resolution; ++k) {
        map.SetOutputValue(k, OutputAt(points, MapPointInput(map, k), next));
        fit.Values.push_back(map.OutputValues[k]);
    }
    BuildDeviceTable(map);
    for (std::size_t i = 0; i < points.size(); ++i) {
        const double box =
            BoxOutputVolts(map.DeviceTable, points[i].Input, inputRangeMax, outputRangeMax);
        const double mv = std::abs(points[i].Output - box) * 1000;
        if (mv > fit.LargestDifferenceMv) {
            fit.LargestDifferenceMv = mv;
            fit.WorstPoint = static_cast<int>(i);
        }
    }
    return fit;
}
