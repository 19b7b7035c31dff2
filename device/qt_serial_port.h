#pragma once

#include <QSerialPort>
#include <QString>

#include "device/port_names.h"
#include "device/serial_port.h"

/// Code and description of a Qt port error; a device that is not there gives kNoSuchPortCode.
SerialError ToSerialError(QSerialPort::SerialPortError error, const QString& description);

/// The serial port through QSerialPort. Line settings and modem lines given before Open are
/// applied when the port opens, as the transfer sets them up front.
class QtSerialPort : public SerialPort {
public:
    SerialStatus SelectPort(int portNumber) override;
    SerialStatus SetLineSettings(const LineSettings& settings) override;
    SerialStatus SetDtr(bool asserted) override;
    SerialStatus SetRts(bool asserted) override;
    SerialStatus Open() override;
    SerialStatus SetBreak(bool on) override;
    SerialStatus Write(const SendPacket& packet) override;
    SerialStatus QueuedBytes(int& bytes) override;
    SerialStatus Drain() override;
    SerialStatus Close() override;
    QString DeviceName() const override { return device_; }

private:
    /// The pending error of the port, which is cleared for the next operation.
    SerialError TakeError();
    /// Moves the bytes QSerialPort still buffers into the driver's queue.
    SerialStatus HandToDriver();
    SerialStatus SetModemLine(bool (QSerialPort::*set)(bool), bool asserted);

    QSerialPort port_;
    QString device_;
    LineSettings settings_;
    bool dtr_ = false;
    bool rts_ = false;
};
