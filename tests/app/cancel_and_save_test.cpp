// A cancelled re-prompt cancels its command, and a save shows its reference curve at once.
#include <gtest/gtest.h>
#include <QApplication>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include "cell_editor.h"
#include "chart_view.h"
#include "data_file.h"
#include "fake_platform.h"
#include "form1.h"
#include "null_serial_port.h"
#include "qt_printers.h"
#include "table_view.h"

namespace {

class CancelAndSave : public ::testing::Test {
protected:
    CancelAndSave() {
        form.show();
        QApplication::setActiveWindow(&form);
        EXPECT_TRUE(QTest::qWaitForWindowActive(&form));
    }

    /// Clicks the box, types into it and leaves it by a click on the button.
    void TypeThenClick(QLineEdit* box, const char* typed, QPushButton* button) {
        QTest::mouseClick(box, Qt::LeftButton);  // selects the whole text
        QTest::keyClicks(box, typed);
        QTest::mouseClick(button, Qt::LeftButton);
        QTest::qWait(0);  // a completed click comes from the event loop
    }

    QTemporaryDir dir;
    FakePlatform platform;
    NullSerialPort port;
    Form1 form{platform.Get(), port, QLocale::c(), dir.filePath("SOLVA-TX.ini")};
};

TEST_F(CancelAndSave, ACancelledPromptLeavesTheMapAndAValidReplyRuns) {
    const struct {
        const char* name;
        QLineEdit* box;
        QPushButton* button;
        const char* typed;  // refused: one prompt
        QStringList replies;
        const char* box_after;
        const char* last_cell;  // cell 127 afterwards; the start line ends at 15.000
    } cases[] = {
        {"multiply, Cancel", form.W.Text3, form.W.Command8, "abc", {}, "1.000", "15.000"},
        {"offset, empty reply", form.W.Text4, form.W.Command9, "-20", {""}, "0.000", "15.000"},
        {"line, Cancel", form.W.Text5, form.W.Command5, "16", {}, "0.000", "15.000"},
        {"multiply, valid reply", form.W.Text3, form.W.Command8, "x", {"0.5"}, "0.500", "7.500"},
        {"offset, valid reply", form.W.Text4, form.W.Command9, "16", {"-1.5"}, "-1.500", "6.000"},
        {"line, valid reply", form.W.Text5, form.W.Command5, "-1", {"4"}, "4.000", "4.000"},
    };
    for (const auto& c : cases) {
        const auto values = form.Map.OutputValues;
        const auto undo = form.Map.UndoValues;
        const float lastY = form.Frame7->Chart().Line3[127].Y2;
        platform.inputBox.asked.clear();
        platform.inputBox.replies.assign(c.replies.begin(), c.replies.end());
        TypeThenClick(c.box, c.typed, c.button);
        EXPECT_EQ(platform.inputBox.asked.size(), 1u) << c.name;
        EXPECT_EQ(c.box->text(), c.box_after) << c.name;
        EXPECT_EQ(form.Table->CellText(127), c.last_cell) << c.name;
        if (c.replies.value(0).isEmpty()) {
            EXPECT_EQ(form.Map.OutputValues, values) << c.name;
            EXPECT_EQ(form.Map.UndoValues, undo) << c.name;
            EXPECT_EQ(form.Frame7->Chart().Line3[127].Y2, lastY) << c.name;
        }
    }
}

// The straight-line button checks a box that was never left; a box left for a widget that
// is no button cancels no later click.
TEST_F(CancelAndSave, OnlyTheClickThatLeftTheBoxIsCancelled) {
    form.W.Text2->setFocus();
    form.W.Text5->setText("16");
    QTest::mouseClick(form.W.Command5, Qt::LeftButton);
    EXPECT_EQ(form.Table->CellText(127), "15.000");
    EXPECT_EQ(platform.inputBox.asked.size(), 1u);

    form.Table->SetCellText(5, "9.5");
    form.Cells->CommitCell(5);
    ASSERT_EQ(form.Map.UndoValues[5], 0.703);
    QTest::mouseClick(form.W.Text3, Qt::LeftButton);
    QTest::keyClicks(form.W.Text3, "x");
    QTest::mouseClick(form.W.Text2, Qt::LeftButton);
    QTest::qWait(0);
    QTest::mouseClick(form.W.Command8, Qt::LeftButton);
    EXPECT_EQ(platform.inputBox.asked.size(), 2u);
    EXPECT_EQ(form.Map.UndoValues[5], 9.5);  // the multiplication by 1 ran
}

// After a load, an edit and a save, the light-blue curve is the map as saved.
TEST_F(CancelAndSave, ASaveDrawsTheSavedCurveAtOnce) {
    VoltageMap loaded;
    FillStartLine(loaded);
    ASSERT_TRUE(WriteDataFile(loaded, {}, dir.filePath("a.pax")).Ok);
    platform.fileDialog.names = {dir.filePath("a.pax"), dir.filePath("b.pax")};
    QTest::mouseClick(form.W.Command3, Qt::LeftButton);
    form.Table->SetCellText(5, "9.5");
    form.Cells->CommitCell(5);
    const ChartLine& saved = form.Frame7->Chart().Line11[5];
    EXPECT_EQ(saved.Y2, 8650 - 12 * 32);  // as loaded: N(0.703 * 256 / 15) = N(11.998)
    QTest::mouseClick(form.W.Command2, Qt::LeftButton);
    EXPECT_TRUE(saved.Visible);
    EXPECT_EQ(saved.Y2, 8650 - 162 * 32);  // N(9.5 * 256 / 15) = N(162.13)
    EXPECT_EQ(form.Frame7->Chart().Line11[6].Y1, 8650 - 162 * 32);
}

}  // namespace
