#include <gtest/gtest.h>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <QWidget>
#include <functional>

#include "cell_editor.h"
#include "fake_platform.h"
#include "qt_printers.h"
#include "recording_map_views.h"
#include "table_view.h"
#include "texts.h"

namespace {

/// Answers like FakeInputBox and lets a test act while the box is open.
class HookedInputBox : public FakeInputBox {
public:
    std::function<void()> whileOpen;
    QString Ask(const QString& prompt, const QString& title) override {
        if (whileOpen) {
            whileOpen();
        }
        return FakeInputBox::Ask(prompt, title);
    }
};

struct TypedCase {
    int row;
    const char* typed;
    std::vector<const char*> replies;
    std::vector<const char*> prompts;
    const char* shown;
};

class CellEditorTest : public ::testing::Test {
protected:
    explicit CellEditorTest(char separator = '.') : table(&form, separator) {
        state.DecimalSeparator = QString(separator);
        state.WrongSeparator = separator == ',' ? "." : ",";
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

    /// A click on cell i, then typing that replaces its text.
    void TypeInto(int i, const QString& text) {
        editor.SelectCell(i);
        table.SetCellText(i, text);
    }

    QStringList Prompts() const {
        QStringList prompts;
        for (const AskedInput& asked : inputBox.asked) {
            prompts << asked.prompt;
        }
        return prompts;
    }

    void CheckTyped(const TypedCase& c) {
        inputBox.asked.clear();
        inputBox.replies.assign(c.replies.begin(), c.replies.end());
        TypeInto(c.row, QString::fromUtf8(c.typed));
        editor.CommitCell(c.row);
        QStringList expected;
        for (const char* prompt : c.prompts) {
            expected << prompt;
        }
        EXPECT_EQ(Prompts(), expected) << c.typed;
        for (const AskedInput& asked : inputBox.asked) {
            EXPECT_EQ(asked.title, "Attention!") << c.typed;
        }
        EXPECT_EQ(table.CellText(c.row), c.shown) << c.typed;
    }

    bool IsBold(int i) const {
        return table.Text1[i]->font().bold() && table.Label2[i]->font().bold();
    }

    QWidget form;
    TableView table;
    VoltageMap map;
    EditState state;
    RecordingMapViews views;
    Texts texts{UiLanguage::Eng};
    HookedInputBox inputBox;
    CellEditor editor{map, table, state, views, texts, inputBox};
};

class CommaCellEditorTest : public CellEditorTest {
protected:
    CommaCellEditorTest() : CellEditorTest(',') {}
};

const char* const kNotNumber = "Value must be number! Try again:";
const char* const kPointOnly = "Only decimal point is accepted, not decimal comma! Try again:";
const char* const kCommaOnly = "Only decimal comma is accepted, not decimal point! Try again:";
const char* const kMax15 = "Maximum output value: 15V! Try again:";
const char* const kMin = "Minimum output value: 0V! Try again:";

TEST_F(CellEditorTest, AcceptedRangeAndPromptOrderWithThePoint) {
    // On the 15 V start line row 4 holds 0.586 and row 5 0.703; a cancelled prompt brings
    // back the text of the click.
    const TypedCase cases[] = {
        {4, "7", {}, {}, "7.000"},
        {4, "0", {}, {}, "0.000"},
        {4, "15", {}, {}, "15.000"},
        {4, "20", {"15"}, {kMax15}, "15.000"},
        {4,
         "15.0004",
         {"-1", "abc", "1,5", "2.5"},
         {kMax15, kMin, kNotNumber, kPointOnly},
         "2.500"},
        {5, "-0.001", {"1-2", "."}, {kMin, kNotNumber, kNotNumber}, "0.703"},
        {5, "1.2.3", {""}, {kNotNumber}, "0.703"},
        {5, "", {}, {}, "0.703"},
    };
    for (const TypedCase& c : cases) {
        CheckTyped(c);
    }
}

TEST_F(CommaCellEditorTest, AcceptedRangeAndPromptOrderWithTheComma) {
    const TypedCase cases[] = {
        {4, "1,5", {}, {}, "1,500"},
        {4, "1.5", {"1,5"}, {kCommaOnly}, "1,500"},
        {4, "15,001", {"x", "0,0004"}, {kMax15, kNotNumber}, "0,000"},
        {5, "-1,5", {}, {kMin}, "0,703"},
    };
    for (const TypedCase& c : cases) {
        CheckTyped(c);
    }
}

TEST_F(CellEditorTest, PromptTextsInBothLanguages) {
    struct Case {
        UiLanguage language;
        const char* prompt;
        const char* title;
    };
    for (const Case c :
         {Case{UiLanguage::Hun, "Maximális kimeneti érték: 15V! Adja meg újból:", "Figyelem!"},
          Case{UiLanguage::Eng, "Maximum output value: 15V! Try again:", "Attention!"}}) {
        texts.SetLanguage(c.language);
        inputBox.asked.clear();
        inputBox.replies = {"15"};
        TypeInto(0, "20");
        editor.CommitCell(0);
        ASSERT_EQ(inputBox.asked.size(), 1u);
        EXPECT_EQ(inputBox.asked[0].prompt, QString::fromUtf8(c.prompt));
        EXPECT_EQ(inputBox.asked[0].title, QString::fromUtf8(c.title));
        EXPECT_EQ(table.CellText(0), "15.000");
    }
}

TEST_F(CommaCellEditorTest, CommaOnlyPromptInBothLanguages) {
    texts.SetLanguage(UiLanguage::Hun);
    inputBox.replies = {"1.5", "1,5"};
    TypeInto(0, "1.5");
    editor.CommitCell(0);
    ASSERT_EQ(inputBox.asked.size(), 2u);
    EXPECT_EQ(
        inputBox.asked[0].prompt,
        QString::fromUtf8("Csak tizedes vessző használható, tizedes pont nem! Adja meg újból:"));
    EXPECT_EQ(inputBox.asked[0].title, QString::fromUtf8("Figyelem!"));
    EXPECT_EQ(table.CellText(0), "1,500");
    EXPECT_EQ(map.OutputValues[0], 1.5);

    texts.SetLanguage(UiLanguage::Eng);
    TypeInto(0, "1.5");
    editor.CommitCell(0);
    EXPECT_EQ(inputBox.asked.back().prompt, kCommaOnly);
    EXPECT_EQ(table.CellText(0), "1,500");  // cancelled: the text from the click
}

TEST_F(CellEditorTest, AcceptedValueGoesToMapChartDeviceTableAndUndo) {
    TypeInto(9, "7.5");
    views.calls.clear();
    editor.CommitCell(9);
    EXPECT_EQ(map.OutputValues[9], 7.5);
    EXPECT_EQ(table.CellText(9), "7.500");
    EXPECT_EQ(views.calls, std::vector<std::string>{"RedrawSegment 9"});
    EXPECT_EQ(views.lastSegmentVolts, 7.5);
    EXPECT_EQ(map.DeviceTable[20], 128);  // breakpoint 9 sits on entry 20; 7.5 V is 128
    EXPECT_FALSE(IsBold(9));
    // Undo keeps this cell's old value only.
    EXPECT_DOUBLE_EQ(map.UndoValues[9], 1.172);
    EXPECT_DOUBLE_EQ(map.UndoValues[8], 1.055);
}

TEST_F(CellEditorTest, UnchangedValueTakesNoUndoSnapshot) {
    map.UndoValues[3] = 9;  // would be overwritten by any snapshot
    editor.SelectCell(2);
    editor.CommitCell(2);
    EXPECT_EQ(map.UndoValues[3], 9);
}

TEST_F(CellEditorTest, NothingIsCheckedBeforeTheWindowHasLoaded) {
    state.FormReady = false;
    TypeInto(1, "abc");
    editor.CommitCell(1);
    EXPECT_TRUE(inputBox.asked.empty());
    EXPECT_EQ(table.CellText(1), "abc");
    EXPECT_DOUBLE_EQ(map.OutputValues[1], 0.234);
}

TEST_F(CellEditorTest, EmptiedCellNeverTakesATextNoCellAccepts) {
    editor.SelectCell(3);
    state.TextBeforeEdit = "20";  // stored by the factor box
    table.SetCellText(3, "");
    editor.CommitCell(3);
    EXPECT_EQ(table.CellText(3), "0.469");
    EXPECT_TRUE(inputBox.asked.empty());
}

TEST_F(CellEditorTest, CellLeftBehindGetsItsOwnTextBack) {
    editor.SelectCell(2);
    state.LostFocusChecks = 10;  // its lost-focus check no longer runs
    table.SetCellText(2, "");
    editor.SelectCell(5);
    EXPECT_EQ(table.CellText(2), "0.352");
    EXPECT_EQ(state.TextBeforeEdit, "0.703");
}

TEST_F(CellEditorTest, SelectCellFillsThePointPanelOnlyForANewCell) {
    editor.SelectCell(4);
    EXPECT_EQ(views.calls, (std::vector<std::string>{"ShowPointPanel 4", "DrawMarker 4"}));
    EXPECT_EQ(map.SelectedPoint, 4);
    EXPECT_EQ(state.EditedCell, 4);
    EXPECT_EQ(state.TextBeforeEdit, "0.586");
    EXPECT_EQ(table.Text1[4]->selectedText(), "0.586");
    EXPECT_EQ(table.Text1[4]->cursorPosition(), 0);
    EXPECT_TRUE(IsBold(4));

    views.calls.clear();
    table.SetCellText(4, "3");
    editor.SelectCell(4);
    EXPECT_TRUE(views.calls.empty());
    EXPECT_EQ(state.TextBeforeEdit, "3");

    editor.SelectCell(6);
    EXPECT_EQ(table.CellText(4), "3.000");
    EXPECT_FALSE(IsBold(4));
    EXPECT_TRUE(IsBold(6));
}

TEST_F(CellEditorTest, EscRestoresTheClickedTextWithoutAnyCheck) {
    ShowForm();
    editor.SelectCell(7);
    table.SetCellText(7, "abc");
    QTest::keyClick(table.Text1[7], Qt::Key_Escape);
    EXPECT_EQ(table.CellText(7), "0.938");
    EXPECT_TRUE(inputBox.asked.empty());
    EXPECT_EQ(state.EditedCell, 7);
    EXPECT_TRUE(IsBold(7));
}

TEST_F(CellEditorTest, ClickOnACellSelectsIt) {
    ShowForm();
    QTest::mouseClick(table.Text1[2], Qt::LeftButton);
    EXPECT_EQ(map.SelectedPoint, 2);
    EXPECT_EQ(table.Text1[2]->selectedText(), "0.352");
}

TEST_F(CellEditorTest, LostFocusChecksStopAfterTen) {
    editor.SelectCell(5);
    for (int n = 0; n < 10; ++n) {
        table.SetCellText(5, "20");
        inputBox.replies = {"1"};
        editor.CellLostFocus(5);
    }
    EXPECT_EQ(inputBox.asked.size(), 10u);
    table.SetCellText(5, "20");
    editor.CellLostFocus(5);
    EXPECT_EQ(inputBox.asked.size(), 10u);
    EXPECT_EQ(table.CellText(5), "20");
    editor.SelectCell(5);  // a click starts the count again
    editor.CellLostFocus(5);
    EXPECT_EQ(inputBox.asked.size(), 11u);
}

TEST_F(CellEditorTest, OwnInputBoxTakingTheFocusStartsNoSecondCheck) {
    ShowForm();
    table.FocusCell(3);
    editor.SelectCell(3);
    table.SetCellText(3, "abc");
    inputBox.whileOpen = [this] {
        editor.CellLostFocus(3);
        editor.CommitCell(3);
        QFocusEvent modalTookFocus(QEvent::FocusOut, Qt::ActiveWindowFocusReason);
        QApplication::sendEvent(table.Text1[3], &modalTookFocus);
    };
    inputBox.replies = {"2"};
    editor.CommitCell(3);
    EXPECT_EQ(inputBox.asked.size(), 1u);
    EXPECT_EQ(table.CellText(3), "2.000");
    EXPECT_EQ(state.LostFocusChecks, 0);
}

TEST_F(CellEditorTest, PageKeysAtTheirEdges) {
    ShowForm();
    struct Case {
        int from, scrollBefore, key;
        int to, scrollAfter;
    };
    const Case cases[] = {
        {0, 0, Qt::Key_PageDown, 32, 8160},
        {100, 20000, Qt::Key_PageDown, 100, 20000},
        {95, 16320, Qt::Key_PageDown, 127, 24480},
        {40, 8160, Qt::Key_PageUp, 8, 0},
        {40, 10200, Qt::Key_PageUp, 8, 2040},
        {32, 8160, Qt::Key_PageUp, 0, 0},
        {31, 0, Qt::Key_PageUp, 31, 0},
    };
    for (const Case& c : cases) {
        table.SetScrollPosition(c.scrollBefore);
        table.FocusCell(c.from);
        editor.SelectCell(c.from);
        QTest::keyClick(table.Text1[c.from], static_cast<Qt::Key>(c.key));
        EXPECT_EQ(state.EditedCell, c.to) << c.from << " key " << c.key;
        EXPECT_EQ(map.SelectedPoint, c.to) << c.from << " key " << c.key;
        EXPECT_EQ(QApplication::focusWidget(), table.Text1[c.to]) << c.from << " key " << c.key;
        EXPECT_EQ(table.ScrollPosition(), c.scrollAfter) << c.from << " key " << c.key;
        EXPECT_EQ(table.PanelTop(), -c.scrollAfter) << c.from << " key " << c.key;
    }
    EXPECT_TRUE(inputBox.asked.empty());
}

TEST_F(CellEditorTest, PageKeysDoNothingWhenAllRowsFit) {
    ShowForm();
    map.Resolution = 32;
    for (const Qt::Key key : {Qt::Key_PageDown, Qt::Key_PageUp}) {
        table.FocusCell(0);
        editor.SelectCell(0);
        QTest::keyClick(table.Text1[0], key);
        EXPECT_EQ(state.EditedCell, 0);
    }
}

TEST_F(CellEditorTest, DownAndUpScrollJustFarEnough) {
    ShowForm();
    struct Case {
        int from, scrollBefore, key;
        int to, scrollAfter;
    };
    const Case cases[] = {
        {31, 0, Qt::Key_Down, 32, 255},    // last visible row: one row
        {31, 0, Qt::Key_Return, 32, 255},  // Enter moves like Down
        {31, 100, Qt::Key_Down, 32, 255},  // not aligned: the new row's bottom on the edge
        {5, 0, Qt::Key_Down, 6, 0},        // in view: no scrolling
        {10, 2550, Qt::Key_Up, 9, 2295},   // top visible row: one row up
        {10, 2600, Qt::Key_Up, 9, 2295},   // half hidden row above
        {0, 0, Qt::Key_Up, 0, 0},          // no wrap-around
        {126, 24480, Qt::Key_Down, 127, 24480},
    };
    for (const Case& c : cases) {
        table.SetScrollPosition(c.scrollBefore);
        table.FocusCell(c.from);
        editor.SelectCell(c.from);
        QTest::keyClick(table.Text1[c.from], static_cast<Qt::Key>(c.key));
        EXPECT_EQ(state.EditedCell, c.to) << c.from << " key " << c.key;
        EXPECT_EQ(QApplication::focusWidget(), table.Text1[c.to]) << c.from << " key " << c.key;
        EXPECT_EQ(table.ScrollPosition(), c.scrollAfter) << c.from << " key " << c.key;
        EXPECT_EQ(table.PanelTop(), -c.scrollAfter) << c.from << " key " << c.key;
    }
}

TEST_F(CellEditorTest, LastRowKeepsTheFocus) {
    ShowForm();
    table.SetScrollPosition(24480);
    table.FocusCell(127);
    editor.SelectCell(127);
    QTest::keyClick(table.Text1[127], Qt::Key_Down);
    EXPECT_EQ(state.EditedCell, 127);
    EXPECT_EQ(QApplication::focusWidget(), table.Text1[127]);

    table.SetCellText(127, "12");
    views.calls.clear();
    QTest::keyClick(table.Text1[127], Qt::Key_Return);
    EXPECT_EQ(QApplication::focusWidget(), table.Text1[127]);
    EXPECT_EQ(table.CellText(127), "12.000");
    EXPECT_TRUE(IsBold(127));
    EXPECT_EQ(views.calls, (std::vector<std::string>{"RedrawSegment 127", "ShowPointValue 127",
                                                     "DrawMarker 127"}));
}

TEST_F(CellEditorTest, MovingOnChecksTheCellLeft) {
    ShowForm();
    table.FocusCell(3);
    editor.SelectCell(3);
    table.SetCellText(3, "20");
    inputBox.replies = {"4"};
    QTest::keyClick(table.Text1[3], Qt::Key_Down);
    EXPECT_EQ(inputBox.asked.size(), 1u);
    EXPECT_EQ(table.CellText(3), "4.000");
    EXPECT_FALSE(IsBold(3));
    EXPECT_TRUE(IsBold(4));
    EXPECT_EQ(state.EditedCell, 4);
}

}  // namespace
