#pragma once

// The 768 bytes a transfer must put on the line, worked out by hand for two maps.

#include <algorithm>
#include <vector>

#include "voltage_map.h"

/// Configuration byte 0x05 (15 V in and out, no filters), then entry k = k.
inline std::vector<int> DefaultStream() {
    std::vector<int> bytes = {0x05, 0xFF, 0xFF};
    for (int k = 1; k <= 255; ++k) {
        bytes.insert(bytes.end(), {k, 0xFF, 0xFF});
    }
    return bytes;
}

/// A map unlike the default in every field that reaches the wire: input 0 - 10 V, output
/// 0 - 5 V, both filters, 8 breakpoints (32 entries apart).
inline VoltageMap HandMap() {
    VoltageMap map;
    map.InputRangeMax = 10;
    map.OutputRangeMax = 5;
    map.InputFilter = 1;
    map.OutputFilter = 1;
    map.Resolution = 8;
    const double values[8] = {1.25, 2.5, 2.5, 5.0, 0.0, 0.625, 3.75, 4.0};
    for (int k = 0; k < 8; ++k) {
        map.SetOutputValue(k, values[k]);
    }
    return map;
}

/// The same map as a user writes it: spans, filters, resolution, millivolts, note.
inline constexpr char kHandPax[] =
    "10\r\n5\r\n1\r\n1\r\n8\r\n1250\r\n2500\r\n2500\r\n5000\r\n0\r\n625\r\n3750\r\n4000\r\n"
    "box 2\r\n";

/// Entry m by hand: V volts give V * 256 / 5 = 51.2 V, and the entries between two
/// breakpoints go in equal steps between their voltages.
inline int HandEntry(int m) {
    // Each run of 32 entries: the entry at its breakpoint and the step to the next one.
    const int start[7] = {0, 64, 128, 128, 256, 0, 32};
    const int step[7] = {2, 2, 0, 4, -8, 1, 5};
    const int run = m / 32;
    const int k = m % 32;
    if (run < 7) {
        return std::min(start[run] + step[run] * k, 255);  // 5 V would be 256
    }
    // 3.75 .. 4 V: (960 + 2k) / 5, never a tie; 192.4 gives 192, 192.8 gives 193.
    const int tenths = (960 + 2 * k) * 2;
    return tenths / 10 + (tenths % 10 > 5 ? 1 : 0);
}

/// Configuration byte 0x2A (input 10 V, output 5 V, both filters), then the entries.
inline std::vector<int> HandStream() {
    std::vector<int> bytes = {0x2A, 0xFF, 0xFF};
    for (int m = 1; m <= 255; ++m) {
        bytes.insert(bytes.end(), {HandEntry(m), 0xFF, 0xFF});
    }
    return bytes;
}
