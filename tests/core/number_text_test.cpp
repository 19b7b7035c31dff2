#include <gtest/gtest.h>

#include "number_text.h"
#include "rounding.h"

namespace {

TEST(Rounding, HalvesGoToTheEvenNeighbour) {
    EXPECT_EQ(RoundHalfEven(2.5), 2);
    EXPECT_EQ(RoundHalfEven(3.5), 4);
    EXPECT_EQ(RoundHalfEven(-2.5), -2);
    EXPECT_EQ(RoundHalfEven(126.5), 126);
    EXPECT_EQ(RoundHalfEven(127.5), 128);
    EXPECT_EQ(RoundHalfEven(622.5), 622);
    EXPECT_EQ(RoundHalfEven(2.51), 3);
}

TEST(IsNumberText, CharacterRules) {
    struct Case {
        const char* text;
        bool expected;
    };
    for (const Case c : {Case{"", false}, Case{"-", false}, Case{".", false}, Case{",", false},
                         Case{"-,5", true}, Case{",5", true}, Case{"-.5", true}, Case{"5.", true},
                         Case{"1.5", true}, Case{"1,5", true}, Case{"0", true}, Case{"1,2,3", false},
                         Case{"1.2.3", false}, Case{"1.,2", false}, Case{"1-2", false},
                         Case{"--1", false}, Case{"abc", false}, Case{"1 ", false},
                         Case{"1e3", false}, Case{"+1", false}, Case{"\xc3\xa9", false}}) {
        EXPECT_EQ(IsNumberText(c.text), c.expected) << '"' << c.text << '"';
    }
}

TEST(NumberText, FormatsThreeDecimalsWithTheSeparator) {
    EXPECT_EQ(FormatVoltage(2, '.'), "2.000");
    EXPECT_EQ(FormatVoltage(-1.5, ','), "-1,500");
    EXPECT_EQ(FormatVoltage(0.1171875, '.'), "0.117");
    EXPECT_EQ(FormatVoltage(0.3515625, ','), "0,352");
    EXPECT_EQ(FormatVoltage(15, '.'), "15.000");
    EXPECT_EQ(FormatVoltage(-0.0001, '.'), "0.000");
    EXPECT_EQ(FormatOneDecimal(1.5, ','), "1,5");
    EXPECT_EQ(FormatOneDecimal(15, '.'), "15.0");
    EXPECT_EQ(FormatOneDecimal(0, '.'), "0.0");
}

TEST(NumberText, ReadsOnlyTheGivenSeparator) {
    EXPECT_EQ(ParseNumber("1,5", ','), 1.5);
    EXPECT_EQ(ParseNumber("-,5", ','), -0.5);
    EXPECT_EQ(ParseNumber("5.", '.'), 5.0);
    EXPECT_EQ(ParseNumber("4.999", '.'), 4.999);
    EXPECT_EQ(ParseNumber("1.5", ','), std::nullopt);
    EXPECT_EQ(ParseNumber("abc", '.'), std::nullopt);
    EXPECT_EQ(ParseNumber("", '.'), std::nullopt);
}

}  // namespace
