#include <gtest/gtest.h>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QStyle>
#include <QStyleOptionComboBox>
#include <QTest>
#include <QWheelEvent>

#include "chart_view.h"
#include "fake_platform.h"
#include "form1.h"
#include "null_serial_port.h"
#include "qt_printers.h"
#include "table_view.h"

namespace {

class Form1ControlsTest : public ::testing::Test {
protected:
    void ShowForm() {
        form.show();
        QApplication::setActiveWindow(&form);
        ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
    }

    FakePlatform platform;
    NullSerialPort port;
    Form1 form{platform.Get(), port, QLocale::c(), "no-such-dir/SOLVA-TX.ini"};
};

void Wheel(QWidget* widget, int notches) {
    const QPointF at = QRectF(widget->rect()).center();
    QWheelEvent wheel(at, widget->mapToGlobal(at), QPoint(), QPoint(0, 120 * notches), Qt::NoButton,
                      Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(widget, &wheel);
}

TEST_F(Form1ControlsTest, WheelOverAChooserChangesNothingButKeysStillChoose) {
    ShowForm();
    form.Table->FocusCell(0);
    const VoltageMap before = form.Map;
    for (QComboBox* chooser : {form.W.Combo3, form.W.Combo2, form.W.Combo4, form.W.Combo1}) {
        const int index = chooser->currentIndex();
        Wheel(chooser, -1);
        Wheel(chooser, 1);
        EXPECT_EQ(chooser->currentIndex(), index) << qPrintable(chooser->objectName());
    }
    EXPECT_EQ(form.Map.OutputValues, before.OutputValues);
    EXPECT_EQ(form.Map.InputRangeIndex, 2);
    EXPECT_EQ(form.Map.OutputRangeIndex, 2);
    EXPECT_EQ(form.Map.Resolution, 128);
    EXPECT_EQ(form.Map.PortNumber, 1);
    EXPECT_TRUE(platform.messageBox.shown.empty());
    EXPECT_EQ(QApplication::focusWidget(), form.Table->Text1[0]);

    QTest::keyClick(form.W.Combo1, Qt::Key_Down);
    EXPECT_EQ(form.Map.PortNumber, 2);
}

// The text is drawn one pixel inside the edit field of the closed chooser.
TEST_F(Form1ControlsTest, EveryChooserItemShowsWhole) {
    for (QComboBox* chooser : {form.W.Combo3, form.W.Combo2, form.W.Combo4, form.W.Combo1}) {
        QStyleOptionComboBox option;
        option.initFrom(chooser);
        option.frame = true;
        option.subControls = QStyle::SC_All;
        const QRect text = chooser->style()
                               ->subControlRect(QStyle::CC_ComboBox, &option,
                                                QStyle::SC_ComboBoxEditField, chooser)
                               .adjusted(1, 0, -1, 0);
        const QFontMetrics metrics(chooser->font());
        EXPECT_LE(metrics.height(), text.height()) << qPrintable(chooser->objectName());
        for (int i = 0; i < chooser->count(); ++i) {
            const QString item = chooser->itemText(i);
            EXPECT_LE(std::max(metrics.horizontalAdvance(item), metrics.boundingRect(item).right()),
                      text.width())
                << qPrintable(item);
        }
    }
}

// Row 3 (0.469 V) gets 5 typed and is left; 5 V is code 85 of the 15 V span.
TEST_F(Form1ControlsTest, LeavingACellShowsItsValueInThePanelAndTheMarker) {
    ShowForm();
    const ChartGeometry& chart = form.Frame7->Chart();
    const std::function<void()> leave[] = {
        [&] { QTest::mouseClick(form.W.Check1, Qt::LeftButton); },
        [&] { QTest::mouseClick(form.Frame7, Qt::LeftButton, {}, QPoint(3, 3)); },
    };
    for (const auto& leaveCell : leave) {
        QTest::mouseClick(form.Table->Text1[3], Qt::LeftButton);
        QTest::keyClicks(form.Table->Text1[3], "5");
        leaveCell();
        EXPECT_EQ(form.W.Text6->text(), "5.000");
        EXPECT_EQ(chart.Line7.Y1, 8650 - chart.ChartStepY * 85);
        form.Table->SetCellText(3, "0.469");
        leaveCell();
    }
}

TEST_F(Form1ControlsTest, PanelCaptionFollowsTheLanguageAndAClearedSelection) {
    struct Case {
        QLabel* flag;
        const char* numbered;
        const char* cleared;
    };
    const Case cases[] = {{form.W.Picture4, "Point(4)", "Point"},
                          {form.W.Picture3, "Pont(4)", "Pont"}};
    for (const Case& c : cases) {
        QTest::mouseClick(c.flag, Qt::LeftButton);
        QTest::mouseClick(form.Table->Text1[3], Qt::LeftButton);
        EXPECT_EQ(form.W.Frame10->title(), c.numbered);
        emit form.W.Combo4->activated(1);  // the question's default No still clears
        EXPECT_EQ(form.W.Frame10->title(), c.cleared);
    }
}

TEST_F(Form1ControlsTest, PicturesActOnAClickOnThemOnly) {
    QLabel* english = form.W.Picture4;
    QTest::mousePress(english, Qt::LeftButton);
    QTest::mouseRelease(english, Qt::LeftButton, {}, QPoint(-5, 10));  // dragged off
    EXPECT_EQ(form.CurrentLanguage(), "hun");
    QTest::mouseClick(form.W.Picture2, Qt::LeftButton);  // a double click, as Qt sends it
    QTest::mouseDClick(form.W.Picture2, Qt::LeftButton);
    QTest::mouseRelease(form.W.Picture2, Qt::LeftButton);
    EXPECT_EQ(platform.browser.opened.size(), 1u);

    // The flags overlap by a pixel column, which belongs to the active one.
    const QRect hungarian = form.W.Picture3->geometry();
    const QPoint overlap(hungarian.right(), hungarian.center().y());
    ASSERT_TRUE(english->geometry().contains(overlap));
    EXPECT_EQ(form.childAt(overlap), form.W.Picture3);
    QTest::mouseClick(english, Qt::LeftButton);
    EXPECT_EQ(form.childAt(overlap), english);
}

TEST_F(Form1ControlsTest, GuideWithoutABrowserTellsWhereItIs) {
    platform.browser.starts = false;
    const QString path = QDir::toNativeSeparators(Form1::UserGuideUrl().toLocalFile());
    QTest::mouseClick(form.W.Picture2, Qt::LeftButton);
    QTest::mouseClick(form.W.Picture4, Qt::LeftButton);
    QTest::mouseClick(form.W.Picture2, Qt::LeftButton);
    ASSERT_EQ(platform.messageBox.shown.size(), 2u);
    EXPECT_EQ(
        platform.messageBox.shown[0].prompt,
        "Nem indítható böngésző a felhasználói útmutatóhoz. Az útmutató itt található:\n" + path);
    EXPECT_EQ(platform.messageBox.shown[1].prompt,
              "No web browser could be started for the user guide. The guide is here:\n" + path);
    EXPECT_EQ(platform.messageBox.shown[1].title, "Attention!");
}

TEST_F(Form1ControlsTest, StandardButtonsFollowTheFlags) {
    const auto buttonTexts = [] {
        QMessageBox box(QMessageBox::Question, "", "",
                        QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
        return QStringList{box.button(QMessageBox::Yes)->text(),
                           box.button(QMessageBox::No)->text(),
                           box.button(QMessageBox::Cancel)->text()};
    };
    EXPECT_EQ(buttonTexts(), (QStringList{"&Igen", "&Nem", "Mégse"}));
    QTest::mouseClick(form.W.Picture4, Qt::LeftButton);
    EXPECT_EQ(buttonTexts(), (QStringList{"&Yes", "&No", "Cancel"}));
}

}  // namespace
