#pragma once

// A serial port and a progress view that write what they are asked into one shared log,
// so tests can check the order of port and window operations and the time they happened.

#include <QString>
#include <array>
#include <chrono>
#include <cstdio>
#include <map>
#include <string>
#include <vector>

#include "fake_platform.h"
#include "progress_view.h"
#include "serial_port.h"

struct LoggedCall {
    std::string what;
    std::chrono::milliseconds at;  ///< time of the fake clock
};

class CallLog {
public:
    explicit CallLog(FakeClock& clock) : clock_(clock) {}
    void Add(std::string what) {
        calls.push_back({std::move(what), std::chrono::duration_cast<std::chrono::milliseconds>(
                                              clock_.now.time_since_epoch())});
    }
    std::vector<std::string> What() const {
        std::vector<std::string> list;
        for (const LoggedCall& call : calls) {
            list.push_back(call.what);
        }
        return list;
    }
    int Count(const std::string& prefix) const {
        int n = 0;
        for (const LoggedCall& call : calls) {
            n += call.what.rfind(prefix, 0) == 0 ? 1 : 0;
        }
        return n;
    }
    std::vector<LoggedCall> calls;

private:
    FakeClock& clock_;
};

/// Refuses a second Open while open, as a real port does; failures can be scripted.
class FakeSerialPort : public SerialPort {
public:
    explicit FakeSerialPort(CallLog& log) : log_(log) {}

    /// Operation name ("Open", "Write", ...) and its 1-based call number that fails, once.
    void FailAt(const std::string& operation, int call, SerialError error) {
        failures_[operation] = {call, std::move(error)};
    }
    bool IsOpen() const { return open_; }

    SerialStatus SelectPort(int portNumber) override {
        return Do("SelectPort " + std::to_string(portNumber), "SelectPort");
    }
    SerialStatus SetLineSettings(const LineSettings& s) override {
        return Do("LineSettings " + std::to_string(s.baudRate) + "," + s.parity + "," +
                      std::to_string(s.dataBits) + "," + std::to_string(s.stopBits) +
                      (s.flowControl ? " flow" : " noflow"),
                  "LineSettings");
    }
    SerialStatus SetDtr(bool on) override { return Do(on ? "Dtr on" : "Dtr off", "Dtr"); }
    SerialStatus SetRts(bool on) override { return Do(on ? "Rts on" : "Rts off", "Rts"); }
    SerialStatus Open() override {
        if (open_) {
            log_.Add("Open");
            return SerialError{8103, QStringLiteral("Port already open")};
        }
        SerialStatus status = Do("Open", "Open");
        open_ = !status;
        return status;
    }
    SerialStatus SetBreak(bool on) override { return Do(on ? "Break on" : "Break off", "Break"); }
    SerialStatus Write(const SendPacket& p) override {
        char text[32];
        std::snprintf(text, sizeof text, "Write %02X %02X %02X", p[0], p[1], p[2]);
        return Do(text, "Write");
    }
    SerialStatus Drain() override { return Do("Drain", "Drain"); }
    SerialStatus Close() override {
        open_ = false;
        return Do("Close", "Close");
    }

private:
    struct Failure {
        int call;
        SerialError error;
    };
    SerialStatus Do(const std::string& entry, const std::string& operation) {
        log_.Add(entry);
        const int call = ++calls_[operation];
        auto failure = failures_.find(operation);
        if (failure != failures_.end() && failure->second.call == call) {
            SerialError error = failure->second.error;
            failures_.erase(failure);
            return error;
        }
        return {};
    }

    CallLog& log_;
    bool open_ = false;
    std::map<std::string, int> calls_;
    std::map<std::string, Failure> failures_;
};

/// Keeps the state a window would: blocks and percentage survive a Hide, not a Close.
class FakeProgressView : public ProgressView {
public:
    explicit FakeProgressView(CallLog& log) : log_(log) {}

    void Show() override {
        if (!exists) {
            exists = true;
            blocks = {};
            percent = "00%";
        }
        log_.Add("View Show");
    }
    void ShowBlock(int i) override {
        blocks.at(i) = true;
        log_.Add("View Block " + std::to_string(i));
    }
    bool IsBlockVisible(int i) const override { return blocks.at(i); }
    void SetPercentText(const QString& text) override {
        percent = text.toStdString();
        log_.Add("View Percent " + percent);
    }
    void Repaint() override { log_.Add("View Repaint"); }
    void ShowEndDisplay() override { log_.Add("View EndDisplay"); }
    void Close() override {
        exists = false;
        log_.Add("View Close");
    }
    void Hide() override { log_.Add("View Hide"); }

    bool exists = false;
    std::array<bool, 16> blocks{};
    std::string percent;

private:
    CallLog& log_;
};
