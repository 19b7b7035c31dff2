#pragma once

#include <cstdint>

#include "core/voltage_map.h"

/// All 257 entries of the device table of content, interpolated linearly between
/// breakpoints from the voltages (not from rounded entries).
DeviceTableEntries DeviceTableOf(const MapContent& content);

/// Fills all 257 entries of the device table from the breakpoint values, interpolating
/// linearly between breakpoints from the voltages (not from rounded entries).
void BuildDeviceTable(VoltageMap& map);

/// Leaves the device table exactly as BuildDeviceTable would after a change of the value
/// of breakpoint p alone.
void UpdateDeviceTableAt(VoltageMap& map, int p);

/// The configuration byte sent in front of the table: span and filter bits.
std::uint8_t BuildConfigByte(const MapContent& content);
