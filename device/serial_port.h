#pragma once

#include <QString>
#include <optional>

#include "core/send_stream.h"

/// A port that does not exist on this computer.
inline constexpr int kNoSuchPortCode = 8002;

/// What the port layer reports: a numeric code and a description for the user.
struct SerialError {
    int code = 0;
    QString description;
};

/// Every port operation gives nothing on success, or the error that stops the transfer.
using SerialStatus = std::optional<SerialError>;

/// The line settings "2400,n,8,1" with no flow control, the only ones the box speaks.
struct LineSettings {
    int baudRate = 2400;
    char parity = 'n';
    int dataBits = 8;
    int stopBits = 1;
    bool flowControl = false;
};

/// The serial port as the transfer drives it, in this order: select, line settings, DTR,
/// RTS, open, break on and off, then per packet a write and a look at the queue, one drain,
/// and close.
/// Settings given before Open take effect when the port opens.
class SerialPort {
public:
    virtual ~SerialPort() = default;
    /// Port 1..16, as the port chooser numbers them.
    virtual SerialStatus SelectPort(int portNumber) = 0;
    virtual SerialStatus SetLineSettings(const LineSettings& settings) = 0;
    virtual SerialStatus SetDtr(bool asserted) = 0;
    virtual SerialStatus SetRts(bool asserted) = 0;
    /// Fails with kNoSuchPortCode when the port does not exist.
    virtual SerialStatus Open() = 0;
    virtual SerialStatus SetBreak(bool on) = 0;
    /// Hands the packet to the driver without waiting for the line.
    virtual SerialStatus Write(const SendPacket& packet) = 0;
    /// How many bytes written so far are still queued in the program and the driver.
    virtual SerialStatus QueuedBytes(int& bytes) = 0;
    /// Returns once every byte written so far has left the port, not merely been queued.
    virtual SerialStatus Drain() = 0;
    /// Harmless on a port that is not open.
    virtual SerialStatus Close() = 0;
    /// The device the selected port opens, for the user; empty when the layer cannot tell.
    virtual QString DeviceName() const { return {}; }
};
