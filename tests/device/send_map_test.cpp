#include <gtest/gtest.h>
#include <tuple>

#include <QLabel>

#include "device/progress_window.h"
#include "tests/device/device_fakes.h"
#include "tests/fakes/qt_printers.h"

using namespace std::chrono_literals;

namespace {

TEST(SendMap, OperationsInOrderAndOnTime) {
    TransferRig rig;
    rig.map.PortNumber = 3;
    // A second click on the send button comes in the first send's event pass.
    int clicks = 0;
    rig.clock.onProcessEvents = [&] {
        EXPECT_FALSE(clicks++ == 0 && rig.transfer.SendMapToDevice(rig.map));
    };
    ASSERT_TRUE(rig.transfer.SendMapToDevice(rig.map, &rig.record));

    // On record before the port opens, and as sent once it is closed: a kill during the
    // end display leaves the truth.
    std::vector<std::string> expected = {"Record Begin com 3",
                                         "SelectPort 3",
                                         "LineSettings 2400,n,8,1 noflow",
                                         "Dtr on",
                                         "Rts off",
                                         "Open",
                                         "Break on",
                                         "Break off",
                                         "View Show"};
    expected.insert(expected.end(), 256, "Write");
    expected.insert(expected.end(),
                    {"Drain", "Close", "Record Complete", "View EndDisplay", "View Close"});
    std::vector<std::string> calls = rig.log.calls;
    std::erase_if(calls, [](const std::string& what) { return what.starts_with("View Percent"); });
    EXPECT_EQ(calls, expected);
    EXPECT_EQ(rig.log.TimeOf("Break off") - rig.log.TimeOf("Break on"), 500ms);
    EXPECT_EQ(rig.log.TimeOf("View EndDisplay") - rig.log.TimeOf("Close"), 300ms);
    EXPECT_EQ(rig.log.TimeOf("View Close") - rig.log.TimeOf("View EndDisplay"), 1500ms);
    // No user input until the end, but painting after every packet and every 20 ms of a wait.
    EXPECT_EQ(rig.clock.eventPasses, 1);
    EXPECT_GE(rig.clock.paintPasses, 256);
    EXPECT_LE(*std::ranges::max_element(rig.clock.sleeps), 20ms);
    EXPECT_EQ(rig.log.Count("View Percent 12%"), 3);  // packets 29 to 31; 31 gives 12.5, to even
    EXPECT_TRUE(rig.messageBox.shown.empty());
    EXPECT_FALSE(rig.port.IsOpen());
}

// A missing port, and failures from the break to the close.
TEST(SendMap, FailureShowsOneMessageClosesThePortAndHidesTheWindow) {
    const char* noSuchPort =
        "A megadott számú 'Com Port' nem létezik a számítógépen! Válasszon másikat!";
    const char* ioError = "[HIBA: Soros port]: 'Input/output error.' Hibakód: 8104";
    const struct {
        const char* operation;
        int call, code, writes;  ///< writes: the failing one included
        const char* prompt;
    } cases[] = {
        {"Open", 1, kNoSuchPortCode, 0, noSuchPort},
        {"Break", 2, 8104, 0, ioError},
        {"Drain", 1, 8104, 256, ioError},
        {"Write", 101, 8104, 101, ioError},
        {"Close", 1, 8104, 256, ioError},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.operation) + " " + std::to_string(c.call));
        TransferRig rig;
        rig.port.FailAt(c.operation, c.call, {c.code, QStringLiteral("Input/output error")});
        EXPECT_FALSE(rig.transfer.SendMapToDevice(rig.map, &rig.record));

        // A port that never opened leaves the box untouched; any later failure leaves the
        // send on record as cut off.
        EXPECT_EQ(rig.log.Count("Record Withdraw"), c.operation == std::string("Open") ? 1 : 0);
        EXPECT_EQ(rig.log.Count("Record Complete"), 0);
        ASSERT_EQ(rig.messageBox.shown.size(), 1u);
        const ShownMessage& box = rig.messageBox.shown[0];
        EXPECT_EQ(std::tuple(box.prompt, box.title, box.buttons, box.icon),
                  std::tuple(QString::fromUtf8(c.prompt), QStringLiteral("SOLVA-TX"),
                             MessageButtons::Ok, MessageIcon::None));
        EXPECT_EQ(rig.log.Count("Write"), c.writes);
        EXPECT_EQ(rig.log.Count("View Show"), c.writes > 0 ? 1 : 0);
        EXPECT_EQ(std::vector(rig.log.calls.end() - 2, rig.log.calls.end()),
                  (std::vector<std::string>{"Close", "View Hide"}));
        EXPECT_EQ(rig.log.Count("View EndDisplay") + rig.log.Count("View Close"), 0);
    }
}

// A window kept after a failed send comes back with its blocks, in the language of now.
TEST(ProgressWindow, AKeptWindowTakesTheCurrentLanguage) {
    Texts texts(UiLanguage::Hun);
    ProgressWindow progress(nullptr, texts);
    progress.Show();
    progress.ShowBlock(3);
    progress.Hide();
    texts.SetLanguage(UiLanguage::Eng);
    progress.Show();
    const Form2* form = progress.Window();
    EXPECT_EQ(form->windowTitle() + form->Label1->text() + form->Label3->text(),
              "Sending dataSent:Data has been sent!");
    EXPECT_TRUE(progress.IsBlockVisible(3));
}

}  // namespace
