#pragma once

#include "device/serial_port.h"

/// A port that accepts everything and sends nowhere: for windows that never really send, as
/// in tests and pictures.
class NullSerialPort : public SerialPort {
public:
    SerialStatus SelectPort(int) override { return {}; }
    SerialStatus SetLineSettings(const LineSettings&) override { return {}; }
    SerialStatus SetDtr(bool) override { return {}; }
    SerialStatus SetRts(bool) override { return {}; }
    SerialStatus Open() override { return {}; }
    SerialStatus SetBreak(bool) override { return {}; }
    SerialStatus Write(const SendPacket&) override { return {}; }
    SerialStatus QueuedBytes(int& bytes) override {
        bytes = 0;
        return {};
    }
    SerialStatus Drain() override { return {}; }
    SerialStatus Close() override { return {}; }
};
