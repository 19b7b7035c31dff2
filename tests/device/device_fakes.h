#pragma once

// A serial port and a progress view that write every call into one log, with the time of
// the fake clock, so tests can check the order and the timing of a transfer.

#include <QString>
#include <algorithm>
#include <array>
#include <string>
#include <vector>

#include "core/voltage_map.h"
#include "device/progress_view.h"
#include "device/send_map.h"
#include "device/serial_port.h"
#include "history/send_record.h"
#include "tests/fakes/fake_platform.h"
#include "texts/texts.h"

struct CallLog {
    FakeClock& clock;
    std::vector<std::string> calls{};
    std::vector<Clock::TimePoint> times{};  ///< of each call

    void Add(std::string what) {
        calls.push_back(std::move(what));
        times.push_back(clock.now);
    }
    int Count(const std::string& prefix) const {
        return std::ranges::count_if(calls, [&](const auto& c) { return c.starts_with(prefix); });
    }
    Clock::TimePoint TimeOf(const std::string& what) const {
        return times.at(std::ranges::find(calls, what) - calls.begin());
    }
};

/// Refuses a second Open while open, as a real port does; one call can be made to fail.
class FakeSerialPort : public SerialPort {
public:
    explicit FakeSerialPort(CallLog& log) : log_(log) {}

    /// The call-th call (from 1) of operation ("Open", "Write", ...) from now on fails, once.
    void FailAt(std::string operation, int call, SerialError error) {
        failOperation_ = std::move(operation);
        failCall_ = call;
        failError_ = std::move(error);
    }
    bool IsOpen() const { return open_; }

    SerialStatus SelectPort(int n) override { return Do("SelectPort " + std::to_string(n)); }
    SerialStatus SetLineSettings(const LineSettings& s) override {
        return Do(QString::asprintf("LineSettings %d,%c,%d,%d %s", s.baudRate, s.parity, s.dataBits,
                                    s.stopBits, s.flowControl ? "flow" : "noflow")
                      .toStdString());
    }
    SerialStatus SetDtr(bool on) override { return Do(on ? "Dtr on" : "Dtr off"); }
    SerialStatus SetRts(bool on) override { return Do(on ? "Rts on" : "Rts off"); }
    SerialStatus Open() override {
        const SerialStatus status = open_ ? SerialError{8103, "Port already open"} : Do("Open");
        open_ = open_ || !status;
        return status;
    }
    SerialStatus SetBreak(bool on) override { return Do(on ? "Break on" : "Break off"); }
    SerialStatus Write(const SendPacket&) override { return Do("Write"); }
    /// The line takes every packet at once.
    SerialStatus QueuedBytes(int& bytes) override {
        bytes = 0;
        return {};
    }
    SerialStatus Drain() override { return Do("Drain"); }
    SerialStatus Close() override {
        open_ = false;
        return Do("Close");
    }

private:
    SerialStatus Do(const std::string& call) {
        log_.Add(call);
        if (failOperation_.empty() || !call.starts_with(failOperation_) || --failCall_ > 0) {
            return {};
        }
        failOperation_.clear();
        return failError_;
    }

    CallLog& log_;
    bool open_ = false;
    std::string failOperation_;
    int failCall_ = 0;
    SerialError failError_;
};

/// Keeps what the window keeps: the blocks survive a Hide, not a Close.
class FakeProgressView : public ProgressView {
public:
    explicit FakeProgressView(CallLog& log) : log_(log) {}

    void Show() override { log_.Add("View Show"); }
    void ShowBlock(int i) override { blocks_.at(i) = true; }
    bool IsBlockVisible(int i) const override { return blocks_.at(i); }
    void SetPercentText(const QString& text) override {
        log_.Add("View Percent " + text.toStdString());
    }
    void Repaint() override {}
    void ShowEndDisplay() override { log_.Add("View EndDisplay"); }
    void Close() override {
        blocks_ = {};
        log_.Add("View Close");
    }
    void Hide() override { log_.Add("View Hide"); }

private:
    CallLog& log_;
    std::array<bool, 16> blocks_{};
};

class FakeSendRecord : public SendRecord {
public:
    explicit FakeSendRecord(CallLog& log) : log_(log) {}

    void Begin(const VoltageMap& map) override {
        log_.Add("Record Begin com " + std::to_string(map.PortNumber));
    }
    void Withdraw() override { log_.Add("Record Withdraw"); }
    void Complete(const VoltageMap&) override { log_.Add("Record Complete"); }

private:
    CallLog& log_;
};

/// A transfer of the start map over the fake port, in Hungarian.
struct TransferRig {
    FakeClock clock;
    CallLog log{clock};
    FakeSerialPort port{log};
    FakeProgressView view{log};
    FakeSendRecord record{log};
    FakeMessageBox messageBox;
    Texts texts{UiLanguage::Hun};
    DeviceTransfer transfer{port, view, clock, messageBox, texts};
    VoltageMap map;

    TransferRig() { FillStartLine(map); }
};
