#include <gtest/gtest.h>
#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QWidget>
#include <tuple>

#include "device_table.h"
#include "fake_platform.h"
#include "press_completion.h"
#include "qt_printers.h"
#include "recording_map_views.h"
#include "step_buttons.h"
#include "table_view.h"
#include "texts.h"
#include "voltage_map.h"

namespace {

class StepButtonsTest : public ::testing::Test {
protected:
    StepButtonsTest() { table.BuildTable(map); }

    /// Breakpoint 5 selected with the given value on the given output span.
    void Select(double value, int outputMax) {
        map.OutputRangeMax = outputMax;
        map.SetOutputValue(5, value);
        BuildDeviceTable(map);
        table.ShowValue(map, 5);
        map.SelectedPoint = 5;
    }

    /// Cell 5 focused; leaving it takes the release, as a re-prompt of its check does.
    void FocusCellWhoseCheckTakesTheRelease() {
        form.show();
        QApplication::setActiveWindow(&form);
        ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
        table.FocusCell(5);
        QObject::connect(&table, &TableView::CellFocusLost,
                         [this] { QTest::mouseRelease(&prompt, Qt::LeftButton); });
    }

    QWidget form;
    TableView table{&form, '.'};
    QPushButton* Command6 = new QPushButton("-", &form);
    QPushButton* Command7 = new QPushButton("+", &form);
    VoltageMap map;
    RecordingMapViews views;
    FakeMessageBox messageBox;
    Texts texts{UiLanguage::Hun};
    bool StepButtonHeld = false;
    StepButtons buttons{Command6, Command7, map, table, views, messageBox, texts, StepButtonHeld};
    QLineEdit prompt;
};

TEST_F(StepButtonsTest, StepsPastTheSpanClampWithOneMessage) {
    // {start, button, language, the message and its title, value after}
    for (const auto& [start, button, language, prompt, title, after] :
         {std::tuple{0.010, Command6, UiLanguage::Hun,
                     "Kimeneti feszültség nem csökkenthető 0V alá!", "Figyelem!", 0.0},
          {14.995, Command7, UiLanguage::Eng, "Output voltage can not be increased above 15V!",
           "Attention!", 15.0}}) {
        texts.SetLanguage(language);
        messageBox.shown.clear();
        Select(start, 15);
        QTest::mouseClick(button, Qt::LeftButton);
        QTest::qWait(80);
        EXPECT_EQ(map.OutputValues[5], after) << start;
        ASSERT_EQ(messageBox.shown.size(), 1u) << start;
        EXPECT_EQ(std::pair(messageBox.shown[0].prompt, messageBox.shown[0].title),
                  std::pair(QString::fromUtf8(prompt), QString::fromUtf8(title)));
    }
    EXPECT_EQ(views.Count("RedrawSegment 5"), 2);
}

// The second step of a short click comes after the first pause.
TEST_F(StepButtonsTest, PressWhoseReleaseAPromptTookIsAShortClick) {
    Select(5.0, 10);
    QTest::mousePress(Command7, Qt::RightButton);
    QTest::mouseRelease(Command7, Qt::RightButton);
    EXPECT_TRUE(views.calls.empty());
    FocusCellWhoseCheckTakesTheRelease();
    QTest::mousePress(Command7, Qt::LeftButton);
    EXPECT_TRUE(StepButtonHeld);
    ASSERT_TRUE(QTest::qWaitFor([this] { return !StepButtonHeld; }, 500));
    EXPECT_DOUBLE_EQ(map.OutputValues[5], 5.020);
    EXPECT_EQ(map.UndoValues[5], 5.0);
    EXPECT_FALSE(Command7->isDown());
    EXPECT_TRUE(messageBox.shown.empty());
}

// Other buttons have their click completed; a plain click still acts once.
TEST_F(StepButtonsTest, PressCompletionEndsAClickWhoseReleaseAPromptTook) {
    auto* Command8 = new QPushButton("*", &form);
    PressCompletion completion;
    completion.Watch({Command8});
    int clicks = 0;
    QObject::connect(Command8, &QPushButton::clicked, [&clicks] { ++clicks; });
    FocusCellWhoseCheckTakesTheRelease();
    QTest::mousePress(Command8, Qt::LeftButton);
    QTest::qWait(10);
    EXPECT_FALSE(Command8->isDown());
    QTest::mouseClick(Command8, Qt::LeftButton);
    QTest::qWait(10);
    EXPECT_EQ(clicks, 2);
}

}  // namespace
