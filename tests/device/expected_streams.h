#pragma once

// A map unlike the default one in every field that reaches the wire, with its device table
// worked out by hand.

#include <vector>

#include "voltage_map.h"

/// Input 0 - 10 V, output 0 - 5 V, both filters, 8 breakpoints (32 entries apart).
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

/// Entry m worked out by hand: V volts give the entry V * 256 / 5 = 51.2 V, and the entries
/// between two breakpoints go in equal steps between their voltages.
inline int HandEntry(int m) {
    const int k = m % 32;
    switch (m / 32) {
        case 0:
            return 2 * k;  // 0 .. 1.25 V: 0 .. 64
        case 1:
            return 64 + 2 * k;  // 1.25 .. 2.5 V: 64 .. 128
        case 2:
            return 128;  // flat at 2.5 V
        case 3:
            return 128 + 4 * k;  // 2.5 .. 5 V: 128 .. 256
        case 4:
            return k == 0 ? 255 : 256 - 8 * k;  // 5 V capped at 255, then down to 0 V
        case 5:
            return k;  // 0 .. 0.625 V: 0 .. 32
        case 6:
            return 32 + 5 * k;  // 0.625 .. 3.75 V: 32 .. 192
        default: {
            // 3.75 .. 4 V: (960 + 2k) / 5, never a tie; 192.4 gives 192, 192.8 gives 193.
            const int tenths = (960 + 2 * k) * 2;  // ten times the value
            return tenths / 10 + (tenths % 10 > 5 ? 1 : 0);
        }
    }
}

/// The bytes on the wire: configuration byte 0x2A (input 10 V, both filters), then the table.
inline std::vector<int> HandStream() {
    std::vector<int> bytes = {0x2A, 0xFF, 0xFF};
    for (int m = 1; m <= 255; ++m) {
        bytes.insert(bytes.end(), {HandEntry(m), 0xFF, 0xFF});
    }
    return bytes;
}
