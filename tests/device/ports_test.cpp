// Which device com N opens.
#include <gtest/gtest.h>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTextStream>

#include "cli/command_line.h"
#include "device/port_names.h"
#include "device/serial_devices.h"
#include "tests/fakes/qt_printers.h"

// The environment wins over the user's assignment, which wins over the default.
TEST(Ports, ListingNamesEachDeviceAndWhereItComesFrom) {
    QTemporaryDir dir;
    PortAssignments assignments(dir.filePath("user.ini"));
    assignments.Assign(3, "/dev/ttyUSB1");
    assignments.Assign(4, "/dev/serial/by-id/usb-A");
    qputenv("SOLVA_TX_COM3", "/tmp/box-line");
    qunsetenv("SOLVA_TX_COM4");
    qunsetenv("SOLVA_TX_COM16");
    QString text;
    QTextStream out(&text);
    RunPortsCommand(out, assignments,
                    {{"/dev/ttyUSB0", "/dev/serial/by-id/usb-A", "USB UART", "FTDI", "A5"},
                     {"/dev/ttyS0", "/dev/ttyS0", {}, {}, {}}});
#ifdef Q_OS_WIN
    const QString com16 = "COM16";
#else
    const QString com16 = "/dev/ttyS15";
#endif
    EXPECT_EQ(text.split('\n').mid(2, 2) + text.split('\n').mid(15),
              QStringList({"com 3   /tmp/box-line  (environment variable SOLVA_TX_COM3)",
                           "com 4   /dev/serial/by-id/usb-A  (assigned by the user)",
                           "com 16  " + com16 + "  (default)", "", "Serial devices found:",
                           "  /dev/ttyUSB0  USB UART  maker: FTDI  serial number: A5  stable "
                           "name: /dev/serial/by-id/usb-A",
                           "  /dev/ttyS0", ""}));
}

TEST(Ports, TheStableNameIsTheByIdLinkToTheDevice) {
    QTemporaryDir dir;
    for (const char* device : {"ttyUSB0", "ttyUSB1"}) {
        QFile(dir.filePath(device)).open(QIODevice::WriteOnly);
    }
    QDir(dir.path()).mkdir("by-id");
    QFile::link(dir.filePath("ttyUSB1"), dir.filePath("by-id/usb-B"));
    EXPECT_EQ(StableDevicePath(dir.filePath("ttyUSB1"), dir.filePath("by-id")),
              dir.filePath("by-id/usb-B"));
    EXPECT_EQ(StableDevicePath(dir.filePath("ttyUSB0"), dir.filePath("by-id")),
              dir.filePath("ttyUSB0"));
}
