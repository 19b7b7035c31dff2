#include "core/field_splitter.h"

#include <gtest/gtest.h>

namespace {

TEST(FieldSplitter, SplitsLinesAsSpreadsheetsWriteThem) {
    using enum FieldSeparator;
    const struct {
        const char* line;
        char locale;
        std::vector<std::string> fields;
        FieldSeparator separator;
        bool commaIsDecimal;
    } cases[] = {
        {"  1.5   2 ", '.', {"1.5", "2"}, Spaces, false},
        {"1,5 2", ',', {"1,5", "2"}, Spaces, true},
        {"1.5, 2", '.', {"1.5", "2"}, Comma, false},
        {"1,5;2,5;\r", '.', {"1,5", "2,5"}, Semicolon, true},
        {"a, b\t \"c\t\"\"d\"\" \" ", '.', {"a, b", "c\t\"d\" "}, Tab, true},
        {"\"2;5\" 1", '.', {"2;5", "1"}, Spaces, false},
        {"1;;", '.', {"1", ""}, Semicolon, true},
        {";", '.', {""}, Semicolon, true},
        {"", '.', {}, Spaces, false},
    };
    for (const auto& c : cases) {
        const SplitFields split = SplitLine(c.line, c.locale);
        EXPECT_EQ(split.Fields, c.fields) << c.line;
        EXPECT_EQ(split.Separator, c.separator) << c.line;
        EXPECT_EQ(split.CommaIsDecimal, c.commaIsDecimal) << c.line;
    }
    EXPECT_EQ(SplitLine("1,5", '.', false).Fields, std::vector<std::string>{"1,5"});
}

}  // namespace
