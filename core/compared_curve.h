#pragma once

#include "core/voltage_map.h"

/// The device table that another map (a file compared with the current one) gives on the
/// current map's spans and breakpoints: each current breakpoint takes the other map's
/// output at the same input voltage, read from the other map's own device table with
/// linear interpolation between its entries. Beyond the other map's input span its last
/// entry holds; outputs above the current output span are held at its top.
DeviceTableEntries ComparedDeviceTable(const MapContent& other, const VoltageMap& map);
