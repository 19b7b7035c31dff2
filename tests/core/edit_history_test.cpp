#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <functional>

#include "core/device_table.h"
#include "core/edit_history.h"
#include "core/map_document.h"

namespace {

/// What a send carries and a file holds: every value bit for bit, the table and the frame.
bool Identical(const VoltageMap& a, const VoltageMap& b) {
    return std::memcmp(a.OutputValues.data(), b.OutputValues.data(), a.Resolution * 8) == 0 &&
           a.DeviceTable == b.DeviceTable && BuildConfigByte(a) == BuildConfigByte(b) &&
           a.Resolution == b.Resolution;
}

// One step per user action, named for the menu; a hold, a drag and typing without a pause
// are one step each; what changes no value makes none.
TEST(EditHistory, EachActionIsOneStepBackToTheStartAndForwardToTheSameMap) {
    MapDocument document;
    const MapDocument start;
    const struct {
        std::function<void()> action;
        int steps;
        MapAction named;
    } actions[] = {
        {[&] { document.CommitCell(9, 7.5); }, 1, MapAction::Cell},
        {[&] { document.CommitCell(9, 7.5); }, 1, MapAction::Cell},
        {[&] { document.Multiply(1.5); }, 2, MapAction::Multiply},
        {[&] { document.AddOffset(-0.25); }, 3, MapAction::AddOffset},
        {[&] { document.UndoLastChange(); }, 4, MapAction::UnDo},
        {[&] {
             document.Paste(2, {1, 2});
         },
         5, MapAction::Paste},
        {[&] {
             document.Select(5);
             document.BeginPointStep();
             document.StepSelectedPoint(StepDirection::Up);
             document.StepSelectedPoint(StepDirection::Up);
         },
         6, MapAction::Step},
        {[&] {
             document.BeginDrag(), document.DragSelectedPoint(3), document.DragSelectedPoint(4);
         },
         7, MapAction::Drag},
        // A drag whose first move changes nothing is still a step of its own.
        {[&] { document.BeginDrag(), document.DragSelectedPoint(4); }, 7, MapAction::Drag},
        {[&] { document.DragSelectedPoint(5); }, 8, MapAction::Drag},
        {[&] { document.SetNote("a"), document.SetNote("ab"); }, 9, MapAction::Note},
        {[&] { document.EndTyping(), document.SetNote("abc"); }, 10, MapAction::Note},
        {[&] { document.ChangeInputSpan(1); }, 11, MapAction::InputSpan},
        {[&] { document.ChangeOutputSpan(1); }, 12, MapAction::OutputSpan},
        {[&] { document.SetInputFilter(true); }, 13, MapAction::Filter},
        {[&] { document.SetOutputFilter(true); }, 14, MapAction::Filter},
        {[&] { document.SetPort(4), document.TakeSavedCurve(); }, 14, MapAction::Filter},
        {[&] { document.DeclineResolution(); }, 14, MapAction::Filter},
        {[&] { document.CreateLine(5); }, 15, MapAction::CreateLine},
        {[&] { document.ChangeResolution(3); }, 16, MapAction::Resolution},
    };
    for (const auto& a : actions) {
        a.action();
        EXPECT_EQ(document.History().Steps(), a.steps) << &a - actions;
        EXPECT_EQ(document.History().UndoAction(), a.named) << &a - actions;
    }
    const VoltageMap end = document.Map();
    while (document.StepBack()) {
    }
    EXPECT_TRUE(Identical(document.Map(), start.Map()));
    EXPECT_EQ(document.Note(), "");
    while (document.StepForward()) {
    }
    EXPECT_TRUE(Identical(document.Map(), end));
    EXPECT_EQ(document.Note(), "abc");
    EXPECT_TRUE(std::equal(end.UndoValues.begin(), end.UndoValues.begin() + end.Resolution,
                           document.Map().UndoValues.begin()));  // UnDo's one level too
}

// Breakpoint 0 holds 0.117 V at the start.
TEST(EditHistory, ANewChangeDropsTheStepsAheadAndALoadStartsAfresh) {
    MapDocument document;
    document.CommitCell(0, 1);
    document.CommitCell(0, 2);
    document.StepBack();
    EXPECT_EQ(document.History().RedoAction(), MapAction::Cell);
    document.CommitCell(0, 3);
    EXPECT_FALSE(document.StepForward());
    document.StepBack();
    EXPECT_EQ(document.Map().OutputValues[0], 1.0);
    VoltageMap file;
    file.Resolution = 8;
    document.Load(file);
    EXPECT_FALSE(document.StepBack());
}

// A step back restores what the choosers show, so that choosing the span again counts; a
// breakpoint stays selected only while the resolution stays. Breakpoint 5 holds 0.703 V.
TEST(EditHistory, SteppingRestoresTheChoosersAndEndsASelectionOfAnotherResolution) {
    MapDocument document;
    ASSERT_TRUE(document.ChangeInputSpan(0));
    ASSERT_TRUE(document.ChangeOutputSpan(1));
    document.StepBack();
    document.StepBack();
    EXPECT_EQ(document.Map().InputRangeIndex(), 2);  // 15 V
    EXPECT_EQ(document.Map().OutputRangeIndex(), 2);
    EXPECT_TRUE(document.ChangeInputSpan(0));
    EXPECT_TRUE(document.ChangeOutputSpan(1));

    document.Select(5);
    document.CommitCell(5, 2);
    document.StepBack();
    EXPECT_EQ(document.SelectedPoint(), 5);
    document.ChangeResolution(1);
    document.Select(3);
    document.StepBack();
    EXPECT_FALSE(document.HasSelection());
    document.Select(100);
    document.StepForward();
    EXPECT_FALSE(document.HasSelection());
}

TEST(EditHistory, KeepsTheNewestThousandSteps) {
    MapDocument document;
    for (int n = 1; n <= EditHistory::kMaxSteps + 5; ++n) {
        document.CommitCell(0, n / 100.0);
    }
    int back = 0;
    while (document.StepBack()) {
        ++back;
    }
    EXPECT_EQ(back, 1000);
    EXPECT_EQ(document.Map().OutputValues[0], 0.05);  // the fifth commit
}

}  // namespace
