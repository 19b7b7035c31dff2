// The main window's command buttons end to end: the real port layer on a pseudo-terminal,
// and the data file through scripted dialogs.
#include <gtest/gtest.h>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include "cell_editor.h"
#include "chart_view.h"
#include "data_file.h"
#include "fake_platform.h"
#include "file_commands.h"
#include "form1.h"
#include "pseudo_terminal.h"
#include "qt_printers.h"
#include "qt_serial_port.h"
#include "table_view.h"

namespace {

class Form1Commands : public ::testing::Test {
protected:
    QTemporaryDir dir;
    FakePlatform platform;
    QtSerialPort port;
    Form1 form{platform.Get(), port, QLocale::c(), dir.filePath("SOLVA-TX.ini")};

    void ChoosePort(int number) {
        form.W.Combo1->setCurrentIndex(number - 1);
        emit form.W.Combo1->activated(number - 1);
    }
};

TEST_F(Form1Commands, SendPutsTheDefaultMapOnTheLine) {
    PseudoTerminal line;
    ASSERT_TRUE(line.IsOpen());
    line.Route(9);
    ChoosePort(9);
    QTest::mouseClick(form.W.Command1, Qt::LeftButton);

    std::vector<int> expected{0x05, 0xFF, 0xFF};
    for (int k = 1; k <= 255; ++k) {
        expected.insert(expected.end(), {k, 0xFF, 0xFF});
    }
    EXPECT_EQ(line.ReadAll(), expected);
    EXPECT_TRUE(platform.messageBox.shown.empty());
}

TEST_F(Form1Commands, SaveThenLoadRestoresTheMapTheChoosersAndTheNote) {
    const QString path = dir.filePath("map.pax");
    form.W.Combo2->setCurrentIndex(1);  // output span 0 - 10 V, as a user's choice
    emit form.W.Combo2->activated(1);
    form.W.Check1->setChecked(true);
    form.Table->SetCellText(5, "2.5");
    form.Cells->CommitCell(5);
    form.W.Text2->setPlainText("első sor\nsecond line");

    platform.fileDialog.names = {path};
    QTest::mouseClick(form.W.Command2, Qt::LeftButton);
    EXPECT_EQ(form.windowTitle(), "SOLVA-TX  " + path);
    EXPECT_EQ(form.Frame7->Chart().Line11[5].Y2, 8650 - 64 * 32);  // at once: N(2.5 * 256 / 10)

    form.W.Combo2->setCurrentIndex(2);
    emit form.W.Combo2->activated(2);
    form.W.Check1->setChecked(false);
    form.W.Text2->clear();
    platform.fileDialog.names = {path};
    platform.messageBox.answers = {MessageAnswer::No};  // not to save the changes first
    QTest::mouseClick(form.W.Command3, Qt::LeftButton);

    EXPECT_EQ(form.Map.OutputRangeMax, 10);
    EXPECT_EQ(form.W.Combo2->currentText(), "0 - 10 V");
    EXPECT_TRUE(form.W.Check1->isChecked());
    EXPECT_EQ(form.Table->CellText(5), "2.500");
    EXPECT_EQ(form.Map.UndoValues[5], 2.5);  // the loaded map is what an undo returns to
    EXPECT_EQ(form.Table->CellText(127), "10.000");
    EXPECT_EQ(form.W.Text2->toPlainText(), "első sor\nsecond line");
    EXPECT_TRUE(form.Map.SavedCurveValid);
    EXPECT_TRUE(form.Frame7->Chart().Line11[0].Visible);  // the saved curve is drawn
    EXPECT_EQ(platform.messageBox.shown.size(), 1u);
}

TEST_F(Form1Commands, ClosingCountsTheTypedCellAndKeepsTheNoteAsTyped) {
    const QString path = dir.filePath("note.pax");
    VoltageMap saved;
    FillStartLine(saved);
    ASSERT_TRUE(WriteDataFile(saved, QString::fromUtf8("100\u00a0%"), path).Ok);
    platform.fileDialog.names = {path};
    QTest::mouseClick(form.W.Command3, Qt::LeftButton);
    ASSERT_EQ(form.Files->CurrentFileName(), path);
    EXPECT_TRUE(form.close());  // the map equals its file: no question
    EXPECT_TRUE(platform.messageBox.shown.empty());

    form.show();
    QApplication::setActiveWindow(&form);
    form.Table->Text1[5]->setFocus();
    ASSERT_TRUE(form.Table->Text1[5]->hasFocus());
    form.Table->SetCellText(5, "9.5");
    EXPECT_FALSE(form.close());  // Yes to the question, then the save dialog is cancelled
    ASSERT_EQ(platform.messageBox.shown.size(), 1u);
    EXPECT_EQ(platform.messageBox.shown[0].prompt, "Menti az adatállományt?");
    EXPECT_EQ(form.Map.OutputValues[5], 9.5);
}

// Cancel on the re-prompt of a box cancels the click that left it, and only that click.
TEST_F(Form1Commands, ACancelledRepromptCancelsItsCommand) {
    form.show();
    QApplication::setActiveWindow(&form);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
    const auto undo = form.Map.UndoValues;
    const struct {
        QLineEdit* box;
        const char* typed;
        QWidget* leaveBy;
        const char* reply;
        const char* lastCell;
    } cases[] = {
        {form.W.Text3, "abc", form.W.Command8, "", "15.000"},
        {form.W.Text5, "16", form.W.Command5, "", "15.000"},  // not a line to 0 V
        {form.W.Text3, "x", form.W.Text2, "", "15.000"},
        {form.W.Text3, "y", form.W.Command8, "0.5", "7.500"},  // a valid reply runs
    };
    for (const auto& c : cases) {
        platform.inputBox.replies = {c.reply};
        QTest::mouseClick(c.box, Qt::LeftButton);
        QTest::keyClicks(c.box, c.typed);
        QTest::mouseClick(c.leaveBy, Qt::LeftButton);
        QTest::qWait(0);
        EXPECT_EQ(form.Table->CellText(127), c.lastCell) << c.typed;
        EXPECT_TRUE(*c.reply || form.Map.UndoValues == undo) << c.typed;
    }
    EXPECT_EQ(platform.inputBox.asked.size(), 4u);
}

}  // namespace
