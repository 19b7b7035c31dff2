// The entry boxes, the step buttons and the frame choosers on plain widgets.
#include <gtest/gtest.h>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QWidget>

#include "app/curve_commands.h"
#include "app/entry_boxes.h"
#include "app/frame_choosers.h"
#include "app/press_completion.h"
#include "app/step_buttons.h"
#include "core/voltage_map.h"
#include "table/table_view.h"
#include "tests/fakes/fake_platform.h"
#include "tests/fakes/qt_printers.h"
#include "tests/fakes/recording_observer.h"
#include "texts/texts.h"

namespace {

void ShowActive(QWidget& form) {
    form.show();
    QApplication::setActiveWindow(&form);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
}

using enum EntryKind;
using enum UiLanguage;

class EntryBoxesTest : public ::testing::Test {
protected:
    EntryBoxesTest() { state.FormReady = true; }

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

// Every box asks again, in these words, until a number fits; a cancelled prompt (no reply
// left) brings back the text of the last click. Spans: 10 V out for the offset, 5 V in and
// 15 V out for the end voltage.
struct BoxCase {
    EntryKind kind;
    char separator;
    UiLanguage language;
    const char* typed;
    QStringList replies, prompts;
    const char* shown;
};

TEST_F(EntryBoxesTest, AcceptedRangesAndPromptOrder) {
    const QString again = " Set again the factor!";
    const QString line = "! Set again the output voltage for input voltage: 5V!";
    // clang-format off
    const BoxCase cases[] = {
        {Factor, ',', Eng, "1.5", {"1,5"},
         {"Only decimal comma is accepted, not decimal point!" + again}, "1,500"},
        {Factor, '.', Eng, ",5", {"-", "-1", "2"},
         {"Only decimal point is accepted, not decimal comma!" + again,
          "Value must be number!" + again, "Minimum factor is: 0!" + again}, "2.000"},
        {Offset, '.', Eng, "10.001", {"-10.5", "-2"},
         {"Maximum offset is: 10V! Set again the offset!",
          "Minimum offset is: -10V! Set again the offset!"}, "-2.000"},
        {EndVoltage, '.', Eng, "16", {"-0.5", "4.25"},
         {"Maximum output value is: 15V" + line, "Minimum output value is: 0V" + line}, "4.250"},
        {EndVoltage, '.', Hun, "16", {},
         {"Maximális kimeneti érték: 15V! Adja meg újból a(z) 5V-hoz tartozó kimeneti "
          "feszültséget!"}, "0.000"},
        {EndVoltage, ',', Eng, "2.5", {},
         {"Only decimal comma is accepted, not decimal point" + line}, "0,000"},
    };
    // clang-format on
    for (const BoxCase& c : cases) {
        map.OutputRangeMax = c.kind == EndVoltage ? 15 : 10;
        map.InputRangeMax = 5;
        state.DecimalSeparator = QString(c.separator);
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
    ShowActive(form);
    QTest::mouseClick(Text3, Qt::LeftButton);
    Text3->setText("abc");
    QTest::keyClick(Text3, Qt::Key_Escape);
    EXPECT_EQ(Text3->text(), "1");
    Text3->setText("3");
    QTest::keyClick(Text3, Qt::Key_Return);
    EXPECT_EQ(Text3->text(), "3.000");
}

// The curve buttons check their box first.
TEST_F(EntryBoxesTest, CurveCommandsCheckTheirBoxFirst) {
    MapDocument document;
    CurveCommands commands{document, boxes};
    document.ChangeResolution(ResolutionIndexOf(8));
    Text5->setText("16");
    inputBox.replies = {"10"};
    commands.CreateLine();
    EXPECT_EQ(document.Map().OutputValues[0], 1.25);
    Text3->setText("2");
    commands.Multiply();
    Text4->setText("-3");
    commands.AddOffset();
    EXPECT_EQ(document.Map().OutputValues[1], 2.0);  // 2.5 V doubled, less 3 V
}

class StepButtonsTest : public ::testing::Test {
protected:
    StepButtonsTest() { table.BuildTable(map); }

    /// Breakpoint 5 selected with the given value on the given output span.
    void Select(double value, int outputMax) {
        document.ChangeOutputSpan(SpanIndex(outputMax));
        document.CommitCell(5, value);
        document.Select(5);
        observer.calls.clear();
    }

    QWidget form;
    TableView table{&form, '.'};
    QPushButton* Command6 = new QPushButton("-", &form);
    QPushButton* Command7 = new QPushButton("+", &form);
    MapDocument document;
    const VoltageMap& map = document.Map();
    Follower follower{document, [this](const MapChanges& c) { table.ShowChanges(map, c); }};
    RecordingObserver observer{document};
    FakeMessageBox messageBox;
    Texts texts{UiLanguage::Hun};
    bool StepButtonHeld = false;
    StepButtons buttons{Command6, Command7, document, table, messageBox, texts, StepButtonHeld};
    QLineEdit prompt;
};

TEST_F(StepButtonsTest, StepsPastTheSpanClampWithOneMessage) {
    QTimer* repeat = buttons.findChild<QTimer*>("StepRepeat");
    Select(0.010, 15);
    QTest::mouseClick(Command6, Qt::LeftButton);
    EXPECT_FALSE(repeat->isActive());  // the limit ends the hold
    EXPECT_EQ(observer.calls, "Value 5; ");
    texts.SetLanguage(UiLanguage::Eng);
    Select(14.995, 15);
    QTest::mouseClick(Command7, Qt::LeftButton);
    EXPECT_FALSE(repeat->isActive());
    EXPECT_EQ(map.OutputValues[5], 15.0);
    ASSERT_EQ(messageBox.shown.size(), 2u);
    EXPECT_EQ(messageBox.shown[0].prompt + messageBox.shown[0].title,
              "Kimeneti feszültség nem csökkenthető 0V alá!Figyelem!");
    EXPECT_EQ(messageBox.shown[1].prompt + messageBox.shown[1].title,
              "Output voltage can not be increased above 15V!Attention!");
    EXPECT_EQ(observer.calls, "Value 5; ");
}

// A press whose release a re-prompt took is a short click: on a step button the second step
// comes after the first pause; other buttons have their click completed and act once.
TEST_F(StepButtonsTest, PressWhoseReleaseAPromptTookIsAShortClick) {
    Select(5.0, 10);
    QTest::mousePress(Command7, Qt::RightButton);
    QTest::mouseRelease(Command7, Qt::RightButton);
    EXPECT_TRUE(observer.calls.empty());
    auto* Command8 = new QPushButton("*", &form);
    PressCompletion completion;
    completion.Watch({Command8});
    int clicks = 0;
    QObject::connect(Command8, &QPushButton::clicked, [&clicks] { ++clicks; });
    ShowActive(form);
    table.FocusCell(5);  // leaving it takes the release, as a re-prompt of its check does
    QObject::connect(&table, &TableView::CellFocusLost,
                     [this] { QTest::mouseRelease(&prompt, Qt::LeftButton); });
    QTest::mousePress(Command7, Qt::LeftButton);
    QTimer* repeat = buttons.findChild<QTimer*>("StepRepeat");
    ASSERT_TRUE(repeat->isActive());
    EXPECT_EQ(repeat->interval(), 70);  // the first pause
    QCoreApplication::processEvents();  // the focus change, whose prompt takes the release
    repeat->stop();                     // it runs out
    QMetaObject::invokeMethod(repeat, "timeout");
    EXPECT_FALSE(StepButtonHeld || repeat->isActive());
    EXPECT_DOUBLE_EQ(map.OutputValues[5], 5.020);
    EXPECT_EQ(map.UndoValues[5], 5.0);
    EXPECT_FALSE(Command7->isDown());
    EXPECT_TRUE(messageBox.shown.empty());

    table.FocusCell(5);
    QTest::mousePress(Command8, Qt::LeftButton);
    QTest::qWait(10);
    EXPECT_FALSE(Command8->isDown());
    QTest::mouseClick(Command8, Qt::LeftButton);
    QTest::qWait(10);
    EXPECT_EQ(clicks, 2);
}

TEST(FrameChoosersTest, DeclinedQuestionChangesOnlyTheSelection) {
    QWidget form;
    auto* resolution = new QComboBox(&form);
    resolution->addItems({"128", "64", "32", "16", "8"});
    const FrameControls controls{new QComboBox(&form), new QComboBox(&form), resolution,
                                 new QComboBox(&form), new QCheckBox(&form), new QCheckBox(&form)};
    MapDocument document;
    document.Select(3);
    RecordingObserver observer{document};
    FakeMessageBox messageBox;
    const Texts texts{UiLanguage::Eng};
    FrameChoosers choosers{controls, document, messageBox, texts};

    resolution->setCurrentIndex(2);
    emit resolution->activated(2);  // the default answer is No
    ASSERT_EQ(messageBox.shown.size(), 1u);
    EXPECT_EQ(messageBox.shown[0].prompt + messageBox.shown[0].title,
              "Are you sure to decrease resolution? Smooth details may disappear, curve may "
              "change!Attention!");
    EXPECT_EQ(messageBox.shown[0].defaultAnswer, MessageAnswer::No);
    EXPECT_EQ(document.Map().Resolution, 128);
    EXPECT_EQ(resolution->currentIndex(), 0);
    EXPECT_EQ(observer.calls, "Selection; ");
}

}  // namespace
