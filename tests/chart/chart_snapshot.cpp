// Renders the chart panel into a PNG for a visual check:
//   chart_snapshot out.png
// The start line in red, a saved curve at 80 % in light blue, breakpoint 63 marked.
#include <QApplication>
#include <cstdio>

#include "chart_view.h"
#include "device_table.h"
#include "voltage_map.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s out.png\n", argv[0]);
        return 2;
    }
    QApplication app(argc, argv);
    VoltageMap map;
    FillStartLine(map);
    for (int k = 0; k < map.Resolution; ++k) {
        map.SetOutputValue(k, map.OutputValues[k] * 0.8);
    }
    BuildDeviceTable(map);
    map.SavedDeviceTable = map.DeviceTable;
    map.SavedCurveValid = true;
    FillStartLine(map);
    BuildDeviceTable(map);
    ChartView view(map);
    view.setTitle("Grafikon");
    view.Chart().DecimalSeparator = ',';
    view.Chart().RedrawChart();
    view.Chart().DrawMarker(63);
    return view.grab().save(QString::fromLocal8Bit(argv[1])) ? 0 : 1;
}
