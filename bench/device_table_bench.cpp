#include <benchmark/benchmark.h>

#include "core/device_table.h"
#include "core/voltage_map.h"

namespace {

VoltageMap StartMap(int resolution) {
    VoltageMap map;
    map.Resolution = resolution;
    FillStartLine(map);
    return map;
}

void BM_BuildDeviceTable(benchmark::State& state) {
    VoltageMap map = StartMap(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        BuildDeviceTable(map);
        benchmark::DoNotOptimize(map.DeviceTable);
    }
}
BENCHMARK(BM_BuildDeviceTable)->Arg(128)->Arg(8);

void BM_UpdateDeviceTableAt(benchmark::State& state) {
    VoltageMap map = StartMap(static_cast<int>(state.range(0)));
    BuildDeviceTable(map);
    int p = 0;
    for (auto _ : state) {
        map.SetOutputValue(p, map.OutputValues[p] + 0.001);
        UpdateDeviceTableAt(map, p);
        benchmark::DoNotOptimize(map.DeviceTable);
        p = (p + 1) % map.Resolution;
    }
}
BENCHMARK(BM_UpdateDeviceTableAt)->Arg(128)->Arg(8);

}  // namespace
