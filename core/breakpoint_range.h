#pragma once

#include <span>

/// Breakpoints First .. Last of the map, both included, First <= Last: what Shift+click
/// selects between the breakpoint clicked before and the one clicked now.
struct BreakpointRange {
    int First = 0;
    int Last = 0;

    /// The range between two breakpoints given in either order.
    static BreakpointRange Between(int a, int b) {
        return a <= b ? BreakpointRange{a, b} : BreakpointRange{b, a};
    }
    int Count() const { return Last - First + 1; }
    bool Contains(int k) const { return k >= First && k <= Last; }
};

/// What the range menu and its keys do to the breakpoints of a range.
enum class RangeOperation {
    SetValue,     ///< every breakpoint gets the typed value
    Multiply,     ///< times the typed factor
    Add,          ///< plus the typed offset
    Interpolate,  ///< a straight line between the range's two end values
    Smooth,       ///< each inner value the mean of itself and its two neighbours; ends stay
};

/// Whether the operation asks for a number before it runs.
bool TakesParameter(RangeOperation operation);

/// Applies the operation to values[First .. Last] (values holds one output per breakpoint).
/// Results are clamped to 0 .. outputRangeMax, as the whole-curve buttons clamp, and held
/// with three decimals as a cell holds them. Interpolate and Smooth have no inner
/// breakpoint to change in a range of one or two and leave it as it is. Smooth reads every
/// neighbour before any value changes, so the result does not depend on the direction.
void ApplyRangeOperation(std::span<double> values, BreakpointRange range, RangeOperation operation,
                         double parameter, int outputRangeMax);
