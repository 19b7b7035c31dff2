#pragma once

#include <chrono>

#include "device/serial_port.h"

class Clock;
class MessageBox;
class ProgressView;
class SendRecord;
class Texts;
struct VoltageMap;

/// The send command: the map goes to the box as a 0.5 s break and 256 packets of three
/// bytes, with the progress window running beside it.
class DeviceTransfer {
public:
    DeviceTransfer(SerialPort& port, ProgressView& progress, Clock& clock, MessageBox& messageBox,
                   const Texts& texts);

    /// Sends the map, its device table built afresh, to port map.PortNumber. Any error ends
    /// in one message box, with the port closed so that a new attempt can open it. True when
    /// every packet has left the port. The record, when given, learns of the send before the
    /// port opens and of its completion before the end display.
    bool SendMapToDevice(const VoltageMap& map, SendRecord* record = nullptr);
    /// True while a transfer is under way (its waits let the window paint).
    bool IsRunning() const { return running_; }

private:
    SerialStatus Transfer(const VoltageMap& map, SendRecord* record);
    SerialStatus OpenPort(int portNumber);
    SerialStatus HoldBreak();
    SerialStatus SendPackets(const VoltageMap& map);
    SerialStatus WaitUntilQueuedAtMost(int limit);
    void ShowProgressAfter(int k);
    void ShowEnd();
    void ReportError(const SerialError& error);
    /// Waits by the monotonic clock; windows keep painting, user input is dropped.
    void WaitPainting(std::chrono::milliseconds duration);

    SerialPort& port_;
    ProgressView& progress_;
    Clock& clock_;
    MessageBox& messageBox_;
    const Texts& texts_;
    bool running_ = false;
};
