#include <gtest/gtest.h>

#include <string>

#include "core/entry_rules.h"
#include "core/number_text.h"

namespace {

using enum EntryKind;
using enum EntryOutcome;
using enum EntryProblem;

TEST(IsNumberText, CharacterRules) {
    struct Case {
        const char* text;
        bool expected;
    };
    for (const Case c :
         {Case{"", false}, Case{"-", false}, Case{".", false}, Case{",", false}, Case{"-,5", true},
          Case{",5", true}, Case{"5.", true}, Case{"1.5", true}, Case{"1,5", true}, Case{"0", true},
          Case{"1,2,3", false}, Case{"1.,2", false}, Case{"1-2", false}, Case{"abc", false},
          Case{"1 ", false}, Case{"1e3", false}, Case{"+1", false}, Case{"\xc3\xa9", false}}) {
        EXPECT_EQ(IsNumberText(c.text), c.expected) << '"' << c.text << '"';
    }
}

TEST(NumberText, FormatsThreeDecimalsWithTheSeparator) {
    EXPECT_EQ(FormatVoltage(0.3515625, ','), "0,352");
    EXPECT_EQ(FormatVoltage(-0.0001, '.'), "0.000");
}

struct EntryCase {
    EntryKind kind;
    std::string text;
    char separator;
    int outputMax;  // the input span is 5 V: no limit may depend on it
    EntryOutcome outcome;
    double value;          // when accepted
    EntryProblem problem;  // when refused
};

// Numbers beyond a double are still judged by their size.
const std::string kHuge = "1" + std::string(400, '0');
const std::string kTiny = "0." + std::string(400, '0') + "1";

const EntryCase kCases[] = {
    {Cell, "", ',', 15, Empty, 0, NotNumber},
    // the character check, then the separator rule, then the range checks
    {Factor, "1,2,3", '.', 15, Refused, 0, NotNumber},
    {Offset, "-20,5", '.', 10, Refused, 0, PointOnly},
    {EndVoltage, "16.5", ',', 15, Refused, 0, CommaOnly},
    {Factor, "0", '.', 15, Accepted, 0, NotNumber},
    {Factor, "1000", '.', 15, Accepted, 1000, NotNumber},
    {Factor, "-0.001", '.', 15, Refused, 0, BelowMin},
    {Offset, "-10", '.', 10, Accepted, -10, NotNumber},
    {Offset, "10,000", ',', 10, Accepted, 10, NotNumber},
    {Offset, "10.001", '.', 10, Refused, 0, AboveMax},
    {Offset, "-10,5", ',', 10, Refused, 0, BelowMin},
    {EndVoltage, "16", '.', 15, Refused, 0, AboveMax},
    {EndVoltage, "15", '.', 15, Accepted, 15, NotNumber},
    {EndVoltage, "-0.001", '.', 15, Refused, 0, BelowMin},
    {Cell, "20", '.', 15, Refused, 0, AboveMax},
    {Cell, "0", '.', 15, Accepted, 0, NotNumber},
    // the accepted value is the one its "0.000" text reads back; limits judge the typed one
    {Cell, "2,0006", ',', 15, Accepted, 2.001, NotNumber},
    {Cell, "15.0004", '.', 15, Refused, 0, AboveMax},
    {Cell, "-0.0004", '.', 15, Refused, 0, BelowMin},
    {Cell, kHuge, '.', 15, Refused, 0, AboveMax},
    {Offset, "-" + kHuge, '.', 15, Refused, 0, BelowMin},
    {Factor, kHuge, '.', 15, Refused, 0, NotNumber},  // no upper limit, but no double holds it
    {Cell, kTiny, '.', 15, Accepted, 0, NotNumber},
    {Factor, "1" + std::string(306, '0'), '.', 15, Refused, 0, NotNumber},  // 1e309 mV
};

TEST(EntryRules, OutcomeAndProblemOrder) {
    for (const EntryCase& c : kCases) {
        SCOPED_TRACE(testing::Message() << "kind " << static_cast<int>(c.kind) << " text '"
                                        << c.text << "' separator '" << c.separator << "'");
        const EntryCheck check = CheckEntry(c.kind, c.text, c.separator, {c.outputMax, 5});
        EXPECT_EQ(check.Outcome, c.outcome);
        EXPECT_EQ(check.Value, c.value);
        if (c.outcome == Refused) {
            EXPECT_EQ(check.Problem, c.problem);
        }
    }
}

}  // namespace
