#include <gtest/gtest.h>

#include <string>

#include "entry_rules.h"

namespace {

using enum EntryKind;
using enum EntryOutcome;
using enum EntryProblem;

struct EntryCase {
    EntryKind kind;
    std::string text;
    char separator;
    EntryLimits limits;  // {OutputRangeMax, InputRangeMax}
    EntryOutcome outcome;
    double value;          // when accepted
    EntryProblem problem;  // when refused
};

constexpr EntryLimits k15{15, 15};
constexpr EntryLimits k10{10, 15};
constexpr EntryLimits kIn5Out15{15, 5};

const EntryCase kCases[] = {
    // nothing typed
    {Factor, "", '.', k15, Empty, 0, NotNumber},
    {Cell, "", ',', k15, Empty, 0, NotNumber},
    // the character check comes first, for every kind
    {Factor, "1,2,3", '.', k15, Refused, 0, NotNumber},
    {Factor, "1.2.3", ',', k15, Refused, 0, NotNumber},
    {Offset, "1-2", '.', k10, Refused, 0, NotNumber},
    {EndVoltage, "-", '.', kIn5Out15, Refused, 0, NotNumber},
    {Cell, "abc", ',', k15, Refused, 0, NotNumber},
    {Cell, " 5", '.', k15, Refused, 0, NotNumber},
    // the separator rule before any range check
    {Factor, "1,5", '.', k15, Refused, 0, PointOnly},
    {Factor, "1.5", ',', k15, Refused, 0, CommaOnly},
    {Offset, "-20,5", '.', k10, Refused, 0, PointOnly},
    {EndVoltage, "16.5", ',', kIn5Out15, Refused, 0, CommaOnly},
    {Cell, "-1,5", '.', k15, Refused, 0, PointOnly},
    // factor: only a lower limit
    {Factor, "0", '.', k15, Accepted, 0, NotNumber},
    {Factor, "1,5", ',', k15, Accepted, 1.5, NotNumber},
    {Factor, "1000", '.', k15, Accepted, 1000, NotNumber},
    {Factor, "-0.001", '.', k15, Refused, 0, BelowMin},
    {Factor, "-0", '.', k15, Accepted, 0, NotNumber},
    // offset: -M .. M, the maximum checked first
    {Offset, "10", '.', k10, Accepted, 10, NotNumber},
    {Offset, "-10", '.', k10, Accepted, -10, NotNumber},
    {Offset, "10.001", '.', k10, Refused, 0, AboveMax},
    {Offset, "-10.5", '.', k10, Refused, 0, BelowMin},
    {Offset, "-10,5", ',', k10, Refused, 0, BelowMin},
    {Offset, "-1,5", ',', k10, Accepted, -1.5, NotNumber},
    {Offset, "15", '.', k15, Accepted, 15, NotNumber},
    // end voltage: 0 .. OutputRangeMax, whatever the input span
    {EndVoltage, "16", '.', kIn5Out15, Refused, 0, AboveMax},
    {EndVoltage, "15", '.', kIn5Out15, Accepted, 15, NotNumber},
    {EndVoltage, "0", ',', kIn5Out15, Accepted, 0, NotNumber},
    {EndVoltage, "-0.001", '.', kIn5Out15, Refused, 0, BelowMin},
    {EndVoltage, "10.5", '.', k10, Refused, 0, AboveMax},
    // cell: 0 .. OutputRangeMax
    {Cell, "20", '.', k15, Refused, 0, AboveMax},
    {Cell, "15", '.', k15, Accepted, 15, NotNumber},
    {Cell, "15,001", ',', k15, Refused, 0, AboveMax},
    {Cell, "-1", '.', k15, Refused, 0, BelowMin},
    {Cell, "0", '.', k15, Accepted, 0, NotNumber},
    {Cell, "7", '.', k15, Accepted, 7, NotNumber},
    {Cell, "1,5", ',', k15, Accepted, 1.5, NotNumber},
    {Cell, "5.5", '.', {5, 15}, Refused, 0, AboveMax},
    // a lone separator next to digits is a number
    {Cell, ".5", '.', k15, Accepted, 0.5, NotNumber},
    {Cell, "5,", ',', k15, Accepted, 5, NotNumber},
    {Offset, "-.5", '.', k10, Accepted, -0.5, NotNumber},
    // the accepted value is the one its "0.000" text reads back
    {Cell, "2.0004", '.', k15, Accepted, 2.0, NotNumber},
    {Cell, "2,0006", ',', k15, Accepted, 2.001, NotNumber},
    {Factor, "0.0004", '.', k15, Accepted, 0, NotNumber},
    // limits are checked on the typed value, before the three decimals
    {Cell, "15.0004", '.', k15, Refused, 0, AboveMax},
    {Cell, "-0.0004", '.', k15, Refused, 0, BelowMin},
};

std::string Describe(const EntryCase& c) {
    return "kind " + std::to_string(static_cast<int>(c.kind)) + " text '" + c.text +
           "' separator '" + c.separator + "' M " + std::to_string(c.limits.OutputRangeMax);
}

TEST(EntryRules, OutcomeAndProblemOrder) {
    for (const EntryCase& c : kCases) {
        const EntryCheck check = CheckEntry(c.kind, c.text, c.separator, c.limits);
        EXPECT_EQ(check.Outcome, c.outcome) << Describe(c);
        if (c.outcome == Accepted) {
            EXPECT_EQ(check.Value, c.value) << Describe(c);
        }
        if (c.outcome == Refused) {
            EXPECT_EQ(check.Problem, c.problem) << Describe(c);
        }
    }
}

TEST(EntryRules, NumbersBeyondADoubleAreJudgedByTheirSize) {
    const std::string huge = "1" + std::string(400, '0');
    const std::string tiny = "0." + std::string(400, '0') + "1";
    EXPECT_EQ(CheckEntry(Cell, huge, '.', k15).Problem, AboveMax);
    EXPECT_EQ(CheckEntry(Offset, "-" + huge, '.', k15).Problem, BelowMin);
    EXPECT_EQ(CheckEntry(Factor, "-" + huge, '.', k15).Problem, BelowMin);
    // a factor has no upper limit, but one that no double holds is not a usable number
    EXPECT_EQ(CheckEntry(Factor, huge, '.', k15).Problem, NotNumber);
    EXPECT_TRUE(CheckEntry(Factor, huge, '.', k15).IsRefused());

    const EntryCheck small = CheckEntry(Cell, tiny, '.', k15);
    ASSERT_TRUE(small.IsAccepted());
    EXPECT_EQ(small.Value, 0);
    EXPECT_EQ(CheckEntry(Cell, "-" + tiny, '.', k15).Problem, BelowMin);
}

TEST(EntryRules, MessageOfEveryKindAndProblem) {
    using enum EntryMessage;
    struct Row {
        EntryKind kind;
        EntryMessage notNumber, pointOnly, commaOnly, max, min;
    };
    const Row rows[] = {
        {Factor, FactorNotNumber, FactorPointOnly, FactorCommaOnly, FactorNotNumber, FactorMin},
        {Offset, OffsetNotNumber, OffsetPointOnly, OffsetCommaOnly, OffsetMax, OffsetMin},
        {EndVoltage, LineNotNumber, LinePointOnly, LineCommaOnly, LineMax, LineMin},
        {Cell, CellNotNumber, CellPointOnly, CellCommaOnly, CellMax, CellMin},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(static_cast<int>(r.kind));
        EXPECT_EQ(EntryMessageOf(r.kind, NotNumber), r.notNumber);
        EXPECT_EQ(EntryMessageOf(r.kind, PointOnly), r.pointOnly);
        EXPECT_EQ(EntryMessageOf(r.kind, CommaOnly), r.commaOnly);
        EXPECT_EQ(EntryMessageOf(r.kind, AboveMax), r.max);
        EXPECT_EQ(EntryMessageOf(r.kind, BelowMin), r.min);
    }
}

}  // namespace
