// Any text given to the points import, under either decimal separator: it must refuse it
// with a line that exists, or give at least two points in order, inside the spans.
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "core/datasheet_points.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    for (const char separator : {'.', ','}) {
        const PointsReading reading = ReadDatasheetPoints(text, separator, 15, 10);
        if (!reading.Ok()) {
            if (!reading.Points.empty() || reading.BadLine < 0 ||
                std::size_t(reading.BadLine) > size + 1) {
                std::abort();
            }
            continue;
        }
        if (reading.Points.size() < 2) {
            std::abort();
        }
        for (std::size_t i = 0; i < reading.Points.size(); ++i) {
            const DatasheetPoint& p = reading.Points[i];
            if (!(p.Input >= 0 && p.Input <= 15 && p.Output >= 0 && p.Output <= 10) ||
                (i > 0 && !(reading.Points[i - 1].Input < p.Input))) {
                std::abort();
            }
        }
        FitPoints(reading.Points, 15, 10, 128);
    }
    return 0;
}
