#pragma once

// The 768 bytes a transfer must put on the line, worked out by hand for a map.

#include <algorithm>
#include <vector>

/// The configuration byte, then entry m for m = 1 .. 255, each packet padded with FF FF.
inline std::vector<int> StreamOf(int config, int (*entry)(int)) {
    std::vector<int> bytes = {config, 0xFF, 0xFF};
    for (int m = 1; m <= 255; ++m) {
        bytes.insert(bytes.end(), {entry(m), 0xFF, 0xFF});
    }
    return bytes;
}

/// A file unlike the default in every field that reaches the wire: input 0 - 10 V, output
/// 0 - 5 V, both filters, 8 breakpoints all at 5 V.
inline constexpr char kHandPax[] =
    "10\r\n5\r\n1\r\n1\r\n8\r\n5000\r\n5000\r\n5000\r\n5000\r\n5000\r\n5000\r\n5000\r\n5000\r\n"
    "box 2\r\n";

/// Configuration byte 0x2A; the first segment rises from 0 to 5 V over 32 entries, so entry m
/// is 5 m / 32 V = 8 m codes, and from entry 32 on 5 V is capped at 255.
inline std::vector<int> HandStream() {
    return StreamOf(0x2A, [](int m) { return std::min(8 * m, 255); });
}
