#include "core/breakpoint_range.h"

#include <algorithm>
#include <vector>

#include "core/rounding.h"

bool TakesParameter(RangeOperation operation) {
    return operation == RangeOperation::SetValue || operation == RangeOperation::Multiply ||
           operation == RangeOperation::Add;
}

void ApplyRangeOperation(std::span<double> values, BreakpointRange range, RangeOperation operation,
                         double parameter, int outputRangeMax) {
    const std::vector<double> old(values.begin() + range.First, values.begin() + range.Last + 1);
    const int n = range.Count();
    for (int i = 0; i < n; ++i) {
        const bool inner = i > 0 && i < n - 1;
        double v = old[i];
        switch (operation) {
            case RangeOperation::SetValue:
                v = parameter;
                break;
            case RangeOperation::Multiply:
                v *= parameter;
                break;
            case RangeOperation::Add:
                v += parameter;
                break;
            case RangeOperation::Interpolate:
                if (inner) {
                    v = old[0] + (old[n - 1] - old[0]) * i / (n - 1);
                }
                break;
            case RangeOperation::Smooth:
                if (inner) {
                    v = (old[i - 1] + old[i] + old[i + 1]) / 3;
                }
                break;
        }
        values[range.First + i] = RoundTo3(std::clamp(v, 0.0, double(outputRangeMax)));
    }
}
