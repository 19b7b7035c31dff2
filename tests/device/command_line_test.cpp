#include <gtest/gtest.h>
#include <poll.h>
#include <pty.h>
#include <unistd.h>
#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTextStream>

#include "command_line.h"
#include "device_fakes.h"
#include "hand_map.h"
#include "pax_data.h"
#include "pax_format.h"

namespace {

/// The hand map as a user would write it: spans, filters, resolution, millivolts, note.
const char kHandPax[] =
    "10\r\n5\r\n1\r\n1\r\n8\r\n1250\r\n2500\r\n2500\r\n5000\r\n0\r\n625\r\n3750\r\n4000\r\n"
    "box 2\r\n";

std::vector<int> DefaultStream() {
    std::vector<int> bytes = {0x05, 0xFF, 0xFF};
    for (int k = 1; k <= 255; ++k) {
        bytes.insert(bytes.end(), {k, 0xFF, 0xFF});
    }
    return bytes;
}

std::vector<int> Bytes(const QByteArray& data) {
    return std::vector<int>(reinterpret_cast<const unsigned char*>(data.constData()),
                            reinterpret_cast<const unsigned char*>(data.constData()) + data.size());
}

class CommandLine : public ::testing::Test {
protected:
    QString Write(const QString& name, const QByteArray& bytes) {
        const QString path = dir_.filePath(name);
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        return path;
    }
    QString DefaultPax() {
        VoltageMap map;
        FillStartLine(map);
        return Write("default.pax", EncodePax(PaxDataFromMap(map, QString())));
    }

    QTemporaryDir dir_;
    QString errText_;
    QTextStream err_{&errText_};
};

TEST_F(CommandLine, StreamWritesTheBytesOfTheFile) {
    const std::pair<QString, std::vector<int>> cases[] = {
        {Write("hand.pax", kHandPax), HandStream()},
        {DefaultPax(), DefaultStream()},
    };
    for (const auto& [path, expected] : cases) {
        QBuffer out;
        out.open(QIODevice::WriteOnly);
        EXPECT_EQ(RunStreamCommand(path, out, err_), kExitSent) << errText_.toStdString();
        EXPECT_EQ(Bytes(out.data()), expected) << path.toStdString();
        EXPECT_TRUE(errText_.isEmpty());
    }
}

TEST_F(CommandLine, BadFileWritesAndSendsNothing) {
    const QString cases[] = {
        dir_.filePath("missing.pax"),
        Write("span.pax", "12\r\n5\r\n1\r\n1\r\n8\r\n"),
        Write("short.pax", "10\r\n5\r\n1\r\n1\r\n8\r\n1250\r\n"),
    };
    for (const QString& path : cases) {
        SCOPED_TRACE(path.toStdString());
        errText_.clear();
        QBuffer out;
        out.open(QIODevice::WriteOnly);
        EXPECT_EQ(RunStreamCommand(path, out, err_), kExitBadFile);
        EXPECT_TRUE(out.data().isEmpty());
        EXPECT_TRUE(errText_.startsWith("solva-tx: The data file could not be loaded:\n" + path))
            << errText_.toStdString();

        errText_.clear();
        FakeClock clock;
        CallLog log{clock};
        FakeSerialPort port{log};
        EXPECT_EQ(RunSendCommand(path, 1, port, clock, err_), kExitBadFile);
        EXPECT_TRUE(log.calls.empty());
        EXPECT_FALSE(errText_.isEmpty());
    }
}

TEST_F(CommandLine, SendShowsProgressOnTheErrorStream) {
    FakeClock clock;
    CallLog log{clock};
    FakeSerialPort port{log};
    EXPECT_EQ(RunSendCommand(Write("hand.pax", kHandPax), 4, port, clock, err_), kExitSent);
    EXPECT_EQ(log.What().front(), "SelectPort 4");
    EXPECT_EQ(log.What()[7], "Write 2A FF FF");
    EXPECT_EQ(log.Count("Write"), 256);
    // One line per block: after packets 8, 23, 40, ... 247 (N(9 * 100 / 256) = 4, ...),
    // then the last percentage.
    EXPECT_EQ(errText_.toStdString(),
              std::string("Sending data\nSent: 4%\nSent: 9%\nSent: 16%\n"
                          "Sent: 22%\nSent: 29%\nSent: 34%\nSent: 41%\nSent: 47%\n"
                          "Sent: 54%\nSent: 59%\nSent: 66%\nSent: 72%\nSent: 79%\n"
                          "Sent: 84%\nSent: 91%\nSent: 97%\nSent: 100%\n"
                          "Data has been sent!\n"));
}

TEST_F(CommandLine, PortErrorsEndWithAStatusOfTwo) {
    const QString path = DefaultPax();
    FakeClock clock;
    CallLog log{clock};
    FakeSerialPort port{log};
    port.FailAt("Open", 1, {kNoSuchPortCode, QStringLiteral("No such file or directory")});
    EXPECT_EQ(RunSendCommand(path, 5, port, clock, err_), kExitPortError);
    EXPECT_TRUE(
        errText_.startsWith("solva-tx: This 'Com port' does not exist in this computer! "
                            "Choose other!\nsolva-tx: sending to com 5 ("))
        << errText_.toStdString();
    EXPECT_EQ(log.Count("Write"), 0);

    for (int outOfRange : {0, 17}) {
        log.calls.clear();
        EXPECT_EQ(RunSendCommand(path, outOfRange, port, clock, err_), kExitPortError);
        EXPECT_TRUE(log.calls.empty());
    }
}

/// The command-line driver in a process of its own, sending to a pseudo-terminal.
TEST_F(CommandLine, SendFromTheCommandLineReachesTheWire) {
    int master = -1;
    int slave = -1;
    char name[256];
    ASSERT_EQ(openpty(&master, &slave, name, nullptr, nullptr), 0);

    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("SOLVA_TX_COM5", QString::fromLocal8Bit(name));
    process.setProcessEnvironment(environment);
    process.start(QStringLiteral(DEVICE_CLI_DRIVER),
                  {"--instant", "--send", Write("hand.pax", kHandPax), "--port", "5"});
    ASSERT_TRUE(process.waitForFinished(20000));
    EXPECT_EQ(process.exitCode(), kExitSent) << process.readAllStandardError().toStdString();

    std::vector<int> received;
    pollfd ready{master, POLLIN, 0};
    while (poll(&ready, 1, 200) == 1 && (ready.revents & POLLIN)) {
        unsigned char buffer[1024];
        const ssize_t n = ::read(master, buffer, sizeof buffer);
        if (n <= 0) {
            break;
        }
        received.insert(received.end(), buffer, buffer + n);
    }
    ::close(master);
    ::close(slave);
    EXPECT_EQ(received, HandStream());
}

}  // namespace
