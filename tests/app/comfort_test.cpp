// Keys, clipboard, comparing with a file and the remembered language, on the real window.
#include <gtest/gtest.h>
#include <QApplication>
#include <QFile>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include "chart_menu.h"
#include "fake_platform.h"
#include "form1.h"
#include "null_serial_port.h"
#include "table_view.h"

namespace {

class Comfort : public ::testing::Test {
protected:
    QTemporaryDir dir;
    FakePlatform platform;
    NullSerialPort port;
    Form1 form{platform.Get(), port, QLocale::c(), dir.filePath("SOLVA-TX.ini")};

    void Activate() {
        form.show();
        QApplication::setActiveWindow(&form);
        ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
    }
    /// A data file: 0 - 5 V both ways, 8 breakpoints on the line output = input.
    QString LineFile() {
        const QString path = dir.filePath("line.pax");
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(
            "5\r\n5\r\n0\r\n0\r\n8\r\n625\r\n1250\r\n1875\r\n2500\r\n3125\r\n3750\r\n"
            "4375\r\n5000\r\n\r\n");
        return path;
    }
};

TEST_F(Comfort, PasteIsOneUndoStepAndCopyGivesEveryValue) {
    Activate();
    QLineEdit* cell = form.Table->Text1[0];
    QTest::mouseClick(cell, Qt::LeftButton);
    platform.clipboard.text = "1.5\n2.5\n3.5\n";
    QTest::keyClick(cell, Qt::Key_V, Qt::ControlModifier);
    QTest::keyClick(cell, Qt::Key_C, Qt::ControlModifier);
    const QStringList lines = platform.clipboard.text.split('\n');
    ASSERT_EQ(lines.size(), 129);  // 128 lines, each ended
    EXPECT_EQ(lines.mid(0, 6), QStringList({"1.500", "2.500", "3.500", "0.469", "0.586", "0.703"}));
    EXPECT_EQ(lines[127], "15.000");
    EXPECT_EQ(form.Map.DeviceTable[2], 26);  // 1.5 V of 15 V
    EXPECT_EQ(form.W.Text6->text(), "1.500");

    QTest::mouseClick(form.W.Command10, Qt::LeftButton);
    EXPECT_EQ(form.Table->CellText(0), "0.117");
    EXPECT_EQ(form.Table->CellText(2), "0.352");
    EXPECT_EQ(form.Map.DeviceTable[2], 2);

    platform.clipboard.text = "1\n2\n3";
    QTest::mouseClick(form.Table->Text1[126], Qt::LeftButton);
    QTest::keyClick(form.Table->Text1[126], Qt::Key_V, Qt::ControlModifier);
    ASSERT_EQ(platform.messageBox.shown.size(), 1U);
    EXPECT_EQ(form.Table->CellText(126), "14.883");
}

TEST_F(Comfort, KeysRunTheButtonsAfterTheCellCheck) {
    Activate();
    QLineEdit* cell = form.Table->Text1[0];
    QTest::mouseClick(cell, Qt::LeftButton);
    cell->setText("2");
    QTest::keyClick(cell, Qt::Key_Z, Qt::ControlModifier);  // checks 2, then undoes it
    EXPECT_EQ(form.Table->CellText(0), "0.117");
    QTest::keyClick(&form, Qt::Key_S, Qt::ControlModifier);
    QTest::keyClick(&form, Qt::Key_O, Qt::ControlModifier);
    ASSERT_EQ(platform.fileDialog.asked.size(), 2U);
    EXPECT_TRUE(platform.fileDialog.asked[0].save);
    EXPECT_EQ(platform.fileDialog.asked[1].title, "Betöltés");
    QTest::keyClick(&form, Qt::Key_F1);
    EXPECT_EQ(platform.browser.opened, std::vector<QUrl>{Form1::UserGuideUrl()});
}

TEST_F(Comfort, ComparedFileBecomesTheReferenceOnTheCurrentSpans) {
    platform.fileDialog.names = {LineFile()};
    form.Frame7Menu->CompareWithFile();
    // 1.875 V and 3.75 V in, the same out; above 5 V in the file's 5 V holds.
    EXPECT_EQ(form.Map.SavedDeviceTable[32], 32);
    EXPECT_EQ(form.Map.SavedDeviceTable[64], 64);
    EXPECT_EQ(form.Map.SavedDeviceTable[256], 85);
    EXPECT_EQ(form.Map.DeviceTable[256], 256);
    EXPECT_EQ(form.windowTitle(), "SOLVA-TX");
}

TEST_F(Comfort, OpenedFileAndLanguageAndMenuTexts) {
    EXPECT_TRUE(form.OpenFile(LineFile()));
    EXPECT_EQ(form.windowTitle(), "SOLVA-TX  " + dir.filePath("line.pax"));
    EXPECT_EQ(form.Table->CellText(7), "5.000");
    EXPECT_FALSE(form.OpenFile(dir.filePath("missing.pax")));
    EXPECT_EQ(platform.messageBox.shown.size(), 1U);

    form.EnglishFlagClicked();
    FakePlatform next;
    next.settings = platform.settings;
    Form1 again(next.Get(), port, QLocale::c(), dir.filePath("SOLVA-TX.ini"));
    EXPECT_EQ(again.CurrentLanguage(), "eng");
    QStringList texts;
    const std::unique_ptr<QMenu> menu = again.Frame7Menu->Build();
    for (QAction* action : menu->actions()) {
        texts << action->text();
    }
    EXPECT_EQ(texts,
              QStringList({"Compare with file…", "Copy chart picture", "Save chart picture…"}));
}

}  // namespace
