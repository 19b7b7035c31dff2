#include <gtest/gtest.h>
#include <QApplication>
#include <QLineEdit>
#include <QTest>
#include <QWidget>

#include "curve_commands.h"
#include "entry_boxes.h"
#include "fake_platform.h"
#include "qt_printers.h"
#include "recording_map_views.h"
#include "texts.h"
#include "voltage_map.h"

namespace {

using enum EntryKind;
using enum UiLanguage;

class EntryBoxesTest : public ::testing::Test {
protected:
    EntryBoxesTest() { state.FormReady = true; }

    void ShowForm() {
        form.show();
        QApplication::setActiveWindow(&form);
        ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
    }

    QLineEdit* Box(EntryKind kind) const {
        return kind == Factor ? Text3 : kind == Offset ? Text4 : Text5;
    }

    QWidget form;
    QLineEdit* Text3 = new QLineEdit("1", &form);
    QLineEdit* Text4 = new QLineEdit("0", &form);
    QLineEdit* Text5 = new QLineEdit("0", &form);
    VoltageMap map;
    EditState state;
    Texts texts{Eng};
    FakeInputBox inputBox;
    EntryBoxes boxes{Text3, Text4, Text5, map, state, texts, inputBox};
};

const char* const kFactorNum = "Value must be number! Set again the factor!";
const char* const kFactorPoint =
    "Only decimal point is accepted, not decimal comma! Set again the factor!";
const char* const kFactorComma =
    "Only decimal comma is accepted, not decimal point! Set again the factor!";
const char* const kFactorMin = "Minimum factor is: 0! Set again the factor!";
const char* const kOffsetMax = "Maximum offset is: 10V! Set again the offset!";
const char* const kOffsetMin = "Minimum offset is: -10V! Set again the offset!";
const char* const kOffsetMinHun =
    "Minimális hozzaadandó érték: -10V! Adja meg újból a hozzáadandó értéket!";
const char* const kLineMax =
    "Maximum output value is: 15V! Set again the output voltage for input voltage: 5V!";
const char* const kLineMaxHun =
    "Maximális kimeneti érték: 15V! Adja meg újból a(z) 5V-hoz tartozó kimeneti feszültséget!";
const char* const kLineMin =
    "Minimum output value is: 0V! Set again the output voltage for input voltage: 5V!";
const char* const kLineComma =
    "Only decimal comma is accepted, not decimal point! Set again the output voltage for input "
    "voltage: 5V!";

// A cancelled prompt (no reply left) brings back the text of the last click.
struct BoxCase {
    EntryKind kind;
    char separator;
    UiLanguage language;
    const char* typed;
    QStringList replies, prompts;
    const char* shown;
};

// Offset box on a 10 V output span, end-voltage box with 5 V in and 15 V out.
TEST_F(EntryBoxesTest, AcceptedRangesAndPromptOrder) {
    const BoxCase cases[] = {
        {Factor, ',', Eng, "1.5", {"1,5"}, {kFactorComma}, "1,500"},
        {Factor, '.', Eng, ",5", {"-", "-1", "2"}, {kFactorPoint, kFactorNum, kFactorMin}, "2.000"},
        {Offset, '.', Eng, "10.001", {"-10.5", "-2"}, {kOffsetMax, kOffsetMin}, "-2.000"},
        {Offset, '.', Hun, "-10.5", {}, {kOffsetMinHun}, "0.000"},
        {EndVoltage, '.', Eng, "16", {"-0.5", "4.25"}, {kLineMax, kLineMin}, "4.250"},
        {EndVoltage, '.', Hun, "16", {}, {kLineMaxHun}, "0.000"},
        {EndVoltage, ',', Eng, "2.5", {}, {kLineComma}, "0,000"},
    };
    for (const BoxCase& c : cases) {
        map.OutputRangeMax = c.kind == EndVoltage ? 15 : 10;
        map.InputRangeMax = 5;
        state.DecimalSeparator = QString(c.separator);
        state.WrongSeparator = c.separator == ',' ? "." : ",";
        state.TextBeforeEdit = c.kind == Factor ? "1" : "0";
        texts.SetLanguage(c.language);
        inputBox.asked.clear();
        inputBox.replies.assign(c.replies.begin(), c.replies.end());
        Box(c.kind)->setText(c.typed);
        boxes.CheckEntryBox(c.kind);
        QStringList prompts;
        for (const AskedInput& asked : inputBox.asked) {
            prompts << asked.prompt;
            EXPECT_EQ(asked.title, c.language == Hun ? "Figyelem!" : "Attention!") << c.typed;
        }
        EXPECT_EQ(prompts, c.prompts) << c.typed;
        EXPECT_EQ(Box(c.kind)->text(), c.shown) << c.typed;
    }
}

TEST_F(EntryBoxesTest, EscBringsBackTheTextOfTheClickAndEnterChecks) {
    ShowForm();
    QTest::mouseClick(Text3, Qt::LeftButton);
    Text3->setText("abc");
    QTest::keyClick(Text3, Qt::Key_Escape);
    EXPECT_EQ(Text3->text(), "1");
    Text3->setText("3");
    QTest::keyClick(Text3, Qt::Key_Return);
    EXPECT_EQ(Text3->text(), "3.000");
    EXPECT_TRUE(inputBox.asked.empty());
}

// The curve buttons check their box first and end with the table, the chart and, when a
// breakpoint is selected, its marker and output box.
TEST_F(EntryBoxesTest, CurveCommandsCheckTheirBoxFirstAndFinish) {
    RecordingMapViews views;
    CurveCommands commands{map, boxes, views};
    map.Resolution = 8;
    map.ResolutionIndex = ResolutionIndexOf(8);
    map.SelectedPoint = 7;
    Text5->setText("16");
    inputBox.replies = {"10"};
    commands.CreateLine();
    ASSERT_EQ(inputBox.asked.size(), 1u);
    EXPECT_EQ(map.OutputValues[0], 1.25);
    EXPECT_EQ(views.calls, (std::vector<std::string>{"ShowValues", "RedrawChart", "DrawMarker 7",
                                                     "ShowPointValue 7"}));
    map.SelectedPoint = 8;
    Text3->setText("2");
    commands.Multiply();
    EXPECT_EQ(map.OutputValues[7], 15.0);  // 20 V is past the span
    Text4->setText("-5");
    commands.AddOffset();
    EXPECT_EQ(map.OutputValues[1], 0.0);
    commands.Undo();
    EXPECT_EQ(map.OutputValues[1], 5.0);  // back to the doubled line
    EXPECT_EQ(views.Count("ShowValues"), 4);
    EXPECT_EQ(views.Count("DrawMarker 8"), 0);
}

}  // namespace
