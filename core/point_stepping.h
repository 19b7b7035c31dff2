#pragma once

struct VoltageMap;

enum class StepDirection { Down, Up };

/// A quarter of one device-table unit: OutputRangeMax / 256 / 4.
double StepSize(int outputRangeMax);

/// Moves the selected breakpoint by one step, stored with three decimals as a cell holds
/// it, and clamps it to 0 (down) or OutputRangeMax (up) when it went past. Returns whether
/// it hit that limit. Needs a selected breakpoint.
bool StepSelectedPoint(VoltageMap& map, StepDirection direction);
