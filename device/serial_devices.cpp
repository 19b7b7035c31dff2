#include "device/serial_devices.h"

#include <QDir>
#include <QFileInfo>
#include <QSerialPortInfo>

QList<SerialDevice> FindSerialDevices() {
    QList<SerialDevice> devices;
    for (const QSerialPortInfo& info : QSerialPortInfo::availablePorts()) {
#ifdef Q_OS_WIN
        // Windows gives adapters their COM number for good; there is no stabler name.
        const QString path = info.portName();
        const QString stablePath = path;
#else
        const QString path = info.systemLocation();
        const QString stablePath = StableDevicePath(path);
#endif
        devices.append(
            {path, stablePath, info.description(), info.manufacturer(), info.serialNumber()});
    }
    return devices;
}

QString StableDevicePath(const QString& device, const QString& byIdFolder) {
    const QString target = QFileInfo(device).canonicalFilePath();
    const QFileInfoList links =
        QDir(byIdFolder)
            .entryInfoList(QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot, QDir::Name);
    for (const QFileInfo& link : links) {
        if (!target.isEmpty() && link.isSymLink() && link.canonicalFilePath() == target) {
            return link.absoluteFilePath();
        }
    }
    return device;
}
