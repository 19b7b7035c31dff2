#include <gtest/gtest.h>
#include <QApplication>
#include <QLineEdit>
#include <QTest>
#include <QWidget>
#include <array>
#include <functional>
#include <tuple>

#include "table/cell_editor.h"
#include "table/clipboard.h"
#include "table/table_view.h"
#include "tests/fakes/fake_platform.h"
#include "tests/fakes/qt_printers.h"
#include "tests/fakes/recording_observer.h"
#include "texts/texts.h"

namespace {

class CellEditorTest : public ::testing::Test {
protected:
    CellEditorTest() {
        state.DecimalSeparator = ".";
        form.resize(200, 700);
        table.BuildTable(map);
        state.FormReady = true;
    }

    /// The window must be active for focus changes to send their events.
    void ShowForm() {
        form.show();
        QApplication::setActiveWindow(&form);
        ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
    }

    QWidget form;
    TableView table{&form, '.'};
    MapDocument document;
    const VoltageMap& map = document.Map();
    Follower follower{document, [this](const MapChanges& c) { table.ShowChanges(map, c); }};
    RecordingObserver observer{document};
    EditState state;
    Texts texts{UiLanguage::Eng};
    FakeInputBox inputBox;
    CellEditor editor{document, table, state, texts, inputBox};
};

// The prompt's reply lands in the cell; a cancelled prompt brings back the text of the click.
// On the 15 V start line row 4 holds 0.586 and row 5 0.703.
TEST_F(CellEditorTest, ARefusedCellTakesTheRepliedValueOrItsOldText) {
    inputBox.replies = {"7"};
    for (const auto& [row, typed, shown] : {std::tuple(4, "20", "7.000"), {5, "abc", "0.703"}}) {
        editor.SelectCell(row);
        table.SetCellText(row, typed);
        editor.CommitCell(row);
        EXPECT_EQ(table.CellText(row), shown);
    }
    EXPECT_EQ(inputBox.asked.size(), 2u);
    EXPECT_EQ(map.OutputValues[4], 7.0);
}

TEST_F(CellEditorTest, AcceptedValueGoesToTheMapWhichShowsItFormatted) {
    editor.SelectCell(9);
    table.SetCellText(9, "7.5");
    observer.calls.clear();
    editor.CommitCell(9);
    EXPECT_EQ(map.OutputValues[9], 7.5);
    EXPECT_EQ(table.CellText(9), "7.500");
    EXPECT_EQ(observer.calls, "Value 9; ");
    // Undo keeps this cell's old value only.
    EXPECT_DOUBLE_EQ(map.UndoValues[9], 1.172);
    EXPECT_DOUBLE_EQ(map.UndoValues[8], 1.055);
}

// The text before the edit is shared with the entry boxes and follows every click.
TEST_F(CellEditorTest, EmptiedCellGetsItsOwnAcceptableTextBack) {
    editor.SelectCell(3);
    state.TextBeforeEdit = "20";  // stored by the factor box
    table.SetCellText(3, "");
    editor.CommitCell(3);
    EXPECT_EQ(table.CellText(3), "0.469");

    editor.SelectCell(2);
    state.LostFocusChecks = 10;  // its lost-focus check no longer runs
    table.SetCellText(2, "");
    editor.SelectCell(5);
    EXPECT_EQ(table.CellText(2), "0.352");
    EXPECT_TRUE(inputBox.asked.empty());
}

// Whatever the selection, Esc shows the value the cell holds: no value changes. After a
// paste that is the pasted value, which then stands.
TEST_F(CellEditorTest, EscRestoresTheCellsOwnTextWithoutAnyCheck) {
    ShowForm();
    const struct {
        const char* name;
        int row;
        std::function<void()> select;
        const char* shown;
    } cases[] = {
        {"a click", 7, [&] { editor.SelectCell(7); }, "0.938"},
        {"a Shift+click", 10, [&] { editor.SelectCell(1), editor.ExtendRangeTo(10); }, "1.289"},
        {"Shift+Down", 2, [&] { editor.SelectCell(1), editor.MoveRangeEnd(1, Qt::Key_Down); },
         "0.352"},
    };
    for (const auto& c : cases) {
        c.select();
        const auto before = map.OutputValues;
        table.SetCellText(c.row, "abc");
        QTest::keyClick(table.Text1[c.row], Qt::Key_Escape);
        EXPECT_EQ(table.CellText(c.row), c.shown) << c.name;
        editor.CommitPendingCells();
        EXPECT_EQ(map.OutputValues, before) << c.name;
    }
    EXPECT_TRUE(inputBox.asked.empty());
    editor.SelectCell(7);
    FakeMessageBox messageBox;
    FakeClipboard clipboard;
    clipboard.text = "2.5\n3.5\n";
    CellClipboard paste{document, table, state, editor, texts, messageBox, clipboard};
    QTest::keyClick(table.Text1[7], Qt::Key_V, Qt::ControlModifier);
    QTest::keyClick(table.Text1[7], Qt::Key_Escape);
    editor.CommitCell(7);
    EXPECT_EQ(table.CellText(7), "2.500");
    EXPECT_EQ(map.OutputValues[7], 2.5);
}

// Row 11 is clicked while row 3 holds a refused text; its re-prompt takes the release.
TEST_F(CellEditorTest, ClickWhoseReleaseThePromptTookSelectsTheCell) {
    ShowForm();
    QTest::mouseClick(table.Text1[2], Qt::LeftButton);
    QLineEdit prompt;
    QObject::connect(&table, &TableView::CellFocusLost,
                     [&prompt] { QTest::mouseRelease(&prompt, Qt::LeftButton); });
    table.SetCellText(2, "abc");
    inputBox.replies = {"1"};
    QTest::mousePress(table.Text1[10], Qt::LeftButton);
    QCoreApplication::processEvents();
    EXPECT_EQ(table.CellText(2), "1.000");
    EXPECT_EQ(map.SelectedPoint, 10);
    EXPECT_EQ(table.Text1[10]->selectedText(), "1.289");
}

// A load leaves the edited cell unselected, and maybe fewer rows.
TEST_F(CellEditorTest, AfterALoadTheEditedCellSelectsAgainAndRowsBeyondAreOutOfReach) {
    editor.SelectCell(4);
    VoltageMap file;
    file.Resolution = 16;
    document.Load(file);
    observer.calls.clear();
    editor.SelectCell(4);
    EXPECT_EQ(observer.calls, "Selection; ");
    editor.CellKeyDown(20, Qt::Key_Up);
    editor.SelectCell(17);
    EXPECT_EQ(map.SelectedPoint, 4);
}

// Row height 255 twips, 32 rows in view, scroll maximum 24480 at 128 rows.
TEST_F(CellEditorTest, KeysMoveAndScrollJustFarEnough) {
    ShowForm();
    // {row, scroll position, key, the row reached, scroll position after}
    const std::array<int, 5> cases[] = {
        {0, 0, Qt::Key_PageDown, 32, 8160},
        {100, 20000, Qt::Key_PageDown, 100, 20000},  // fewer than a page below
        {32, 8160, Qt::Key_PageUp, 0, 0},
        {31, 0, Qt::Key_PageUp, 31, 0},
        {127, 24480, Qt::Key_Down, 127, 24480},
        {31, 0, Qt::Key_Return, 32, 255},  // last visible row: one row further
        {31, 100, Qt::Key_Down, 32, 255},  // the new row's bottom on the edge
        {10, 2600, Qt::Key_Up, 9, 2295},   // half hidden row above
        {0, 0, Qt::Key_Up, 0, 0},
    };
    for (const auto& [from, scrollBefore, key, to, scrollAfter] : cases) {
        table.SetScrollPosition(scrollBefore);
        table.FocusCell(from);
        editor.SelectCell(from);
        QTest::keyClick(table.Text1[from], static_cast<Qt::Key>(key));
        const std::string row = std::to_string(from) + " key " + std::to_string(key);
        EXPECT_EQ(map.SelectedPoint, to) << row;
        EXPECT_EQ(QApplication::focusWidget(), table.Text1[to]) << row;
        EXPECT_EQ(table.ScrollPosition(), scrollAfter) << row;
    }
    EXPECT_TRUE(inputBox.asked.empty());
}

}  // namespace
