// What the user does while a map is being sent goes nowhere, neither then nor afterwards.
#include <gtest/gtest.h>
#include <QComboBox>
#include <QCoreApplication>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include "fake_platform.h"
#include "file_commands.h"
#include "form1.h"
#include "null_serial_port.h"
#include "qt_platform.h"

namespace {

/// Time passes at once, but every event pass is a real one.
struct PassingClock : FakeClock {
    QtClock real;
    void ProcessEvents() override {
        FakeClock::ProcessEvents();
        real.ProcessEvents();
    }
    void ProcessEventsWithoutInput() override {
        FakeClock::ProcessEventsWithoutInput();
        real.ProcessEventsWithoutInput();
    }
};

struct CountingPort : NullSerialPort {
    int opens = 0;
    int writes = 0;
    std::function<void()> onHundredthWrite;
    SerialStatus Open() override {
        ++opens;
        return {};
    }
    SerialStatus Write(const SendPacket&) override {
        if (++writes == 100) {
            onHundredthWrite();
        }
        return {};
    }
};

void PostClick(QWidget* widget) {
    const QPointF centre = QRectF(widget->rect()).center();
    for (QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease}) {
        QCoreApplication::postEvent(
            widget,
            new QMouseEvent(type, centre, widget->mapToGlobal(centre), Qt::LeftButton,
                            type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton,
                            Qt::NoModifier));
    }
}

TEST(SendInput, ClicksAndWheelDuringASendAreDropped) {
    QTemporaryDir dir;
    FakePlatform fake;
    PassingClock clock;
    CountingPort port;
    Form1 form{Platform{fake.messageBox, fake.inputBox, fake.fileDialog, clock, fake.browser}, port,
               QLocale::c(), dir.filePath("SOLVA-TX.ini")};
    form.show();
    fake.messageBox.answers = {MessageAnswer::No};  // were the exit asked: leave unsaved
    port.onHundredthWrite = [&] {
        PostClick(form.W.Command1);
        PostClick(form.W.Command4);
        const QPointF centre = QRectF(form.W.Combo1->rect()).center();
        QCoreApplication::postEvent(
            form.W.Combo1,
            new QWheelEvent(centre, form.W.Combo1->mapToGlobal(centre), {}, {0, -120}, Qt::NoButton,
                            Qt::NoModifier, Qt::NoScrollPhase, false));
    };
    QTest::mouseClick(form.W.Command1, Qt::LeftButton);
    QCoreApplication::processEvents();

    EXPECT_EQ(port.opens, 1);
    EXPECT_EQ(port.writes, 256);
    EXPECT_TRUE(fake.messageBox.shown.empty());
    EXPECT_FALSE(form.Files->ExitConfirmed());
    EXPECT_EQ(form.W.Combo1->currentIndex(), 0);
    EXPECT_TRUE(form.isVisible());
}

}  // namespace
