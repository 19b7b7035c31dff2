#pragma once

struct VoltageMap;

// Whole-curve operations of the Multiply, Add, Create and UnDo buttons. They change the
// values alone: the device table, the undo snapshot before, and redrawing the chart, the
// marker and the point box, stay with the caller. The parameters are values the entry rules
// have accepted.

/// Every output times factor, clamped to OutputRangeMax.
void MultiplyOutputs(VoltageMap& map, double factor);

/// Offset added to every output, clamped to 0 .. OutputRangeMax.
void AddOffsetToOutputs(VoltageMap& map, double offset);

/// Writes the straight line from 0 V to endVoltage at the top of the input span:
/// breakpoint k gets (k+1) * endVoltage / Resolution.
void CreateStraightLine(VoltageMap& map, double endVoltage);

/// Writes the undo snapshot back. It takes no snapshot itself, so a second undo repeats
/// the first: there is one level and no redo.
void UndoLastChange(VoltageMap& map);
