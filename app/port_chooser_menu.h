#pragma once

#include <QList>
#include <QObject>
#include <functional>

#include "device/serial_devices.h"

class PopupMenu;
class PortAssignments;
class QComboBox;
class Texts;

/// The right-click menu of the port chooser: which device the chosen com number opens and
/// why, the serial devices found to give it instead, and its default device.
class PortChooserMenu : public QObject {
    Q_OBJECT

public:
    using DeviceFinder = std::function<QList<SerialDevice>()>;

    PortChooserMenu(QComboBox* Combo1, PopupMenu& menu, PortAssignments& assignments,
                    const Texts& texts, DeviceFinder findDevices = FindSerialDevices,
                    QObject* parent = nullptr);

private:
    void Open(const QPoint& pos);

    QComboBox* Combo1_;
    PopupMenu& menu_;
    PortAssignments& assignments_;
    const Texts& texts_;
    DeviceFinder findDevices_;
};
