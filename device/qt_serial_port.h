#pragma once

#include <QSerialPort>
#include <QString>

#include "serial_port.h"

/// The device that "com N" opens: the environment variable SOLVA_TX_COM<N> when set (a USB
/// adapter, a pseudo-terminal), else /dev/ttyS<N-1> on Linux and COM<N> on Windows.
QString PortDeviceName(int portNumber);

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

private:
    /// The pending error of the port, which is cleared for the next operation.
    SerialError TakeError();
    /// Moves the bytes QSerialPort still buffers into the driver's queue.
    SerialStatus HandToDriver();
    SerialStatus SetModemLine(bool (QSerialPort::*set)(bool), bool asserted);

    QSerialPort port_;
    LineSettings settings_;
    bool dtr_ = false;
    bool rts_ = false;
};
