#pragma once

struct VoltageMap;

// Model side of the span and resolution choosers. Each chooser handler does nothing when
// the chosen list position equals the stored index, so setting a chooser from the program
// is harmless; the functions below return false in that case. Rows, labels, chart and
// point panel are the caller's to refresh.

/// The values of RefreshTable: breakpoint k takes T * OutputRangeMax / 256 with three
/// decimals, T = DeviceTable[(k+1) * 256 / Resolution]. The values therefore keep their
/// place relative to the output span, on its 1/256 grid.
void ResampleOutputs(VoltageMap& map);

/// Input voltage of breakpoint k as its row label shows it, three decimals. Always taken
/// from the breakpoint's exact position, never from an earlier label, so that a span change
/// and its reverse give the same labels.
double InputLabelValue(const VoltageMap& map, int k);

/// Input span chooser (list position 0, 1, 2): the output values stay as they are and the
/// same curve spans the new input range.
bool ChangeInputSpan(VoltageMap& map, int listPosition);

/// Output span chooser: the rows stay, every value is resampled onto the new span from the
/// device table (7.500 on 15 V, entry 128, becomes 2.500 on 5 V).
bool ChangeOutputSpan(VoltageMap& map, int listPosition);

/// True when the resolution chooser's position means fewer breakpoints; such a choice is
/// asked about (`MsgResolutionDecrease`) before ApplyResolution.
bool IsResolutionDecrease(const VoltageMap& map, int listPosition);

/// Resamples the curve at the breakpoints of the resolution at listPosition (0..4: 128 to
/// 8): the device table of the old breakpoints, which must be current, gives every new value,
/// interpolated where a new breakpoint falls between old ones. The device table stays the one of
/// the old breakpoints; it agrees with the new values at the new breakpoints.
void ApplyResolution(VoltageMap& map, int listPosition);

/// What follows every resolution choice, applied or declined: nothing selected.
void EndResolutionChoice(VoltageMap& map);
