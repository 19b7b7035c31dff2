#include <gtest/gtest.h>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "fake_platform.h"
#include "form1.h"
#include "null_serial_port.h"
#include "qt_printers.h"
#include "table_view.h"

namespace {

bool HasBorder(const QLabel* picture) {
    return picture->frameShape() != QFrame::NoFrame;
}

class Form1Test : public ::testing::Test {
protected:
    FakePlatform platform;
    NullSerialPort port;
    Form1 form{platform.Get(), port, QLocale::c(), "no-such-dir/SOLVA-TX.ini"};
};

TEST_F(Form1Test, StartsWithTheDefaultMapInHungarian) {
    EXPECT_EQ(form.windowTitle(), "SOLVA-TX");
    EXPECT_TRUE(form.Edit.FormReady);
    EXPECT_EQ(form.CurrentLanguage(), "hun");
    EXPECT_EQ(form.W.Command1->text(), "Áttöltés");
    EXPECT_EQ(form.Map.PortNumber, 1);
    EXPECT_FALSE(form.W.Command6->isEnabled() || form.W.Command7->isEnabled());
    EXPECT_EQ(form.W.Text3->text() + form.W.Text4->text(), "10");
}

TEST_F(Form1Test, FlagsSwitchEveryTextAndCarryTheBorder) {
    EXPECT_TRUE(HasBorder(form.W.Picture3) && !HasBorder(form.W.Picture4));
    QTest::mouseClick(form.W.Picture4, Qt::LeftButton);
    EXPECT_EQ(form.CurrentLanguage(), "eng");
    EXPECT_TRUE(!HasBorder(form.W.Picture3) && HasBorder(form.W.Picture4));
    EXPECT_EQ(form.W.Command1->toolTip(), "Load opened/modified data onto the BOX");
    EXPECT_EQ(form.Table->Frame2->title(), "Voltage values (V)");

    // The active flag does nothing: a caption set since stays as it is.
    form.W.Frame10->setTitle("Pont(5)");
    QTest::mouseClick(form.W.Picture4, Qt::LeftButton);
    EXPECT_EQ(form.W.Frame10->title(), "Pont(5)");

    QTest::mouseClick(form.W.Picture3, Qt::LeftButton);
    EXPECT_EQ(form.CurrentLanguage(), "hun");
    EXPECT_TRUE(HasBorder(form.W.Picture3) && !HasBorder(form.W.Picture4));
    EXPECT_EQ(form.W.Frame10->title(), "Pont");
}

TEST_F(Form1Test, ClosingWaitsUntilTheTransferEnds) {
    bool closedDuringSend = true;
    platform.clock.onProcessEvents = [&] { closedDuringSend = form.close(); };
    QTest::mouseClick(form.W.Command1, Qt::LeftButton);
    EXPECT_FALSE(closedDuringSend);
    EXPECT_TRUE(platform.messageBox.shown.empty());  // no save question in the middle
}

TEST_F(Form1Test, WebPagePictureOpensTheUserGuide) {
    QTest::mouseClick(form.W.Picture2, Qt::LeftButton);
    ASSERT_EQ(platform.browser.opened.size(), 1u);
    EXPECT_TRUE(platform.browser.opened[0].isLocalFile());
    EXPECT_TRUE(platform.browser.opened[0].path().endsWith("/user-guide.html"));
}

TEST(Form1Separator, FollowsTheLocale) {
    FakePlatform platform;
    NullSerialPort port;
    Form1 comma(platform.Get(), port, QLocale(QLocale::Hungarian, QLocale::Hungary));
    EXPECT_EQ(comma.Edit.DecimalSeparator + comma.Edit.WrongSeparator, ",.");
    EXPECT_EQ(comma.Table->Label2[0]->text(), "0,117");  // the input column too
    Form1 point(platform.Get(), port, QLocale(QLocale::English, QLocale::UnitedKingdom));
    EXPECT_EQ(point.Edit.DecimalSeparator + point.Edit.WrongSeparator, ".,");
}

}  // namespace
