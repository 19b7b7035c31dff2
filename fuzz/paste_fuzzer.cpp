// Any clipboard text pasted into the cells: all of it or none, every value a cell value, and
// the line named by a refusal one that was pasted.
#include <cstdint>
#include <cstdlib>

#include <QString>

#include "core/voltage_map.h"
#include "table/pasted_values.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 1) {
        return 0;
    }
    // The first byte chooses the locale's separator and the row pasted into.
    const char separator = data[0] & 1 ? ',' : '.';
    const int firstRow = data[0] >> 1;
    const QString text =
        QString::fromUtf8(reinterpret_cast<const char*>(data + 1), qsizetype(size - 1));
    VoltageMap map;
    FillStartLine(map);
    const PastedValues pasted = ReadPastedValues(text, firstRow, map, separator);
    if (pasted.Refused() ? !pasted.Values.empty() || pasted.BadLine > text.count(u'\n') + 1
                         : firstRow + int(pasted.Values.size()) > map.Resolution) {
        std::abort();
    }
    for (const double value : pasted.Values) {
        if (!(value >= 0 && value <= map.OutputRangeMax)) {
            std::abort();
        }
    }
    return 0;
}
