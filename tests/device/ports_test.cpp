// Which device com N opens, and the copy of the map that a command-line send keeps.
#include <gtest/gtest.h>
#include <QBuffer>
#include <QFile>
#include <QTemporaryDir>
#include <QTextStream>

#include "command_line.h"
#include "expected_streams.h"
#include "fake_platform.h"
#include "port_names.h"
#include "pseudo_terminal.h"
#include "qt_printers.h"
#include "qt_serial_port.h"
#include "sent_maps.h"
#include "serial_devices.h"

namespace {

// The environment wins over the user's assignment, which wins over the default.
TEST(Ports, ListingNamesEachDeviceAndWhereItComesFrom) {
    QTemporaryDir dir;
    PortAssignments assignments(dir.filePath("user.ini"));
    assignments.Assign(3, "/dev/ttyUSB1");
    assignments.Assign(4, "/dev/serial/by-id/usb-FTDI_A5-if00-port0");
    qputenv("SOLVA_TX_COM3", "/tmp/box-line");
    qunsetenv("SOLVA_TX_COM4");
    qunsetenv("SOLVA_TX_COM16");
    const QList<SerialDevice> devices = {
        {"/dev/ttyUSB0", "/dev/serial/by-id/usb-FTDI_A5-if00-port0", "FT232R USB UART", "FTDI",
         "A5"},
        {"/dev/ttyS0", "/dev/ttyS0", {}, {}, {}}};
    QString text;
    QTextStream out(&text);
    RunPortsCommand(out, assignments, devices);
    const QStringList lines = text.split('\n');
    ASSERT_EQ(lines.size(), 21);
    EXPECT_EQ(lines[2], "com 3   /tmp/box-line  (environment variable SOLVA_TX_COM3)");
    EXPECT_EQ(lines[3], "com 4   /dev/serial/by-id/usb-FTDI_A5-if00-port0  (assigned by the user)");
    EXPECT_EQ(lines[15], "com 16  /dev/ttyS15  (default)");
    EXPECT_EQ(lines[17], "Serial devices found:");
    EXPECT_EQ(lines[18],
              "  /dev/ttyUSB0  FT232R USB UART  maker: FTDI  serial number: A5  "
              "stable name: /dev/serial/by-id/usb-FTDI_A5-if00-port0");
    EXPECT_EQ(lines[19], "  /dev/ttyS0");
    assignments.Assign(4, {});
    EXPECT_EQ(ResolvePort(4, assignments).name, "/dev/ttyS3");
}

TEST(Ports, TheStableNameIsTheByIdLinkToTheDevice) {
    QTemporaryDir dir;
    QFile(dir.filePath("ttyUSB0")).open(QIODevice::WriteOnly);
    QFile(dir.filePath("ttyUSB1")).open(QIODevice::WriteOnly);
    QDir(dir.path()).mkdir("by-id");
    QFile::link(dir.filePath("ttyUSB1"), dir.filePath("by-id/usb-B"));
    EXPECT_EQ(StableDevicePath(dir.filePath("ttyUSB1"), dir.filePath("by-id")),
              dir.filePath("by-id/usb-B"));
    EXPECT_EQ(StableDevicePath(dir.filePath("ttyUSB0"), dir.filePath("by-id")),
              dir.filePath("ttyUSB0"));
}

TEST(Ports, ASendThatReachedTheLineIsKeptAndAFailedOneIsNot) {
    QTemporaryDir dir;
    const QString pax = dir.filePath("hand.pax");
    QFile file(pax);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly) && file.write(kHandPax) > 0);
    file.close();
    PseudoTerminal line;
    line.Route(5);
    qputenv("SOLVA_TX_COM6", "/dev/solva-tx-no-such-device");
    SentMaps sent(dir.filePath("sent"));
    QtSerialPort port;
    FakeClock clock;
    QString messages;
    QTextStream err(&messages);
    ASSERT_EQ(RunSendCommand(pax, 5, port, clock, err, &sent), kExitSent);
    ASSERT_EQ(line.ReadAll(), HandStream());
    const QString kept = sent.Newest();
    EXPECT_TRUE(kept.endsWith("_com5.pax")) << kept.toStdString();
    EXPECT_EQ(RunSendCommand(pax, 6, port, clock, err, &sent), kExitPortError);
    EXPECT_EQ(QDir(dir.filePath("sent")).entryList(QDir::Files).size(), 1);

    QBuffer stream;
    stream.open(QIODevice::WriteOnly);
    ASSERT_EQ(RunStreamCommand(kept, stream, err), kExitSent);
    const QByteArray& bytes = stream.data();
    EXPECT_EQ(std::vector<int>(reinterpret_cast<const unsigned char*>(bytes.begin()),
                               reinterpret_cast<const unsigned char*>(bytes.end())),
              HandStream());
}

}  // namespace
