// Which device com N opens, and the copy of the map that a command-line send keeps.
#include <gtest/gtest.h>
#include <QBuffer>
#include <QFile>
#include <QTemporaryDir>
#include <QTextStream>

#include "command_line.h"
#include "expected_streams.h"
#include "fake_platform.h"
#include "null_serial_port.h"
#include "port_names.h"
#include "qt_printers.h"
#include "send_map.h"
#include "sent_maps.h"
#include "serial_devices.h"

namespace {

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
    EXPECT_EQ(text.split('\n').mid(2, 2) + text.split('\n').mid(15),
              QStringList({"com 3   /tmp/box-line  (environment variable SOLVA_TX_COM3)",
                           "com 4   /dev/serial/by-id/usb-A  (assigned by the user)",
                           "com 16  /dev/ttyS15  (default)", "", "Serial devices found:",
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

struct NoSuchPort : NullSerialPort {
    SerialStatus Open() override { return SerialError{kNoSuchPortCode, {}}; }
};

// The kept copy puts the same 768 bytes on the line; a send that fails keeps nothing.
TEST(Ports, ASendThatReachedTheLineIsKeptAndAFailedOneIsNot) {
    QTemporaryDir dir;
    QFile pax(dir.filePath("hand.pax"));
    ASSERT_TRUE(pax.open(QIODevice::WriteOnly) && pax.write(kHandPax) > 0 && pax.flush());
    SentMaps sent(dir.filePath("sent"));
    NullSerialPort port;
    NoSuchPort noPort;
    FakeClock clock;
    QString messages;
    QTextStream err(&messages);
    ASSERT_EQ(RunSendCommand(pax.fileName(), 5, port, clock, err, &sent), kExitSent);
    EXPECT_EQ(RunSendCommand(pax.fileName(), 6, noPort, clock, err, &sent), kExitPortError);
    ASSERT_EQ(QDir(dir.filePath("sent")).entryList(QDir::Files).size(), 1);
    QBuffer stream;
    stream.open(QIODevice::WriteOnly);
    ASSERT_EQ(RunStreamCommand(sent.Newest(), stream, err), kExitSent);
    EXPECT_TRUE(sent.Newest().endsWith("_com5.pax"));
    const auto* bytes = reinterpret_cast<const unsigned char*>(stream.data().data());
    EXPECT_EQ(std::vector<int>(bytes, bytes + stream.size()), HandStream());
}

}  // namespace
