#include <benchmark/benchmark.h>

#include <array>

#include "core/send_stream.h"
#include "core/voltage_map.h"
#include "device/null_serial_port.h"
#include "device/progress_view.h"
#include "device/send_map.h"
#include "platform/clock.h"
#include "platform/message_box.h"
#include "texts/texts.h"

namespace {

/// Seams that do nothing, so that only the transfer's own work is timed.
class NullView : public ProgressView {
public:
    void Show() override {}
    void ShowBlock(int i) override { blocks_[i] = true; }
    bool IsBlockVisible(int i) const override { return blocks_[i]; }
    void SetPercentText(const QString& text) override { benchmark::DoNotOptimize(text); }
    void Repaint() override {}
    void ShowEndDisplay() override {}
    void Close() override { blocks_ = {}; }
    void Hide() override {}

private:
    std::array<bool, kProgressBlockCount> blocks_{};
};

/// Time passes only by sleeping, and instantly.
class NullClock : public Clock {
public:
    TimePoint Now() override { return now_; }
    void Sleep(std::chrono::milliseconds duration) override { now_ += duration; }
    void ProcessEvents() override {}
    void ProcessEventsWithoutInput() override {}

private:
    TimePoint now_{};
};

class NullMessageBox : public MessageBox {
public:
    MessageAnswer Show(const QString&, const QString&, MessageButtons, MessageIcon,
                       MessageAnswer answer) override {
        return answer;
    }
};

VoltageMap StartMap() {
    VoltageMap map;
    FillStartLine(map);
    return map;
}

void BM_BuildSendStream(benchmark::State& state) {
    const VoltageMap map = StartMap();
    for (auto _ : state) {
        benchmark::DoNotOptimize(BuildSendStream(map));
    }
}
BENCHMARK(BM_BuildSendStream);

/// Everything a send does besides the port and the waits: table, packets, progress texts.
void BM_SendMapToDevice(benchmark::State& state) {
    VoltageMap map = StartMap();
    NullSerialPort port;
    NullView view;
    NullClock clock;
    NullMessageBox messageBox;
    const Texts texts(UiLanguage::Eng);
    DeviceTransfer transfer(port, view, clock, messageBox, texts);
    for (auto _ : state) {
        benchmark::DoNotOptimize(transfer.SendMapToDevice(map));
    }
}
BENCHMARK(BM_SendMapToDevice);

}  // namespace

BENCHMARK_MAIN();
