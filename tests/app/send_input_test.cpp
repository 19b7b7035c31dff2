// What the user does while a map is being sent goes nowhere, neither then nor afterwards.
#include <gtest/gtest.h>
#include <QComboBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include "fake_platform.h"
#include "form1.h"
#include "null_serial_port.h"
#include "qt_platform.h"

namespace {

/// Time passes at once, but the event passes of a send are real ones.
struct PassingClock : FakeClock {
    QtClock real;
    void ProcessEventsWithoutInput() override { real.ProcessEventsWithoutInput(); }
};

/// Halfway through, clicks "Áttöltés" and "Kilépés" and turns the wheel on the port chooser.
struct BusyPort : NullSerialPort {
    Form1* form = nullptr;
    int writes = 0;
    SerialStatus Write(const SendPacket&) override {
        if (++writes == 100) {
            for (QPushButton* button : {form->W.Command1, form->W.Command4}) {
                const QPointF at = QRectF(button->rect()).center();
                for (auto type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease}) {
                    QCoreApplication::postEvent(
                        button, new QMouseEvent(type, at, at, Qt::LeftButton, {}, {}));
                }
            }
            QCoreApplication::postEvent(
                form->W.Combo1,
                new QWheelEvent({5, 5}, {5, 5}, {}, {0, -120}, {}, {}, Qt::NoScrollPhase, false));
        }
        return {};
    }
};

TEST(SendInput, ClicksAndWheelDuringASendAreDropped) {
    QTemporaryDir dir;
    FakePlatform fake;
    PassingClock clock;
    BusyPort port;
    Form1 form{Platform{fake.messageBox, fake.inputBox, fake.fileDialog, clock, fake.browser}, port,
               QLocale::c(), dir.filePath("SOLVA-TX.ini")};
    port.form = &form;
    form.show();
    QTest::mouseClick(form.W.Command1, Qt::LeftButton);
    QCoreApplication::processEvents();

    EXPECT_EQ(port.writes, 256);
    EXPECT_TRUE(fake.messageBox.shown.empty());
    EXPECT_EQ(form.W.Combo1->currentIndex(), 0);
}

}  // namespace
