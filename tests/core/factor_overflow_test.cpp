#include <gtest/gtest.h>

#include <string>

#include "entry_rules.h"

// A factor has no upper limit, yet one whose thousandths overflow a double is no number the
// program can show or use: 1e306 V gives 1e309 mV.
TEST(FactorOverflow, RefusedLikeANumberBeyondADouble) {
    const std::string tooLarge = "1" + std::string(306, '0');
    const EntryCheck check = CheckEntry(EntryKind::Factor, tooLarge, '.', {15, 15});
    EXPECT_TRUE(check.IsRefused());
    EXPECT_EQ(check.Problem, EntryProblem::NotNumber);
    EXPECT_TRUE(
        CheckEntry(EntryKind::Factor, "1" + std::string(300, '0'), '.', {15, 15}).IsAccepted());
}
