#include <gtest/gtest.h>
#include <QLabel>
#include <cstdlib>

#include "device_fakes.h"
#include "progress_window.h"
#include "send_map.h"
#include "texts.h"
#include "voltage_map.h"

namespace {

struct WindowRig {
    QWidget mainWindow;
    Texts texts{UiLanguage::Hun};
    ProgressWindow progress{&mainWindow, texts};

    WindowRig() {
        mainWindow.setGeometry(1000, 700, 600, 400);
        mainWindow.show();
    }
};

TEST(ProgressWindow, GeometryInTwips) {
    WindowRig rig;
    rig.progress.Show();
    Form2* form = rig.progress.Window();
    ASSERT_NE(form, nullptr);
    EXPECT_EQ(form->size(), QSize(260, 72));  // 3900 x 1080
    EXPECT_EQ(form->Label1->geometry(), QRect(0, 8, 65, 17));
    EXPECT_EQ(form->Label2->geometry(), QRect(64, 8, 41, 17));
    EXPECT_EQ(form->Label3->geometry(), QRect(0, 8, 259, 17));
    EXPECT_EQ(form->Picture1->geometry(), QRect(0, 32, 260, 36));
    for (int i = 0; i < 16; ++i) {
        EXPECT_EQ(form->Shape1[i]->geometry(), QRect(16 * i, 0, 17, 33)) << "block " << i;
    }
    EXPECT_TRUE(form->windowFlags() & Qt::Tool);
    EXPECT_FALSE(form->isModal());
}

TEST(ProgressWindow, StartsWithTheTextsOfTheCurrentLanguage) {
    struct Case {
        UiLanguage language;
        const char *title, *sent, *done;
    };
    const Case cases[] = {
        {UiLanguage::Hun, "Adatállomány elküldése", "Elküldve:", "Adatállomány elküldve!"},
        {UiLanguage::Eng, "Sending data", "Sent:", "Data has been sent!"},
    };
    for (const Case& c : cases) {
        WindowRig rig;
        rig.texts.SetLanguage(c.language);
        rig.progress.Show();
        Form2* form = rig.progress.Window();
        EXPECT_EQ(form->windowTitle(), QString::fromUtf8(c.title));
        EXPECT_EQ(form->Label1->text(), QString::fromUtf8(c.sent));
        EXPECT_EQ(form->Label3->text(), QString::fromUtf8(c.done));
        EXPECT_EQ(form->Label2->text(), QStringLiteral("00%"));
        EXPECT_TRUE(form->Label1->isVisible());
        EXPECT_TRUE(form->Label2->isVisible());
        EXPECT_FALSE(form->Label3->isVisible());
        for (int i = 0; i < 16; ++i) {
            EXPECT_FALSE(rig.progress.IsBlockVisible(i)) << "block " << i;
        }
    }
}

TEST(ProgressWindow, CentredOverTheMainWindowEvenOffTheScreen) {
    // Outer sizes, frames included; a window in the corner pushes it partly off the screen.
    const QRect mains[] = {{1000, 700, 600, 400}, {0, 0, 200, 50}};
    for (const QRect& main : mains) {
        WindowRig rig;
        rig.mainWindow.setGeometry(main);
        rig.progress.Show();
        const QRect outer = rig.mainWindow.frameGeometry();
        const QRect own = rig.progress.Window()->frameGeometry();
        EXPECT_LE(std::abs(outer.center().x() - own.center().x()), 1)
            << "main at " << main.x() << "," << main.y();
        EXPECT_LE(std::abs(outer.center().y() - own.center().y()), 1)
            << "main at " << main.x() << "," << main.y();
        EXPECT_EQ(own.width(), 260 + outer.width() - main.width());
    }
    WindowRig corner;
    corner.mainWindow.setGeometry(0, 0, 200, 50);
    corner.progress.Show();
    EXPECT_LT(corner.progress.Window()->frameGeometry().left(), -25);
    EXPECT_LT(corner.progress.Window()->frameGeometry().top(), -5);
}

TEST(ProgressWindow, HideKeepsTheWindowAndCloseDestroysIt) {
    WindowRig rig;
    rig.progress.Show();
    rig.progress.ShowBlock(0);
    rig.progress.ShowBlock(1);
    rig.progress.SetPercentText(QStringLiteral("14%"));
    rig.progress.Hide();
    Form2* kept = rig.progress.Window();
    ASSERT_NE(kept, nullptr);
    EXPECT_FALSE(kept->isVisible());
    // A hidden window still knows which of its blocks were shown.
    EXPECT_TRUE(rig.progress.IsBlockVisible(1));
    EXPECT_FALSE(rig.progress.IsBlockVisible(2));

    // The same window comes back, with its old texts after a language switch.
    rig.texts.SetLanguage(UiLanguage::Eng);
    rig.progress.Show();
    EXPECT_EQ(rig.progress.Window(), kept);
    EXPECT_TRUE(kept->isVisible());
    EXPECT_EQ(kept->Label2->text(), QStringLiteral("14%"));
    EXPECT_EQ(kept->Label1->text(), QStringLiteral("Elküldve:"));
    EXPECT_TRUE(kept->Shape1[1]->isVisible());

    rig.progress.Close();
    EXPECT_EQ(rig.progress.Window(), nullptr);
    rig.progress.Show();
    Form2* fresh = rig.progress.Window();
    EXPECT_EQ(fresh->Label1->text(), QStringLiteral("Sent:"));
    EXPECT_EQ(fresh->Label2->text(), QStringLiteral("00%"));
    EXPECT_FALSE(rig.progress.IsBlockVisible(0));
}

TEST(ProgressWindow, EndDisplayReplacesLabelAndPercentage) {
    WindowRig rig;
    rig.progress.Show();
    rig.progress.ShowEndDisplay();
    Form2* form = rig.progress.Window();
    EXPECT_FALSE(form->Label1->isVisible());
    EXPECT_FALSE(form->Label2->isVisible());
    EXPECT_TRUE(form->Label3->isVisible());
}

/// The window through a whole transfer, watched at the moment the completion text shows.
TEST(ProgressWindow, SuccessfulTransferFillsTheStripThenCloses) {
    WindowRig rig;
    FakeClock clock;
    CallLog log{clock};
    FakeSerialPort port{log};
    FakeMessageBox messageBox;
    VoltageMap map;
    FillStartLine(map);

    bool checkedEnd = false;
    /// Passes everything on, and looks at the window when the completion text comes.
    struct EndWatch : ProgressView {
        ProgressWindow& inner;
        bool& checked;
        EndWatch(ProgressWindow& w, bool& c) : inner(w), checked(c) {}
        void Show() override { inner.Show(); }
        void ShowBlock(int i) override { inner.ShowBlock(i); }
        bool IsBlockVisible(int i) const override { return inner.IsBlockVisible(i); }
        void SetPercentText(const QString& t) override { inner.SetPercentText(t); }
        void Repaint() override { inner.Repaint(); }
        void ShowEndDisplay() override {
            Form2* form = inner.Window();
            EXPECT_EQ(form->Label2->text(), QStringLiteral("100%"));
            for (int i = 0; i < 16; ++i) {
                EXPECT_TRUE(form->Shape1[i]->isVisible()) << "block " << i;
            }
            inner.ShowEndDisplay();
            checked = form->Label3->isVisible();
        }
        void Close() override { inner.Close(); }
        void Hide() override { inner.Hide(); }
    } watch{rig.progress, checkedEnd};
    DeviceTransfer watched{port, watch, clock, messageBox, rig.texts};

    ASSERT_TRUE(watched.SendMapToDevice(map));
    EXPECT_TRUE(checkedEnd);
    EXPECT_EQ(rig.progress.Window(), nullptr);
    EXPECT_TRUE(messageBox.shown.empty());
}

TEST(ProgressWindow, FailedTransferLeavesTheWindowHiddenWithItsProgress) {
    WindowRig rig;
    FakeClock clock;
    CallLog log{clock};
    FakeSerialPort port{log};
    FakeMessageBox messageBox;
    DeviceTransfer transfer{port, rig.progress, clock, messageBox, rig.texts};
    VoltageMap map;
    FillStartLine(map);
    port.FailAt("Write", 130, {8104, QStringLiteral("Input/output error")});

    ASSERT_FALSE(transfer.SendMapToDevice(map));
    Form2* form = rig.progress.Window();
    ASSERT_NE(form, nullptr);
    EXPECT_FALSE(form->isVisible());
    EXPECT_EQ(form->Label2->text(), QStringLiteral("50%"));  // after packet 128
    EXPECT_TRUE(rig.progress.IsBlockVisible(7));
    EXPECT_FALSE(rig.progress.IsBlockVisible(8));

    ASSERT_TRUE(transfer.SendMapToDevice(map));
    EXPECT_EQ(rig.progress.Window(), nullptr);
}

}  // namespace
