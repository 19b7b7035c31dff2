#include <gtest/gtest.h>
#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QWheelEvent>
#include <tuple>

#include "chart_view.h"
#include "chooser_font.h"
#include "fake_platform.h"
#include "form1.h"
#include "null_serial_port.h"
#include "qt_printers.h"
#include "table_view.h"

namespace {

struct Form1ControlsTest : ::testing::Test {
    FakePlatform platform;
    NullSerialPort port;
    Form1 form{platform.Get(), port, QLocale::c(), "no-such-dir/SOLVA-TX.ini"};
};

TEST_F(Form1ControlsTest, ChoosersIgnoreTheWheelShowEveryItemAndTakeKeys) {
    form.show();
    QApplication::setActiveWindow(&form);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
    form.Table->FocusCell(0);
    for (QComboBox* chooser : {form.W.Combo3, form.W.Combo2, form.W.Combo4, form.W.Combo1}) {
        const int index = chooser->currentIndex();
        for (const int notch : {-120, 120}) {
            QWheelEvent wheel({5, 5}, chooser->mapToGlobal(QPointF(5, 5)), {}, {0, notch},
                              Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
            QSpontaneKeyEvent::setSpontaneous(&wheel);  // as from the window system
            qApp->notify(chooser, &wheel);
            EXPECT_EQ(chooser->currentIndex(), index) << qPrintable(chooser->objectName());
        }
        EXPECT_TRUE(ChooserItemsFit(chooser, chooser->font())) << qPrintable(chooser->objectName());
    }
    EXPECT_EQ(QApplication::focusWidget(), form.Table->Text1[0]);
    EXPECT_FALSE(ChooserItemsFit(form.W.Combo1, QApplication::font()));  // "com 16" was cut
    QTest::keyClick(form.W.Combo1, Qt::Key_Down);
    EXPECT_EQ(form.Map.PortNumber, 2);

    // Row 4 left for the chart beside every breakpoint; 5 V is code 85 of the 15 V span.
    QTest::mouseClick(form.Table->Text1[3], Qt::LeftButton);
    QTest::keyClicks(form.Table->Text1[3], "5");
    QTest::mouseClick(form.Frame7, Qt::LeftButton, {}, QPoint(3, 3));
    EXPECT_EQ(form.W.Text6->text(), "5.000");
    EXPECT_EQ(form.Frame7->Chart().Line7.Y1, 8650 - form.Frame7->Chart().ChartStepY * 85);
}

TEST_F(Form1ControlsTest, PanelCaptionFollowsTheLanguageAndAClearedSelection) {
    for (auto [flag, numbered, cleared] : {std::tuple{form.W.Picture4, "Point(4)", "Point"},
                                           std::tuple{form.W.Picture3, "Pont(4)", "Pont"}}) {
        QTest::mouseClick(flag, Qt::LeftButton);
        QTest::mouseClick(form.Table->Text1[3], Qt::LeftButton);
        EXPECT_EQ(form.W.Frame10->title(), numbered);
        emit form.W.Combo4->activated(1);  // the question's default No still clears
        EXPECT_EQ(form.W.Frame10->title(), cleared);
    }
}

TEST_F(Form1ControlsTest, PicturesActOnAClickOnThemOnce) {
    QLabel* english = form.W.Picture4;
    QTest::mousePress(english, Qt::LeftButton);
    QTest::mouseRelease(english, Qt::LeftButton, {}, QPoint(-5, 10));  // dragged off
    EXPECT_EQ(form.CurrentLanguage(), "hun");
    // The flags overlap by a pixel column, which belongs to the active one.
    const QPoint overlap(form.W.Picture3->geometry().right(), english->geometry().center().y());
    EXPECT_EQ(form.childAt(overlap), form.W.Picture3);

    platform.browser.starts = false;
    QTest::mouseClick(form.W.Picture2, Qt::LeftButton);  // a double click as Qt sends it
    QTest::mouseDClick(form.W.Picture2, Qt::LeftButton);
    QTest::mouseRelease(form.W.Picture2, Qt::LeftButton);
    ASSERT_EQ(platform.messageBox.shown.size(), 1u);
    EXPECT_EQ(platform.messageBox.shown[0].prompt,
              "Nem indítható böngésző a felhasználói útmutatóhoz. Az útmutató itt található:\n" +
                  QDir::toNativeSeparators(Form1::UserGuideUrl().toLocalFile()));
}

TEST_F(Form1ControlsTest, StandardButtonsFollowTheFlags) {
    const auto yesNo = [] {
        QMessageBox box(QMessageBox::Question, "", "", QMessageBox::Yes | QMessageBox::No);
        return box.button(QMessageBox::Yes)->text() + box.button(QMessageBox::No)->text();
    };
    EXPECT_EQ(yesNo(), "&Igen&Nem");
    QTest::mouseClick(form.W.Picture4, Qt::LeftButton);
    EXPECT_EQ(yesNo(), "&Yes&No");
}

}  // namespace
