#include <gtest/gtest.h>

#include "voltage_map.h"

namespace {

TEST(VoltageMap, StartLineHasThreeDecimalValues) {
    VoltageMap map;
    FillStartLine(map);
    EXPECT_EQ(map.OutputValues[0], 0.117);
    EXPECT_EQ(map.OutputValues[1], 0.234);
    EXPECT_EQ(map.OutputValues[2], 0.352);
    EXPECT_EQ(map.OutputValues[3], 0.469);
    EXPECT_EQ(map.OutputValues[127], 15.0);
}

TEST(VoltageMap, UndoExceptKeepsTheEditedCellsSnapshot) {
    VoltageMap map;
    map.Resolution = 8;
    FillStartLine(map);
    SaveUndoSnapshot(map);
    map.SetOutputValue(3, 9.0);
    map.SetOutputValue(5, 1.0);
    SaveUndoExcept(map, 3);
    EXPECT_EQ(map.UndoValues[3], 7.5);  // from the last snapshot
    EXPECT_EQ(map.UndoValues[5], 1.0);  // current value
    EXPECT_EQ(map.UndoValues[0], 1.875);
}

TEST(VoltageMap, ListPositions) {
    EXPECT_EQ(SpanIndex(5), 0);
    EXPECT_EQ(SpanIndex(15), 2);
    EXPECT_EQ(SpanIndex(12), -1);
    EXPECT_EQ(ResolutionAt(3), 16);
    EXPECT_EQ(ResolutionIndexOf(8), 4);
    EXPECT_EQ(ResolutionIndexOf(100), -1);
}

}  // namespace
