// A send against a modelled 2400-baud line whose driver ends a drain only at its polling step:
// one character time on a 16550-type port, a USB poll on an adapter.
#include <gtest/gtest.h>

#include <cmath>

#include "device_fakes.h"
#include "null_serial_port.h"
#include "send_map.h"
#include "texts.h"
#include "voltage_map.h"

using namespace std::chrono_literals;

namespace {

using Seconds = std::chrono::duration<double>;
constexpr Seconds kByteTime{10.0 / 2400};

/// Bytes leave one after another, each taking a character time, while any are queued.
class ModelLine : public NullSerialPort {
public:
    ModelLine(FakeClock& clock, Seconds pollStep) : clock_(clock), pollStep_(pollStep) {}

    SerialStatus Open() override {
        openedAt_ = Now();
        return {};
    }
    SerialStatus Write(const SendPacket&) override {
        if (written_ > 0) {
            idle_ += std::max(Seconds{}, Now() - freeAt_);
        }
        freeAt_ = std::max(freeAt_, Now()) + 3 * kByteTime;
        written_ += 3;
        return {};
    }
    SerialStatus QueuedBytes(int& bytes) override {
        bytes = int(std::ceil((freeAt_ - Now()) / kByteTime - 1e-9));
        bytes = std::max(bytes, 0);
        return {};
    }
    SerialStatus Drain() override {
        ++drains_;
        Seconds poll = Now();
        while (poll < freeAt_) {
            poll += pollStep_;
        }
        clock_.now = Clock::TimePoint(std::chrono::ceil<Clock::TimePoint::duration>(poll));
        return {};
    }
    /// Packets wholly on the line by now.
    int PacketsSent() {
        int queued = 0;
        QueuedBytes(queued);
        return (written_ - queued) / 3;
    }

    Seconds openedAt_{}, idle_{};
    int written_ = 0, drains_ = 0;

private:
    Seconds Now() const { return clock_.now.time_since_epoch(); }

    FakeClock& clock_;
    Seconds pollStep_;
    Seconds freeAt_{};
};

/// Shows the progress of packet k = 1..255 with the packets that had left the line then.
class ProgressAgainstLine : public FakeProgressView {
public:
    ProgressAgainstLine(CallLog& log, ModelLine& line) : FakeProgressView(log), line_(line) {}
    void SetPercentText(const QString&) override { sentWhenShown.push_back(line_.PacketsSent()); }
    std::vector<int> sentWhenShown;

private:
    ModelLine& line_;
};

// Break 0.5 s + 768 bytes x 10 bits / 2400 baud = 3.2 s + last packets 0.3 s + end 1.5 s.
TEST(LineTiming, WholeSendTakesFiveAndAHalfSecondsWithOneDrain) {
    for (const Seconds pollStep : {Seconds(0.004), Seconds(0.016)}) {
        SCOPED_TRACE(pollStep.count());
        FakeClock clock;
        CallLog log{clock};
        ModelLine line{clock, pollStep};
        ProgressAgainstLine view{log, line};
        FakeMessageBox messageBox;
        Texts texts{UiLanguage::Eng};
        DeviceTransfer transfer{line, view, clock, messageBox, texts};
        VoltageMap map;
        FillStartLine(map);
        ASSERT_TRUE(transfer.SendMapToDevice(map));

        const Seconds whole = clock.now.time_since_epoch() - line.openedAt_;
        EXPECT_NEAR(whole.count(), 5.5, 0.02 * 5.5);
        EXPECT_EQ(line.idle_, Seconds{});
        EXPECT_EQ(line.written_, 768);
        EXPECT_EQ(line.drains_, 1);
        ASSERT_EQ(view.sentWhenShown.size(), 255u);
        for (int k = 1; k <= 255; ++k) {  // packets 0..k shown, at most packet k still queued
            EXPECT_GE(view.sentWhenShown[k - 1], k) << "packet " << k;
        }
    }
}

}  // namespace
