#include "device/qt_serial_port.h"

#include <QtGlobal>
#include <cerrno>
#include <cstring>

#ifdef Q_OS_WIN
#include <windows.h>
#else
#include <sys/ioctl.h>
#include <termios.h>
#endif

namespace {

/// A packet of three bytes takes 12.5 ms at 2400 baud; far longer means the line is stuck.
constexpr int kWriteTimeoutMs = 5000;

#ifdef Q_OS_WIN
/// Windows reads and sets the line settings only through a handle opened for reading too.
constexpr QIODevice::OpenMode kOpenMode = QIODevice::ReadWrite;
#else
constexpr QIODevice::OpenMode kOpenMode = QIODevice::WriteOnly;
#endif

/// Stable codes for Qt's errors, shown to the user beside Qt's description.
int ErrorCode(QSerialPort::SerialPortError error) {
    switch (error) {
        case QSerialPort::NoError:
            return 0;
        case QSerialPort::DeviceNotFoundError:
            return kNoSuchPortCode;
        case QSerialPort::PermissionError:
            return 8102;
        case QSerialPort::OpenError:
            return 8103;
        case QSerialPort::WriteError:
            return 8104;
        case QSerialPort::ReadError:
            return 8105;
        case QSerialPort::ResourceError:
            return 8106;
        case QSerialPort::UnsupportedOperationError:
            return 8107;
        case QSerialPort::UnknownError:
            return 8108;
        case QSerialPort::TimeoutError:
            return 8109;
        case QSerialPort::NotOpenError:
            return 8110;
    }
    return 8108;
}

QSerialPort::Parity ToQtParity(char parity) {
    switch (parity) {
        case 'e':
            return QSerialPort::EvenParity;
        case 'o':
            return QSerialPort::OddParity;
        case 'm':
            return QSerialPort::MarkParity;
        case 's':
            return QSerialPort::SpaceParity;
        default:
            return QSerialPort::NoParity;
    }
}

bool HasNoModemLines(const QSerialPort& port) {
#ifdef Q_OS_WIN
    // Windows says so as a request it does not support, which Qt passes on as its text only.
    if (port.error() == QSerialPort::UnknownError &&
        port.errorString() == qt_error_string(ERROR_NOT_SUPPORTED)) {
        return true;
    }
#endif
    return port.error() == QSerialPort::UnsupportedOperationError;
}

}  // namespace

SerialError ToSerialError(QSerialPort::SerialPortError error, const QString& description) {
    return {ErrorCode(error), description};
}

SerialStatus QtSerialPort::SelectPort(int portNumber) {
    if (portNumber < 1) {
        return SerialError{kNoSuchPortCode, QStringLiteral("No such port: %1").arg(portNumber)};
    }
    device_ = PortDeviceName(portNumber);
    port_.setPortName(device_);
    return {};
}

SerialStatus QtSerialPort::SetLineSettings(const LineSettings& settings) {
    // A closed QSerialPort keeps these and applies them when it opens.
    const bool applied =
        port_.setBaudRate(settings.baudRate) && port_.setParity(ToQtParity(settings.parity)) &&
        port_.setDataBits(static_cast<QSerialPort::DataBits>(settings.dataBits)) &&
        port_.setStopBits(settings.stopBits == 2 ? QSerialPort::TwoStop : QSerialPort::OneStop) &&
        port_.setFlowControl(settings.flowControl ? QSerialPort::HardwareControl
                                                  : QSerialPort::NoFlowControl);
    return applied ? SerialStatus{} : TakeError();
}

SerialStatus QtSerialPort::SetDtr(bool asserted) {
    dtr_ = asserted;
    return port_.isOpen() ? SetModemLine(&QSerialPort::setDataTerminalReady, dtr_) : SerialStatus{};
}

SerialStatus QtSerialPort::SetRts(bool asserted) {
    rts_ = asserted;
    return port_.isOpen() ? SetModemLine(&QSerialPort::setRequestToSend, rts_) : SerialStatus{};
}

SerialStatus QtSerialPort::Open() {
    if (!port_.open(kOpenMode)) {
        SerialError error = TakeError();
        // Linux keeps device nodes for serial ports that have no hardware behind them;
        // opening one fails with an I/O error, which for the user is a port that is not there.
        if (error.code == ErrorCode(QSerialPort::ResourceError)) {
            error.code = kNoSuchPortCode;
        }
        return error;
    }
    SerialStatus status = SetModemLine(&QSerialPort::setDataTerminalReady, dtr_);
    if (!status) {
        status = SetModemLine(&QSerialPort::setRequestToSend, rts_);
    }
    if (status) {
        port_.close();
    }
    return status;
}

SerialStatus QtSerialPort::SetBreak(bool on) {
    return port_.setBreakEnabled(on) ? SerialStatus{} : TakeError();
}

SerialStatus QtSerialPort::Write(const SendPacket& packet) {
    const qint64 written =
        port_.write(reinterpret_cast<const char*>(packet.data()), qint64(packet.size()));
    if (written != qint64(packet.size())) {
        return TakeError();
    }
    return HandToDriver();
}

SerialStatus QtSerialPort::HandToDriver() {
    // QSerialPort holds bytes in its own buffer until the event loop runs; the transfer
    // watches the driver's queue, and close() would drop what is still here.
    while (port_.bytesToWrite() > 0) {
        if (!port_.waitForBytesWritten(kWriteTimeoutMs)) {
            return TakeError();
        }
    }
    return {};
}

SerialStatus QtSerialPort::QueuedBytes(int& bytes) {
    bytes = int(port_.bytesToWrite());
#ifdef Q_OS_WIN
    DWORD errors = 0;
    COMSTAT state{};
    if (!ClearCommError(port_.handle(), &errors, &state)) {
        return ToSerialError(QSerialPort::WriteError, qt_error_string(int(GetLastError())));
    }
    bytes += int(state.cbOutQue);
#else
    int queued = 0;
    if (ioctl(port_.handle(), TIOCOUTQ, &queued) != 0) {
        return ToSerialError(QSerialPort::WriteError, qt_error_string(errno));
    }
    bytes += queued;
#endif
    return {};
}

SerialStatus QtSerialPort::Drain() {
    if (SerialStatus error = HandToDriver()) {
        return error;
    }
    // Then the driver's queue, so that close() comes only once the last byte has left.
#ifdef Q_OS_WIN
    if (!FlushFileBuffers(port_.handle())) {
        return ToSerialError(QSerialPort::WriteError, qt_error_string(int(GetLastError())));
    }
#else
    int result;
    do {
        result = tcdrain(port_.handle());
    } while (result != 0 && errno == EINTR);
    if (result != 0) {
        return ToSerialError(QSerialPort::WriteError, qt_error_string(errno));
    }
#endif
    return {};
}

SerialStatus QtSerialPort::Close() {
    if (port_.isOpen()) {
        port_.close();
    }
    port_.clearError();
    return {};
}

SerialError QtSerialPort::TakeError() {
    SerialError error = ToSerialError(port_.error(), port_.errorString());
    if (error.code == 0) {
        error = ToSerialError(QSerialPort::UnknownError, port_.errorString());
    }
    port_.clearError();
    return error;
}

SerialStatus QtSerialPort::SetModemLine(bool (QSerialPort::*set)(bool), bool asserted) {
    if ((port_.*set)(asserted)) {
        return {};
    }
    // A pseudo-terminal or a virtual COM port has no modem-control lines; the box needs none
    // to receive the stream.
    if (HasNoModemLines(port_)) {
        port_.clearError();
        return {};
    }
    return TakeError();
}
