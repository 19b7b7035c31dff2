#include <gtest/gtest.h>

#include "device_fakes.h"
#include "send_map.h"
#include "send_stream.h"
#include "texts.h"
#include "voltage_map.h"

using namespace std::chrono_literals;

namespace {

struct TransferRig {
    FakeClock clock;
    CallLog log{clock};
    FakeSerialPort port{log};
    FakeProgressView view{log};
    FakeMessageBox messageBox;
    Texts texts{UiLanguage::Hun};
    DeviceTransfer transfer{port, view, clock, messageBox, texts};
    VoltageMap map;

    TransferRig() { FillStartLine(map); }

    std::chrono::milliseconds TimeOf(const std::string& what) const {
        for (const LoggedCall& call : log.calls) {
            if (call.what == what) {
                return call.at;
            }
        }
        ADD_FAILURE() << "no call " << what;
        return {};
    }
};

std::string WriteOf(int payload) {
    char text[32];
    std::snprintf(text, sizeof text, "Write %02X FF FF", payload);
    return text;
}

std::vector<std::string> PortCalls(const CallLog& log) {
    std::vector<std::string> calls;
    for (const std::string& what : log.What()) {
        if (what.rfind("View", 0) != 0) {
            calls.push_back(what);
        }
    }
    return calls;
}

TEST(SendMap, PortOperationsInOrder) {
    TransferRig rig;
    rig.map.PortNumber = 3;
    ASSERT_TRUE(rig.transfer.SendMapToDevice(rig.map));

    std::vector<std::string> expected = {
        "SelectPort 3", "LineSettings 2400,n,8,1 noflow", "Dtr on", "Rts off", "Open", "Break on",
        "Break off"};
    expected.push_back(WriteOf(0x05));
    expected.push_back("Drain");
    for (int k = 1; k <= 255; ++k) {
        expected.push_back(WriteOf(k));
        expected.push_back("Drain");
    }
    expected.push_back("Close");
    EXPECT_EQ(PortCalls(rig.log), expected);
    EXPECT_TRUE(rig.messageBox.shown.empty());
    EXPECT_FALSE(rig.port.IsOpen());
}

TEST(SendMap, BreakLastsHalfASecondAndTheWindowShowsAfterIt) {
    TransferRig rig;
    ASSERT_TRUE(rig.transfer.SendMapToDevice(rig.map));
    EXPECT_EQ(rig.TimeOf("Break off") - rig.TimeOf("Break on"), 500ms);
    const std::vector<std::string> what = rig.log.What();
    const auto breakOff = std::find(what.begin(), what.end(), "Break off");
    ASSERT_NE(breakOff, what.end());
    EXPECT_EQ(*(breakOff + 1), "View Show");
    EXPECT_EQ(*(breakOff + 2), WriteOf(0x05));
}

TEST(SendMap, EndDisplayFollowsTheCloseAndLastsOnePointFiveSeconds) {
    TransferRig rig;
    ASSERT_TRUE(rig.transfer.SendMapToDevice(rig.map));
    const std::vector<std::string> what = rig.log.What();
    const std::vector<std::string> tail(what.end() - 5, what.end());
    EXPECT_EQ(tail, (std::vector<std::string>{"Close", "View Repaint", "View EndDisplay",
                                              "View Repaint", "View Close"}));
    EXPECT_EQ(rig.TimeOf("View EndDisplay") - rig.TimeOf("Close"), 300ms);
    EXPECT_EQ(rig.TimeOf("View Close") - rig.TimeOf("View EndDisplay"), 1500ms);
    EXPECT_FALSE(rig.view.exists);
}

TEST(SendMap, TakesNoInputButKeepsPainting) {
    TransferRig rig;
    ASSERT_TRUE(rig.transfer.SendMapToDevice(rig.map));
    EXPECT_EQ(rig.clock.eventPasses, 1);  // the one pass before the transfer starts
    EXPECT_GE(rig.clock.paintPasses, 256);
    for (std::chrono::milliseconds slept : rig.clock.sleeps) {
        EXPECT_LE(slept, 20ms);
    }
}

TEST(SendMap, RebuildsTheDeviceTableBeforeSending) {
    TransferRig rig;
    rig.map.DeviceTable.fill(7);  // stale
    ASSERT_TRUE(rig.transfer.SendMapToDevice(rig.map));
    EXPECT_EQ(rig.log.Count(WriteOf(7)), 1);  // packet 7 only
    EXPECT_EQ(rig.log.Count(WriteOf(200)), 1);
}

TEST(SendMap, ProgressBlocksAndPercentagesFollowThePackets) {
    TransferRig rig;
    ASSERT_TRUE(rig.transfer.SendMapToDevice(rig.map));
    // Packet k is the k-th percentage text; a block shows just before the text of its packet.
    std::map<int, int> blockAfterPacket;
    std::map<int, std::string> percentAfterPacket;
    int packet = 0;
    std::vector<int> pendingBlocks;
    for (const std::string& what : rig.log.What()) {
        if (what.rfind("View Block ", 0) == 0) {
            pendingBlocks.push_back(std::stoi(what.substr(11)));
        } else if (what.rfind("View Percent ", 0) == 0) {
            ++packet;
            percentAfterPacket[packet] = what.substr(13);
            for (int block : pendingBlocks) {
                blockAfterPacket[block] = packet;
            }
            pendingBlocks.clear();
        }
    }
    EXPECT_EQ(packet, 255);
    EXPECT_TRUE(pendingBlocks.empty());
    const int blockPackets[16] = {8,   23,  40,  55,  72,  87,  104, 119,
                                  136, 151, 168, 183, 200, 215, 232, 247};
    ASSERT_EQ(blockAfterPacket.size(), 16u);
    for (int block = 0; block < 16; ++block) {
        EXPECT_EQ(blockAfterPacket[block], blockPackets[block]) << "block " << block;
    }
    const std::pair<int, const char*> percents[] = {{1, "1%"},    {31, "12%"},   {95, "38%"},
                                                    {127, "50%"}, {128, "50%"},  {2, "1%"},
                                                    {3, "2%"},    {254, "100%"}, {255, "100%"}};
    for (const auto& [k, text] : percents) {
        EXPECT_EQ(percentAfterPacket[k], text) << "packet " << k;
    }
}

TEST(SendMap, BlockShowsWithARepaint) {
    TransferRig rig;
    ASSERT_TRUE(rig.transfer.SendMapToDevice(rig.map));
    const std::vector<std::string> what = rig.log.What();
    for (size_t i = 0; i + 1 < what.size(); ++i) {
        if (what[i].rfind("View Block", 0) == 0) {
            EXPECT_EQ(what[i + 1], "View Repaint") << what[i];
        }
    }
}

TEST(SendMap, MissingPortShowsOneMessageAndSendsNothing) {
    TransferRig rig;
    rig.map.PortNumber = 16;
    rig.port.FailAt("Open", 1, {kNoSuchPortCode, QStringLiteral("No such file or directory")});
    EXPECT_FALSE(rig.transfer.SendMapToDevice(rig.map));

    ASSERT_EQ(rig.messageBox.shown.size(), 1u);
    const ShownMessage& box = rig.messageBox.shown[0];
    EXPECT_EQ(box.prompt, QStringLiteral("A megadott számú 'Com Port' nem létezik a számítógépen! "
                                         "Válasszon másikat!"));
    EXPECT_EQ(box.title, QStringLiteral("SOLVA-TX"));
    EXPECT_EQ(box.buttons, MessageButtons::Ok);
    EXPECT_EQ(box.icon, MessageIcon::None);
    EXPECT_EQ(rig.log.Count("Write"), 0);
    EXPECT_EQ(rig.log.Count("Break"), 0);
    EXPECT_EQ(rig.log.Count("View Show"), 0);
    EXPECT_EQ(rig.log.What().back(), "View Hide");
}

struct MidFailureCase {
    const char* operation;
    int call;
    UiLanguage language;
    int writesDone;  ///< write calls, the failing one included
    const char* prompt;
};

TEST(SendMap, FailureInTheMiddleClosesThePortAndHidesTheWindow) {
    const MidFailureCase cases[] = {
        {"Write", 101, UiLanguage::Hun, 101,
         "[HIBA: Soros port]: 'Input/output error.' Hibakód: 8104"},
        {"Drain", 40, UiLanguage::Eng, 40,
         "[ERROR: Serial port]: 'Input/output error.' Errorcode: 8104"},
        {"Break", 2, UiLanguage::Hun, 0, "[HIBA: Soros port]: 'Input/output error.' Hibakód: 8104"},
        {"Close", 1, UiLanguage::Eng, 256,
         "[ERROR: Serial port]: 'Input/output error.' Errorcode: 8104"},
    };
    for (const MidFailureCase& c : cases) {
        SCOPED_TRACE(std::string(c.operation) + " " + std::to_string(c.call));
        TransferRig rig;
        rig.texts.SetLanguage(c.language);
        rig.port.FailAt(c.operation, c.call, {8104, QStringLiteral("Input/output error")});
        EXPECT_FALSE(rig.transfer.SendMapToDevice(rig.map));

        ASSERT_EQ(rig.messageBox.shown.size(), 1u);
        EXPECT_EQ(rig.messageBox.shown[0].prompt, QString::fromUtf8(c.prompt));
        EXPECT_EQ(rig.messageBox.shown[0].title, QStringLiteral("SOLVA-TX"));
        EXPECT_EQ(rig.log.Count("Write"), c.writesDone);
        EXPECT_FALSE(rig.port.IsOpen());
        const std::vector<std::string> what = rig.log.What();
        ASSERT_GE(what.size(), 2u);
        EXPECT_EQ(what[what.size() - 2], "Close");
        EXPECT_EQ(what.back(), "View Hide");
        EXPECT_EQ(rig.log.Count("View EndDisplay"), 0);
        EXPECT_EQ(rig.log.Count("View Close"), 0);
    }
}

TEST(SendMap, SecondSendAfterAFailedOneWorks) {
    TransferRig rig;
    rig.port.FailAt("Write", 50, {8104, QStringLiteral("Input/output error")});
    EXPECT_FALSE(rig.transfer.SendMapToDevice(rig.map));
    // The hidden window keeps the progress of the failed attempt.
    EXPECT_TRUE(rig.view.exists);
    EXPECT_TRUE(rig.view.blocks[2]);
    EXPECT_FALSE(rig.view.blocks[3]);
    EXPECT_EQ(rig.view.percent, "19%");  // after packet 48: N(4900 / 256)

    rig.log.calls.clear();
    EXPECT_TRUE(rig.transfer.SendMapToDevice(rig.map));
    EXPECT_EQ(rig.messageBox.shown.size(), 1u);
    EXPECT_EQ(rig.log.Count("Open"), 1);
    EXPECT_EQ(rig.log.Count("Write"), 256);
    EXPECT_EQ(rig.log.What().back(), "View Close");
}

TEST(SendMap, SendingTwiceSendsTheSameBytes) {
    TransferRig rig;
    rig.map.InputRangeMax = 10;
    rig.map.InputFilter = 1;
    ASSERT_TRUE(rig.transfer.SendMapToDevice(rig.map));
    const std::vector<std::string> first = PortCalls(rig.log);
    rig.log.calls.clear();
    ASSERT_TRUE(rig.transfer.SendMapToDevice(rig.map));
    EXPECT_EQ(PortCalls(rig.log), first);
    EXPECT_EQ(first[7], WriteOf(0x0B));
}

TEST(SendMap, ClickDuringTheFirstEventPassStartsNoSecondTransfer) {
    TransferRig rig;
    bool nested = true;
    rig.clock.onProcessEvents = [&] { nested = rig.transfer.SendMapToDevice(rig.map); };
    EXPECT_TRUE(rig.transfer.SendMapToDevice(rig.map));
    EXPECT_FALSE(nested);
    EXPECT_EQ(rig.log.Count("Open"), 1);
}

}  // namespace
