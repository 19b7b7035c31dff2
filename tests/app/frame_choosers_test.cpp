#include <gtest/gtest.h>
#include <QCheckBox>
#include <QComboBox>
#include <QTest>
#include <QWidget>

#include "device_table.h"
#include "fake_platform.h"
#include "frame_choosers.h"
#include "qt_printers.h"
#include "range_changes.h"
#include "recording_map_views.h"
#include "texts.h"
#include "voltage_map.h"

namespace {

using Calls = std::vector<std::string>;

QComboBox* Chooser(QWidget* form, const QStringList& items, int position) {
    auto* combo = new QComboBox(form);
    combo->addItems(items);
    combo->setCurrentIndex(position);
    return combo;
}

QStringList PortItems() {
    QStringList items;
    for (int n = 1; n <= 16; ++n) {
        items << QString("com %1").arg(n);
    }
    return items;
}

const QStringList kSpans = {"0 - 5 V", "0 - 10 V", "0 - 15 V"};

class FrameChoosersTest : public ::testing::Test {
protected:
    FrameChoosersTest() {
        FillStartLine(map);
        BuildDeviceTable(map);
        SaveUndoSnapshot(map);
    }

    /// A user's choice, as the chooser reports it.
    static void Choose(QComboBox* combo, int position) {
        combo->setCurrentIndex(position);
        emit combo->activated(position);
    }

    QWidget form;
    FrameControls controls{Chooser(&form, kSpans, 2),
                           Chooser(&form, kSpans, 2),
                           Chooser(&form, {"128", "64", "32", "16", "8"}, 0),
                           Chooser(&form, PortItems(), 0),
                           new QCheckBox(&form),
                           new QCheckBox(&form)};
    VoltageMap map;
    RecordingMapViews views;
    FakeMessageBox messageBox;
    Texts texts{UiLanguage::Eng};
    bool LoadingFile = false;
    FrameChoosers choosers{controls, map, views, messageBox, texts, LoadingFile};
};

TEST_F(FrameChoosersTest, FewerBreakpointsAfterYesResampleTheLine) {
    map.SelectedPoint = 3;
    messageBox.answers = {MessageAnswer::Yes};
    Choose(controls.Combo4, 1);
    ASSERT_EQ(messageBox.shown.size(), 1u);
    const ShownMessage& question = messageBox.shown[0];
    EXPECT_EQ(
        question.prompt,
        "Are you sure to decrease resolution? Smooth details may disappear, curve may change!");
    EXPECT_EQ(question.title, "Attention!");
    EXPECT_EQ(question.buttons, MessageButtons::YesNo);
    EXPECT_EQ(question.icon, MessageIcon::Question);
    EXPECT_EQ(question.defaultAnswer, MessageAnswer::No);
    EXPECT_EQ(map.Resolution, 64);
    EXPECT_EQ(map.TableResolution, 128);
    EXPECT_DOUBLE_EQ(map.OutputValues[0], 0.234);
    EXPECT_DOUBLE_EQ(map.OutputValues[1], 0.469);
    EXPECT_EQ(map.OutputValues[63], 15.0);
    EXPECT_EQ(map.SelectedPoint, 64);
    EXPECT_EQ(views.calls, (Calls{"RefreshTable", "HideMarker", "RedrawChart", "ClearPointPanel"}));
}

TEST_F(FrameChoosersTest, DeclinedQuestionChangesNothingButTheSelection) {
    map.SelectedPoint = 3;
    const auto values = map.OutputValues;
    Choose(controls.Combo4, 2);  // the default answer is No
    EXPECT_EQ(messageBox.shown.size(), 1u);
    EXPECT_EQ(map.Resolution, 128);
    EXPECT_EQ(map.ResolutionIndex, 0);
    EXPECT_EQ(map.OutputValues, values);
    EXPECT_EQ(controls.Combo4->currentIndex(), 0);
    EXPECT_EQ(map.SelectedPoint, 128);
    EXPECT_EQ(views.calls, (Calls{"HideMarker", "ClearPointPanel"}));
}

TEST_F(FrameChoosersTest, MoreBreakpointsNeedNoQuestionAndInterpolate) {
    messageBox.answers = {MessageAnswer::Yes};
    Choose(controls.Combo4, 1);
    map.SetOutputValue(0, 1.0);
    views.calls.clear();
    Choose(controls.Combo4, 0);
    EXPECT_EQ(messageBox.shown.size(), 1u);
    EXPECT_EQ(map.Resolution, 128);
    // Old breakpoint 0 (1 V) was at entry 4; new breakpoint 0 reads entry 2, half way from
    // 0 V: N(0.5 * 256 / 15) = 9, shown as 9 * 15 / 256.
    EXPECT_DOUBLE_EQ(map.OutputValues[0], 0.527);
    EXPECT_DOUBLE_EQ(map.OutputValues[1], 0.996);  // entry 4 = N(17.07) = 17
    EXPECT_EQ(map.OutputValues[127], 15.0);
    EXPECT_EQ(views.calls, (Calls{"RefreshTable", "HideMarker", "RedrawChart", "ClearPointPanel"}));
}

TEST_F(FrameChoosersTest, SameChoiceOrLoadingFileDoesNothing) {
    Choose(controls.Combo4, 0);
    LoadingFile = true;
    Choose(controls.Combo4, 3);
    Choose(controls.Combo3, 2);
    Choose(controls.Combo2, 2);
    EXPECT_TRUE(messageBox.shown.empty());
    EXPECT_TRUE(views.calls.empty());
    EXPECT_EQ(map.Resolution, 128);
}

TEST_F(FrameChoosersTest, ChooserSetByTheProgramChangesNothing) {
    controls.Combo2->setCurrentIndex(0);
    controls.Combo4->setCurrentIndex(4);
    EXPECT_EQ(map.OutputRangeMax, 15);
    EXPECT_EQ(map.Resolution, 128);
    EXPECT_TRUE(views.calls.empty());
}

TEST_F(FrameChoosersTest, OutputSpanThereAndBackKeepsTheValues) {
    map.SelectedPoint = 63;
    Choose(controls.Combo2, 0);
    EXPECT_EQ(map.OutputRangeMax, 5);
    EXPECT_EQ(map.OutputValues[127], 5.0);
    EXPECT_EQ(map.OutputValues[63], 2.5);
    EXPECT_EQ(views.calls, (Calls{"RefreshTable", "ShowPointValue 63", "RedrawChart"}));
    Choose(controls.Combo2, 2);
    EXPECT_EQ(map.OutputValues[127], 15.0);
    EXPECT_EQ(map.OutputValues[63], 7.5);
    EXPECT_EQ(map.UndoValues[63], 7.5);
}

TEST_F(FrameChoosersTest, InputSpanThereAndBackGivesExactLabels) {
    const auto values = map.OutputValues;
    map.SelectedPoint = 2;
    Choose(controls.Combo3, 0);
    EXPECT_EQ(map.InputRangeMax, 5);
    EXPECT_DOUBLE_EQ(InputLabelValue(map, 2), 0.117);
    EXPECT_EQ(views.calls, (Calls{"ShowInputLabels", "ShowPointPanel 2", "RedrawChart"}));
    Choose(controls.Combo3, 2);
    EXPECT_DOUBLE_EQ(InputLabelValue(map, 2), 0.352);
    EXPECT_EQ(map.OutputValues, values);
}

TEST_F(FrameChoosersTest, PortAndFilterSwitchesStoreTheirValues) {
    Choose(controls.Combo1, 2);
    EXPECT_EQ(map.PortNumber, 3);
    controls.Check1->click();
    EXPECT_EQ(map.InputFilter, 1);
    EXPECT_EQ(map.OutputFilter, 0);
    controls.Check2->click();
    controls.Check1->click();
    EXPECT_EQ(map.InputFilter, 0);
    EXPECT_EQ(map.OutputFilter, 1);
}

}  // namespace
