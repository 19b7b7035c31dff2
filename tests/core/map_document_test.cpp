#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "core/device_table.h"
#include "core/map_document.h"
#include "tests/fakes/recording_observer.h"

namespace {

// Every operation tells once what it changed, and leaves the device table as a full build
// from the values would: the table is never stale, whatever follows, and a cell's update of
// its own entries (first, inner or last breakpoint) is the full build's.
TEST(MapDocument, EachOperationNotifiesWhatItChangedAndKeepsTheTableBuilt) {
    MapDocument document;
    RecordingObserver observer(document);
    VoltageMap file;
    file.Resolution = 8;
    file.OutputValues.fill(2.5);
    file.Note = "n";
    const std::vector<double> pasted{1, 2};
    const struct {
        const char* name;
        std::function<void()> operation;
        const char* notified;
    } steps[] = {
        {"commit", [&] { document.CommitCell(9, 7.5); }, "Value 9; "},
        {"commit unchanged", [&] { document.CommitCell(9, 7.5); }, "Value 9; "},
        {"multiply", [&] { document.Multiply(1.5); }, "Values; "},
        {"same input span", [&] { document.ChangeInputSpan(2); }, ""},
        {"input span", [&] { document.ChangeInputSpan(0); }, "InputSpan; "},
        {"output span", [&] { document.ChangeOutputSpan(1); }, "Values OutputSpan; "},
        {"select", [&] { document.Select(5); }, "Selection; "},
        {"step", [&] { document.StepSelectedPoint(StepDirection::Up); }, "Value 5; "},
        {"resolution", [&] { document.ChangeResolution(2); }, "Values Resolution Selection; "},
        {"declined", [&] { document.DeclineResolution(); }, "Selection; "},
        {"paste", [&] { document.Paste(30, pasted); }, "Values; "},
        {"back", [&] { document.StepBack(); },
         "Values InputSpan OutputSpan Resolution Filters Note; "},
        {"back to 128", [&] { document.StepBack(); },
         "Values InputSpan OutputSpan Resolution Filters Note Selection; "},
        {"filter off again", [&] { document.SetInputFilter(false); }, ""},
        {"filter", [&] { document.SetOutputFilter(true); }, "Filters; "},
        {"note", [&] { document.SetNote("x"); }, "Note; "},
        {"same port", [&] { document.SetPort(1); }, ""},
        {"port", [&] { document.SetPort(3); }, "Port; "},
        {"saved", [&] { document.TakeSavedCurve(); }, "Reference; "},
        {"load", [&] { document.Load(file); },
         "Values InputSpan OutputSpan Resolution Filters Note Selection Reference; "},
        {"first of 8", [&] { document.CommitCell(0, 0.3); }, "Value 0; "},
        {"last of 8", [&] { document.CommitCell(7, 15); }, "Value 7; "},
    };
    for (const auto& step : steps) {
        observer.calls.clear();
        step.operation();
        EXPECT_EQ(observer.calls, step.notified) << step.name;
        VoltageMap rebuilt = document.Map();
        BuildDeviceTable(rebuilt);
        EXPECT_EQ(document.Map().DeviceTable, rebuilt.DeviceTable) << step.name;
    }
    EXPECT_EQ(document.Map().PortNumber, 3);             // a load leaves the port
    EXPECT_EQ(document.Map().SavedDeviceTable[32], 43);  // 2.5 V of 15 V
}

// 0.15 V at 64 breakpoints of 15 V: entries 4 and 2 are N(2.56) = 3, N(1.28) = 1. On 5 V it is
// 3 * 5 / 256 = 0.059 with entry 2 N(1.51) = 2: 0.039 V at 128, not 0.020 V from a stale table.
TEST(MapDocument, ResolutionAfterAnOutputSpanChangeReadsTheNewSpansTable) {
    MapDocument document;
    document.ChangeResolution(1);
    document.CommitCell(0, 0.15);
    ASSERT_TRUE(document.ChangeOutputSpan(0));
    EXPECT_EQ(document.Map().OutputValues[0], 0.059);
    document.ChangeResolution(0);
    EXPECT_EQ(document.Map().OutputValues[0], 0.039);
    EXPECT_EQ(document.Map().OutputValues[1], 0.059);
}

// Breakpoints 9 and 10 hold 1.172 and 1.289 V on the 15 V start line. A cell typed back to
// what it shows, or to what UnDo would give it, leaves UnDo taking back the whole Multiply.
TEST(MapDocument, ACellTypedBackToAnOldValueKeepsTheUndoOfAMultiply) {
    for (const double typed : {1.758, 1.172}) {
        MapDocument document;
        document.Multiply(1.5);
        document.CommitCell(9, typed);
        document.UndoLastChange();
        EXPECT_EQ(document.Map().OutputValues[9], 1.172) << typed;
        EXPECT_EQ(document.Map().OutputValues[10], 1.289) << typed;
    }
}

// Breakpoint 9 holds 1.172 V on the 15 V start line.
TEST(MapDocument, UndoTwiceStaysUndone) {
    MapDocument document;
    document.CommitCell(9, 7.5);
    document.UndoLastChange();
    document.UndoLastChange();
    EXPECT_EQ(document.Map().OutputValues[9], 1.172);
}

}  // namespace
