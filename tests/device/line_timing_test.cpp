// A send against a modelled 2400-baud line whose driver ends a drain only at its polling step:
// one character time on a 16550-type port, a USB poll on an adapter.
#include <gtest/gtest.h>
#include <cmath>

#include "device/null_serial_port.h"
#include "tests/device/device_fakes.h"

namespace {

using Seconds = std::chrono::duration<double>;
constexpr Seconds kByteTime{10.0 / 2400};

/// Bytes leave one after another, each taking a character time, while any are queued.
struct ModelLine : NullSerialPort {
    FakeClock& clock;
    Seconds pollStep, freeAt{};
    int drains = 0;

    ModelLine(FakeClock& c, Seconds step) : clock(c), pollStep(step) {}
    Seconds Now() const { return clock.now.time_since_epoch(); }
    SerialStatus Write(const SendPacket&) override {
        freeAt = std::max(freeAt, Now()) + 3 * kByteTime;
        return {};
    }
    SerialStatus QueuedBytes(int& bytes) override {
        bytes = std::max(0, int(std::ceil((freeAt - Now()) / kByteTime - 1e-9)));
        return {};
    }
    SerialStatus Drain() override {
        ++drains;
        Seconds poll = Now();
        while (poll < freeAt) {
            poll += pollStep;
        }
        clock.now = Clock::TimePoint(std::chrono::ceil<Clock::TimePoint::duration>(poll));
        return {};
    }
};

// Break 0.5 s + 768 bytes x 10 bits / 2400 baud = 3.2 s + last packets 0.3 s + end 1.5 s.
TEST(LineTiming, WholeSendTakesFiveAndAHalfSecondsWithOneDrain) {
    for (const Seconds pollStep : {Seconds(0.004), Seconds(0.016)}) {
        SCOPED_TRACE(pollStep.count());
        TransferRig rig;
        ModelLine line{rig.clock, pollStep};
        DeviceTransfer transfer{line, rig.view, rig.clock, rig.messageBox, rig.texts};
        ASSERT_TRUE(transfer.SendMapToDevice(rig.map));
        const CallLog& log = rig.log;
        EXPECT_NEAR(line.Now().count(), 5.5, 0.02 * 5.5);  // from the click at 0
        EXPECT_EQ(line.drains, 1);
        // The line starts with the window; packets 0..k shown, at most packet k still queued.
        int k = 0;
        for (size_t i = 0; i < log.calls.size(); ++i) {
            if (log.calls[i].starts_with("View Percent")) {
                const Seconds onLine = log.times[i] - log.TimeOf("View Show");
                EXPECT_GE(std::floor(onLine / (3 * kByteTime) + 1e-9), ++k) << "packet " << k;
            }
        }
        EXPECT_EQ(k, 255);
    }
}

}  // namespace
