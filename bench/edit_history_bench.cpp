// The history's memory: 1000 steps of a 128-point map with a long note must stay under 5 MiB.
// Every allocation of the program is counted, so the figure is what the steps really hold.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <new>

#include "core/map_document.h"

// GCC sees the replaced operators inlined into new-expressions and takes the size header
// for a fault.
#if defined(__GNUC__) && !defined(__clang__)
#pragma GCC diagnostic ignored "-Wmismatched-new-delete"
#pragma GCC diagnostic ignored "-Warray-bounds"
#endif

namespace {

long long liveBytes = 0;
constexpr std::size_t kHeader = alignof(std::max_align_t);

}  // namespace

void* operator new(std::size_t size) {
    auto* block = static_cast<char*>(std::malloc(size + kHeader));
    if (block == nullptr) {
        throw std::bad_alloc();
    }
    *reinterpret_cast<std::size_t*>(block) = size;
    liveBytes += static_cast<long long>(size);
    return block + kHeader;
}

void operator delete(void* p) noexcept {
    if (p != nullptr) {
        char* block = static_cast<char*>(p) - kHeader;
        liveBytes -= static_cast<long long>(*reinterpret_cast<std::size_t*>(block));
        std::free(block);
    }
}

void operator delete(void* p, std::size_t /*size*/) noexcept {
    operator delete(p);
}

namespace {

/// 1000 cell commits, each a step, on a map whose note has 20000 characters.
void BM_ThousandStepsOfA128PointMap(benchmark::State& state) {
    double mib = 0;
    for (auto _ : state) {
        MapDocument document;
        document.SetNote(std::string(20000, 'x'));
        const long long before = liveBytes;
        for (int n = 0; n < EditHistory::kMaxSteps; ++n) {
            document.CommitCell(n % 128, (n % 1500) / 100.0);
        }
        mib = static_cast<double>(liveBytes - before) / (1 << 20);
        benchmark::DoNotOptimize(document.History().Steps());
    }
    state.counters["MiB"] = mib;
}
BENCHMARK(BM_ThousandStepsOfA128PointMap)->Unit(benchmark::kMillisecond);

/// One step back and forth through a full history: a whole map put back and redrawn data.
void BM_StepBackAndForth(benchmark::State& state) {
    MapDocument document;
    for (int n = 0; n < EditHistory::kMaxSteps; ++n) {
        document.CommitCell(n % 128, (n % 1500) / 100.0);
    }
    for (auto _ : state) {
        document.StepBack();
        document.StepForward();
    }
}
BENCHMARK(BM_StepBackAndForth);

}  // namespace

BENCHMARK_MAIN();
