// The bytes on a real line: a pseudo-terminal whose slave end the program opens as its port,
// read back from the master end, sent by the command-line modes.
#include <gtest/gtest.h>
#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTextStream>
#include <algorithm>
#include <vector>

#include "cli/command_line.h"
#include "core/voltage_map.h"
#include "device/qt_serial_port.h"
#include "history/sent_maps.h"
#include "tests/fakes/fake_platform.h"
#include "tests/fakes/pseudo_terminal.h"
#include "tests/fakes/qt_printers.h"

namespace {

/// A file unlike the default in every field that reaches the wire: input 0 - 10 V, output
/// 0 - 5 V, both filters, 8 breakpoints all at 5 V.
constexpr char kHandPax[] =
    "10\r\n5\r\n1\r\n1\r\n8\r\n5000\r\n5000\r\n5000\r\n5000\r\n5000\r\n5000\r\n5000\r\n5000\r\n"
    "box 2\r\n";

/// Configuration byte 0x2A, then entry m for m = 1 .. 255, each packet padded with FF FF. The
/// first segment rises from 0 to 5 V over 32 entries, so entry m is 5 m / 32 V = 8 m codes,
/// and from entry 32 on 5 V is capped at 255.
std::vector<int> HandStream() {
    std::vector<int> bytes = {0x2A, 0xFF, 0xFF};
    for (int m = 1; m <= 255; ++m) {
        bytes.insert(bytes.end(), {std::min(8 * m, 255), 0xFF, 0xFF});
    }
    return bytes;
}

std::vector<int> Bytes(const QBuffer& buffer) {
    const auto* bytes = reinterpret_cast<const unsigned char*>(buffer.data().data());
    return {bytes, bytes + buffer.size()};
}

/// Sending to com 5 (this line) or com 6 (no device), or streaming to a buffer or a full disk.
TEST(Wire, CommandLineSendsTheSameBytesAndRefusesBadInput) {
    QTemporaryDir dir;
    const QString hand = dir.filePath("hand.pax");
    const QString badSpan = dir.filePath("span.pax");
    for (const auto& [path, bytes] : {std::pair(hand, QByteArray(kHandPax)),
                                      {badSpan, QByteArray("12\r\n5\r\n1\r\n1\r\n8\r\n")}}) {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
    }
    // One line per block, after packets 8, 23, 40, ... 247: N(9 * 100 / 256) = 4%, ...
    const QString progress = QStringLiteral(
        "Sending data\nSent: 4%\nSent: 9%\nSent: 16%\nSent: 22%\nSent: 29%\nSent: 34%\n"
        "Sent: 41%\nSent: 47%\nSent: 54%\nSent: 59%\nSent: 66%\nSent: 72%\nSent: 79%\n"
        "Sent: 84%\nSent: 91%\nSent: 97%\nSent: 100%\nData has been sent!\n");
    const QString badFile = "solva-tx: The data file could not be loaded:\n" + badSpan +
                            "\nBad line: 1\nA voltage span must be 5, 10 or 15.\n";
    const QString noSuchPort =
        "solva-tx: This 'Com port' does not exist in this computer! Choose other!\n"
        "Device tried: /dev/solva-tx-no-such-device\n"
        "solva-tx: sending to com 6 (/dev/solva-tx-no-such-device) failed\n";
    const QString fullDisk = "solva-tx: cannot write the stream: No space left on device\n";
    const QString badPort = "solva-tx: the port must be 1 to 16, not 17\n";
    const struct {
        QString file;
        int port;  // 0 streams instead
        int exit;
        std::vector<int> line, out;
        QString err;
        const char* outFile = nullptr;  // where the stream goes instead of a buffer
    } cases[] = {
        {hand, 5, kExitDone, HandStream(), {}, progress},
        {hand, 0, kExitDone, {}, HandStream(), QString()},
        {hand, 0, kExitNotWritten, {}, {}, fullDisk, "/dev/full"},
        {badSpan, 5, kExitBadFile, {}, {}, badFile},
        {hand, 6, kExitPortError, {}, {}, noSuchPort},
        {hand, 17, kExitUsage, {}, {}, badPort},
    };
    PseudoTerminal line;
    line.Route(5);
    qputenv("SOLVA_TX_COM6", "/dev/solva-tx-no-such-device");
    QtSerialPort port;
    FakeClock clock;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.port);
        QString err;
        QTextStream errors(&err);
        QBuffer buffer;
        QFile outFile(QString::fromLatin1(c.outFile));
        QIODevice& out = c.outFile ? static_cast<QIODevice&>(outFile) : buffer;
        ASSERT_TRUE(out.open(QIODevice::WriteOnly));
        EXPECT_EQ(c.port > 0 ? RunSendCommand(c.file, c.port, port, clock, errors, nullptr)
                             : RunStreamCommand(c.file, out, errors),
                  c.exit);
        errors.flush();
        EXPECT_EQ(line.ReadAll(), c.line);
        EXPECT_EQ(Bytes(buffer), c.out);
        EXPECT_EQ(err, c.err);
    }
    // A send that reached the line is kept, and its copy streams the same bytes.
    SentMaps sent(dir.filePath("sent"));
    QString err;
    QTextStream errors(&err);
    ASSERT_EQ(RunSendCommand(hand, 5, port, clock, errors, &sent), kExitDone);
    EXPECT_EQ(RunSendCommand(hand, 6, port, clock, errors, &sent), kExitPortError);
    EXPECT_EQ(QDir(dir.filePath("sent")).entryList(QDir::Files).size(), 1);
    EXPECT_TRUE(sent.Newest().endsWith("_com5.pax"));
    QBuffer stream;
    ASSERT_TRUE(stream.open(QIODevice::WriteOnly));
    ASSERT_EQ(RunStreamCommand(sent.Newest(), stream, errors), kExitDone);
    EXPECT_EQ(Bytes(stream), HandStream());
    // A send cut off on com 6 leaves no copy standing for what a box holds.
    MapContent six;
    FillStartLine(six);
    WriteResult begun;
    const QString cutOff =
        sent.BeginSend(six, 6, QDateTime(QDate(2026, 12, 7), QTime(9, 0)), begun);
    QString lastSent, why;
    QTextStream lastSentOut(&lastSent), whyOut(&why);
    EXPECT_EQ(RunLastSentCommand(sent, lastSentOut, whyOut), kExitPortError);
    EXPECT_EQ(lastSent, "");
    EXPECT_EQ(why,
              "solva-tx: the send of 2026-12-07 09:00:00, com 6 was cut off: what that BOX "
              "holds is not known; the map being sent: " +
                  QDir::toNativeSeparators(cutOff) + "\n");
    // --checksum: zlib.crc32 of the bytes above, worked out in Python.
    QBuffer checksum;
    ASSERT_TRUE(checksum.open(QIODevice::WriteOnly));
    ASSERT_EQ(RunStreamCommand(hand, checksum, errors, true), kExitDone);
    EXPECT_EQ(checksum.data(), "52D795A1\n");
    // Without a route, com N is the N-th standard serial port.
    qunsetenv("SOLVA_TX_COM9");
    EXPECT_EQ(PortDeviceName(9), QStringLiteral("/dev/ttyS8"));
}

}  // namespace
