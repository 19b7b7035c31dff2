#pragma once

#include <QList>
#include <QString>

/// A serial device of this computer, as the system reports it.
struct SerialDevice {
    QString path;  ///< what a port opens: /dev/ttyUSB0, or COM7 on Windows
    /// The name that stays with the adapter when it is plugged in again: its
    /// /dev/serial/by-id link where there is one, else the path.
    QString stablePath;
    QString description;
    QString manufacturer;
    QString serialNumber;
};

/// Every serial device the system knows of now.
QList<SerialDevice> FindSerialDevices();

/// The link in byIdFolder that points to device, or device itself when none does.
QString StableDevicePath(const QString& device,
                         const QString& byIdFolder = QStringLiteral("/dev/serial/by-id"));
