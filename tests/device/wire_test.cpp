// The bytes on a real line: a pseudo-terminal whose slave end the program opens as its port,
// read back from the master end, sent by the command-line modes.
#include <gtest/gtest.h>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include "command_line.h"
#include "expected_streams.h"
#include "pseudo_terminal.h"
#include "qt_printers.h"
#include "qt_serial_port.h"

namespace {

std::vector<int> Bytes(const QByteArray& data) {
    return {reinterpret_cast<const unsigned char*>(data.data()),
            reinterpret_cast<const unsigned char*>(data.data()) + data.size()};
}

/// The driver of the command-line modes, sending to com 5 (this line) or com 6 (no device).
TEST(Wire, CommandLineSendsTheSameBytesAndRefusesBadInput) {
    QTemporaryDir dir;
    const QString hand = dir.filePath("hand.pax");
    const QString badSpan = dir.filePath("span.pax");
    const std::pair<QString, QByteArray> files[] = {{hand, kHandPax},
                                                    {badSpan, "12\r\n5\r\n1\r\n1\r\n8\r\n"}};
    for (const auto& [path, bytes] : files) {
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
    struct Case {
        QStringList args;
        int exit;
        std::vector<int> line, out;
        QString err;
        const char* stdoutFile = nullptr;  // where the standard output goes instead of a pipe
    };
    const Case cases[] = {
        {{"--send", hand, "--port", "5"}, kExitSent, HandStream(), {}, progress},
        {{"--stream", hand}, kExitSent, {}, HandStream(), QString()},
        {{"--stream", hand}, kExitOutputError, {}, {}, fullDisk, "/dev/full"},
        {{"--send", badSpan, "--port", "5"}, kExitBadFile, {}, {}, badFile},
        {{"--send", hand, "--port", "6"}, kExitPortError, {}, {}, noSuchPort},
        {{"--send", hand, "--port", "17"}, kExitPortError, {}, {}, badPort},
    };
    PseudoTerminal line;
    line.Route(5);
    qputenv("SOLVA_TX_COM6", "/dev/solva-tx-no-such-device");
    for (const Case& c : cases) {
        SCOPED_TRACE(c.args.join(' ').toStdString());
        QProcess process;
        if (c.stdoutFile != nullptr) {
            process.setStandardOutputFile(QString::fromLatin1(c.stdoutFile));
        }
        process.start(QStringLiteral(DEVICE_CLI_DRIVER), c.args);
        ASSERT_TRUE(process.waitForFinished(20000));
        const QString err = QString::fromUtf8(process.readAllStandardError());
        EXPECT_EQ(process.exitCode(), c.exit);
        EXPECT_EQ(line.ReadAll(), c.line);
        EXPECT_EQ(Bytes(process.readAllStandardOutput()), c.out);
        EXPECT_EQ(err, c.err);
    }
    // Without a route, com N is the N-th standard serial port.
    qunsetenv("SOLVA_TX_COM9");
    EXPECT_EQ(PortDeviceName(9), QStringLiteral("/dev/ttyS8"));
}

}  // namespace
