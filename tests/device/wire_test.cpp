// The real port layer on a pseudo-terminal: what the program writes to the slave end is
// read back, byte for byte, from the master end.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <poll.h>
#include <pty.h>
#include <unistd.h>
#include <QLabel>

#include "device_fakes.h"
#include "hand_map.h"
#include "progress_window.h"
#include "qt_serial_port.h"
#include "send_map.h"
#include "texts.h"
#include "voltage_map.h"

namespace {

class PseudoTerminal {
public:
    PseudoTerminal() {
        char name[256];
        if (openpty(&master_, &slave_, name, nullptr, nullptr) != 0) {
            ADD_FAILURE() << "openpty failed";
            return;
        }
        slaveName_ = name;
    }
    ~PseudoTerminal() {
        CloseMaster();
        if (slave_ >= 0) {
            ::close(slave_);
        }
    }
    const std::string& SlaveName() const { return slaveName_; }
    void CloseMaster() {
        if (master_ >= 0) {
            ::close(master_);
            master_ = -1;
        }
    }

    /// Everything that has arrived, once nothing more comes for a while.
    std::vector<int> ReadAll() const {
        std::vector<int> bytes;
        pollfd ready{master_, POLLIN, 0};
        while (poll(&ready, 1, 200) == 1 && (ready.revents & POLLIN)) {
            unsigned char buffer[1024];
            const ssize_t n = ::read(master_, buffer, sizeof buffer);
            if (n <= 0) {
                break;
            }
            bytes.insert(bytes.end(), buffer, buffer + n);
        }
        return bytes;
    }

private:
    int master_ = -1;
    int slave_ = -1;  ///< held open so that the line never hangs up between transfers
    std::string slaveName_;
};

/// The window's send command, with the real port and progress window and a clock that
/// does not sleep.
struct WireRig {
    QWidget mainWindow;
    Texts texts{UiLanguage::Hun};
    ProgressWindow progress{&mainWindow, texts};
    QtSerialPort port;
    FakeClock clock;
    FakeMessageBox messageBox;
    DeviceTransfer transfer{port, progress, clock, messageBox, texts};
};

void RoutePort(int portNumber, const std::string& device) {
    qputenv(qPrintable(QStringLiteral("SOLVA_TX_COM%1").arg(portNumber)), device.c_str());
}

std::vector<int> DefaultStream() {
    std::vector<int> bytes = {0x05, 0xFF, 0xFF};
    for (int k = 1; k <= 255; ++k) {
        bytes.insert(bytes.end(), {k, 0xFF, 0xFF});
    }
    return bytes;
}

TEST(Wire, DefaultMapAndHandMapArriveByteForByte) {
    struct Case {
        const char* name;
        VoltageMap map;
        std::vector<int> expected;
    };
    VoltageMap defaultMap;
    FillStartLine(defaultMap);
    const Case cases[] = {{"default", defaultMap, DefaultStream()},
                          {"hand", HandMap(), HandStream()}};
    PseudoTerminal pty;
    RoutePort(7, pty.SlaveName());
    WireRig rig;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        VoltageMap map = c.map;
        map.PortNumber = 7;
        ASSERT_TRUE(rig.transfer.SendMapToDevice(map));
        EXPECT_TRUE(rig.messageBox.shown.empty());
        const std::vector<int> received = pty.ReadAll();
        ASSERT_EQ(received.size(), 768u);
        for (size_t i = 0; i < received.size(); ++i) {
            EXPECT_EQ(received[i], c.expected[i]) << "offset " << i;
        }
    }
}

TEST(Wire, PortThatIsNotThereGivesTheNoSuchPortMessage) {
    RoutePort(9, "/dev/solva-tx-no-such-device");
    WireRig rig;
    VoltageMap map;
    FillStartLine(map);
    map.PortNumber = 9;
    EXPECT_FALSE(rig.transfer.SendMapToDevice(map));
    ASSERT_EQ(rig.messageBox.shown.size(), 1u);
    EXPECT_EQ(rig.messageBox.shown[0].prompt,
              QStringLiteral("A megadott számú 'Com Port' nem létezik a számítógépen! "
                             "Válasszon másikat!"));
    EXPECT_EQ(rig.progress.Window(), nullptr);
}

TEST(Wire, DeviceThatIsNoSerialPortGivesItsDescriptionAndCode) {
    RoutePort(10, "/dev/null");
    WireRig rig;
    rig.texts.SetLanguage(UiLanguage::Eng);
    VoltageMap map;
    FillStartLine(map);
    map.PortNumber = 10;
    EXPECT_FALSE(rig.transfer.SendMapToDevice(map));
    ASSERT_EQ(rig.messageBox.shown.size(), 1u);
    EXPECT_EQ(
        rig.messageBox.shown[0].prompt,
        QStringLiteral("[ERROR: Serial port]: 'Inappropriate ioctl for device.' Errorcode: 8107"));
}

/// Hangs the line up once the percentage reaches a given text.
class HangUpAt : public FakeProgressView {
public:
    HangUpAt(CallLog& log, PseudoTerminal& pty, QString at)
        : FakeProgressView(log), pty_(pty), at_(std::move(at)) {}
    void SetPercentText(const QString& text) override {
        FakeProgressView::SetPercentText(text);
        if (text == at_) {
            pty_.CloseMaster();
        }
    }

private:
    PseudoTerminal& pty_;
    QString at_;
};

TEST(Wire, AfterALineLostMidwayTheSamePortSendsAgain) {
    PseudoTerminal lost;
    PseudoTerminal good;
    FakeClock clock;
    CallLog log{clock};
    HangUpAt view{log, lost, QStringLiteral("25%")};
    QtSerialPort port;
    FakeMessageBox messageBox;
    Texts texts{UiLanguage::Hun};
    DeviceTransfer transfer{port, view, clock, messageBox, texts};
    VoltageMap map;
    FillStartLine(map);
    map.PortNumber = 11;

    RoutePort(11, lost.SlaveName());
    EXPECT_FALSE(transfer.SendMapToDevice(map));
    ASSERT_EQ(messageBox.shown.size(), 1u);
    EXPECT_TRUE(messageBox.shown[0].prompt.startsWith(QStringLiteral("[HIBA: Soros port]: '")))
        << messageBox.shown[0].prompt.toStdString();
    EXPECT_EQ(log.What().back(), "View Hide");

    RoutePort(11, good.SlaveName());
    EXPECT_TRUE(transfer.SendMapToDevice(map));
    EXPECT_EQ(messageBox.shown.size(), 1u);
    EXPECT_EQ(good.ReadAll(), DefaultStream());
}

TEST(Wire, PortNumbersNameDevices) {
    qunsetenv("SOLVA_TX_COM3");
    EXPECT_EQ(PortDeviceName(3), QStringLiteral("/dev/ttyS2"));
    EXPECT_EQ(PortDeviceName(16), QStringLiteral("/dev/ttyS15"));
    qputenv("SOLVA_TX_COM3", "/dev/ttyUSB0");
    EXPECT_EQ(PortDeviceName(3), QStringLiteral("/dev/ttyUSB0"));
    EXPECT_EQ(PortDeviceName(13), QStringLiteral("/dev/ttyS12"));
    qunsetenv("SOLVA_TX_COM3");
}

}  // namespace
