#include <gtest/gtest.h>
#include <QApplication>
#include <QLineEdit>
#include <QTest>
#include <QWidget>

#include "entry_boxes.h"
#include "fake_platform.h"
#include "qt_printers.h"
#include "texts.h"
#include "voltage_map.h"

namespace {

class EntryBoxesTest : public ::testing::Test {
protected:
    EntryBoxesTest() {
        Text3->setText("1");
        Text4->setText("0");
        Text5->setText("0");
        state.FormReady = true;
    }

    void UseSeparator(char separator) {
        state.DecimalSeparator = QString(separator);
        state.WrongSeparator = separator == ',' ? "." : ",";
    }

    void ShowForm() {
        form.show();
        QApplication::setActiveWindow(&form);
        ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
    }

    QLineEdit* Box(EntryKind kind) const {
        return kind == EntryKind::Factor ? Text3 : kind == EntryKind::Offset ? Text4 : Text5;
    }

    QWidget form;
    QLineEdit* Text3 = new QLineEdit(&form);
    QLineEdit* Text4 = new QLineEdit(&form);
    QLineEdit* Text5 = new QLineEdit(&form);
    QLineEdit* elsewhere = new QLineEdit(&form);
    VoltageMap map;
    EditState state;
    Texts texts{UiLanguage::Eng};
    FakeInputBox inputBox;
    EntryBoxes boxes{Text3, Text4, Text5, map, state, texts, inputBox};
};

const char* const kFactorNotNumber = "Value must be number! Set again the factor!";
const char* const kFactorPointOnly =
    "Only decimal point is accepted, not decimal comma! Set again the factor!";
const char* const kFactorCommaOnly =
    "Only decimal comma is accepted, not decimal point! Set again the factor!";
const char* const kFactorMin = "Minimum factor is: 0! Set again the factor!";
const char* const kOffsetMax10 = "Maximum offset is: 10V! Set again the offset!";
const char* const kOffsetMin10 = "Minimum offset is: -10V! Set again the offset!";
const char* const kLineMax15For5 =
    "Maximum output value is: 15V! Set again the output voltage for input voltage: 5V!";
const char* const kLineMinFor5 =
    "Minimum output value is: 0V! Set again the output voltage for input voltage: 5V!";
const char* const kLineCommaOnlyFor5 =
    "Only decimal comma is accepted, not decimal point! Set again the output voltage for input "
    "voltage: 5V!";

struct BoxCase {
    EntryKind kind;
    char separator;
    const char* typed;
    std::vector<const char*> replies;
    std::vector<const char*> prompts;
    const char* shown;
};

// Offset box on a 10 V output span, end-voltage box with 5 V in and 15 V out. The text of
// the last click is "1", "0" and "0"; a cancelled prompt brings it back.
const BoxCase kBoxCases[] = {
    {EntryKind::Factor, '.', "0", {}, {}, "0.000"},
    {EntryKind::Factor, '.', "250", {}, {}, "250.000"},
    {EntryKind::Factor, '.', "-1", {"2"}, {kFactorMin}, "2.000"},
    {EntryKind::Factor,
     '.',
     "1,5",
     {"1-2", "-", "1.2.3", "1.5"},
     {kFactorPointOnly, kFactorNotNumber, kFactorNotNumber, kFactorNotNumber},
     "1.500"},
    {EntryKind::Factor, ',', "1.5", {"1,5"}, {kFactorCommaOnly}, "1,500"},
    {EntryKind::Factor, ',', "-1,5", {}, {kFactorMin}, "1,000"},
    {EntryKind::Offset, '.', "10", {}, {}, "10.000"},
    {EntryKind::Offset, '.', "-10", {}, {}, "-10.000"},
    {EntryKind::Offset, '.', "10.001", {"-10.5", "-2"}, {kOffsetMax10, kOffsetMin10}, "-2.000"},
    {EntryKind::Offset, '.', "abc", {""}, {"Value must be number! Set again the offset!"}, "0.000"},
    {EntryKind::EndVoltage, '.', "15", {}, {}, "15.000"},
    {EntryKind::EndVoltage, '.', "16", {"-0.5", "4.25"}, {kLineMax15For5, kLineMinFor5}, "4.250"},
    {EntryKind::EndVoltage, ',', "2.5", {}, {kLineCommaOnlyFor5}, "0,000"},
};

TEST_F(EntryBoxesTest, AcceptedRangesAndPromptOrder) {
    for (const BoxCase& c : kBoxCases) {
        map.OutputRangeMax = c.kind == EntryKind::EndVoltage ? 15 : 10;
        map.InputRangeMax = 5;
        UseSeparator(c.separator);
        state.TextBeforeEdit = c.kind == EntryKind::Factor ? "1" : "0";
        inputBox.asked.clear();
        inputBox.replies.assign(c.replies.begin(), c.replies.end());
        Box(c.kind)->setText(QString::fromUtf8(c.typed));
        boxes.CheckEntryBox(c.kind);
        QStringList prompts;
        for (const AskedInput& asked : inputBox.asked) {
            prompts << asked.prompt;
            EXPECT_EQ(asked.title, "Attention!") << c.typed;
        }
        QStringList expected;
        for (const char* prompt : c.prompts) {
            expected << prompt;
        }
        EXPECT_EQ(prompts, expected) << c.typed;
        EXPECT_EQ(Box(c.kind)->text(), c.shown) << c.typed;
    }
}

TEST_F(EntryBoxesTest, PromptTextsInBothLanguages) {
    struct Case {
        EntryKind kind;
        int outputMax, inputMax;
        const char* typed;
        UiLanguage language;
        const char* prompt;
        const char* title;
    };
    const Case cases[] = {
        {EntryKind::Offset, 10, 15, "-10.5", UiLanguage::Hun,
         "Minimális hozzaadandó érték: -10V! Adja meg újból a hozzáadandó értéket!", "Figyelem!"},
        {EntryKind::Offset, 10, 15, "-10.5", UiLanguage::Eng, kOffsetMin10, "Attention!"},
        {EntryKind::EndVoltage, 15, 5, "16", UiLanguage::Hun,
         "Maximális kimeneti érték: 15V! Adja meg újból a(z) 5V-hoz tartozó kimeneti feszültséget!",
         "Figyelem!"},
        {EntryKind::EndVoltage, 15, 5, "16", UiLanguage::Eng, kLineMax15For5, "Attention!"},
    };
    for (const Case& c : cases) {
        map.OutputRangeMax = c.outputMax;
        map.InputRangeMax = c.inputMax;
        texts.SetLanguage(c.language);
        inputBox.asked.clear();
        Box(c.kind)->setText(c.typed);
        boxes.CheckEntryBox(c.kind);
        ASSERT_EQ(inputBox.asked.size(), 1u) << c.typed;
        EXPECT_EQ(inputBox.asked[0].prompt, QString::fromUtf8(c.prompt));
        EXPECT_EQ(inputBox.asked[0].title, QString::fromUtf8(c.title));
    }
}

TEST_F(EntryBoxesTest, ClickRemembersTheTextAndSelectsIt) {
    ShowForm();
    Text4->setText("2.500");
    QTest::mouseClick(Text4, Qt::LeftButton);
    EXPECT_EQ(state.TextBeforeEdit, "2.500");
    EXPECT_EQ(Text4->selectedText(), "2.500");
    EXPECT_EQ(Text4->cursorPosition(), 0);
}

TEST_F(EntryBoxesTest, EscBringsBackTheTextOfTheClick) {
    ShowForm();
    QTest::mouseClick(Text3, Qt::LeftButton);
    Text3->setText("abc");
    QTest::keyClick(Text3, Qt::Key_Escape);
    EXPECT_EQ(Text3->text(), "1");
    EXPECT_TRUE(inputBox.asked.empty());
}

TEST_F(EntryBoxesTest, EnterStoresTheTextAndChecksIt) {
    ShowForm();
    Text3->setFocus();
    Text3->setText("3");
    QTest::keyClick(Text3, Qt::Key_Return);
    EXPECT_EQ(Text3->text(), "3.000");
    EXPECT_EQ(state.TextBeforeEdit, "3");
    Text3->setText("7");
    QTest::keyClick(Text3, Qt::Key_Escape);
    EXPECT_EQ(Text3->text(), "3");
}

TEST_F(EntryBoxesTest, CancelAfterEnterOnARefusedTextKeepsTheLastAcceptedValue) {
    ShowForm();
    Text5->setFocus();
    Text5->setText("7");
    QTest::keyClick(Text5, Qt::Key_Return);
    Text5->setText("abc");
    QTest::keyClick(Text5, Qt::Key_Return);  // stores "abc" as the text before the edit
    EXPECT_EQ(inputBox.asked.size(), 1u);
    EXPECT_EQ(Text5->text(), "7.000");
    EXPECT_DOUBLE_EQ(boxes.Value(EntryKind::EndVoltage), 7.0);
}

TEST_F(EntryBoxesTest, RestoredTextMustFitTheBox) {
    state.TextBeforeEdit = "12.000";  // from a cell
    map.OutputRangeMax = 5;
    Text4->setText("");
    boxes.CheckEntryBox(EntryKind::Offset);
    EXPECT_EQ(Text4->text(), "0.000");
    state.TextBeforeEdit = "-4";
    Text4->setText("");
    boxes.CheckEntryBox(EntryKind::Offset);
    EXPECT_EQ(Text4->text(), "-4.000");
    EXPECT_TRUE(inputBox.asked.empty());
}

TEST_F(EntryBoxesTest, LeavingABoxChecksIt) {
    ShowForm();
    QTest::mouseClick(Text4, Qt::LeftButton);
    Text4->setText("");
    elsewhere->setFocus();
    EXPECT_EQ(Text4->text(), "0.000");

    QTest::mouseClick(Text4, Qt::LeftButton);
    Text4->setText("20");
    inputBox.replies = {"5"};
    elsewhere->setFocus();
    ASSERT_EQ(inputBox.asked.size(), 1u);
    EXPECT_EQ(inputBox.asked[0].prompt, "Maximum offset is: 15V! Set again the offset!");
    EXPECT_EQ(Text4->text(), "5.000");
}

TEST_F(EntryBoxesTest, ModalBoxTakingTheFocusIsNoLeaving) {
    Text3->setText("abc");
    QFocusEvent modalTookFocus(QEvent::FocusOut, Qt::ActiveWindowFocusReason);
    QApplication::sendEvent(Text3, &modalTookFocus);
    EXPECT_TRUE(inputBox.asked.empty());
    EXPECT_EQ(Text3->text(), "abc");
}

TEST_F(EntryBoxesTest, NothingIsCheckedBeforeTheWindowHasLoaded) {
    state.FormReady = false;
    Text3->setText("abc");
    boxes.CheckEntryBox(EntryKind::Factor);
    EXPECT_TRUE(inputBox.asked.empty());
    EXPECT_EQ(Text3->text(), "abc");
}

}  // namespace
