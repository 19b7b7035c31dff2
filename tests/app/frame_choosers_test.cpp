#include <gtest/gtest.h>
#include <QCheckBox>
#include <QComboBox>
#include <QWidget>
#include <tuple>

#include "fake_platform.h"
#include "frame_choosers.h"
#include "qt_printers.h"
#include "recording_map_views.h"
#include "texts.h"
#include "voltage_map.h"

namespace {

TEST(FrameChoosersTest, DeclinedQuestionChangesOnlyTheSelectionAndASpanKeepsTheCaption) {
    QWidget form;
    auto* resolution = new QComboBox(&form);
    resolution->addItems({"128", "64", "32", "16", "8"});
    const FrameControls controls{new QComboBox(&form), new QComboBox(&form), resolution,
                                 new QComboBox(&form), new QCheckBox(&form), new QCheckBox(&form)};
    VoltageMap map;
    FillStartLine(map);
    map.SelectedPoint = 3;
    const auto values = map.OutputValues;
    RecordingMapViews views;
    FakeMessageBox messageBox;
    const Texts texts{UiLanguage::Eng};
    const bool loadingFile = false;
    FrameChoosers choosers{controls, map, views, messageBox, texts, loadingFile};

    resolution->setCurrentIndex(2);
    emit resolution->activated(2);  // the default answer is No
    ASSERT_EQ(messageBox.shown.size(), 1u);
    const ShownMessage& question = messageBox.shown[0];
    EXPECT_EQ(
        question.prompt,
        "Are you sure to decrease resolution? Smooth details may disappear, curve may change!");
    EXPECT_EQ(std::tuple(question.title, question.buttons, question.defaultAnswer),
              std::tuple(QStringLiteral("Attention!"), MessageButtons::YesNo, MessageAnswer::No));
    EXPECT_TRUE(map.Resolution == 128 && map.OutputValues == values);
    EXPECT_EQ(resolution->currentIndex(), 0);
    EXPECT_EQ(map.SelectedPoint, 128);  // the selection goes either way
    EXPECT_EQ(views.calls, (std::vector<std::string>{"HideMarker", "ClearPointPanel"}));

    // The panel caption, maybe in the other language, stays until another point is chosen.
    map.SelectedPoint = 3;
    views.calls.clear();
    choosers.InputSpanChosen(1);
    EXPECT_EQ(views.calls,
              (std::vector<std::string>{"ShowInputLabels", "ShowPointInput 3", "RedrawChart"}));
}

}  // namespace
