#include <gtest/gtest.h>

#include "core/voltage_map.h"
#include "table/clipboard.h"
#include "texts/texts.h"

namespace {

struct PasteCase {
    const char* text;
    int firstRow;
    char separator;
    std::vector<double> values;
    const char* message;  ///< English; empty when the paste is accepted
};

TEST(Clipboard, PastedLinesAreAllAcceptedOrNoneWithTheFirstBadLine) {
    const char* kNothing = "Nothing was pasted; no value has changed.\n";
    const PasteCase cases[] = {
        {"1.5\n2.5\n3.5\n", 0, '.', {1.5, 2.5, 3.5}, ""},
        {"0.117\t1,5\r\n0.234\t15\r\n\r\n", 0, ',', {1.5, 15}, ""},
        {"0.1234", 127, '.', {0.123}, ""},
        {"1\n16\n2", 0, '.', {}, "Bad line: 2\nMaximum output value: 15V."},
        {"1\n\n2", 0, '.', {}, "Bad line: 2\nThe line is not a number."},
        {"x\tabc",
         0,
         '.',
         {},
         "Bad line: 1\nThe line is not a number.\nColumn separator found: "
         "tab. Decimal separator expected: comma or point."},
        // A spreadsheet's columns: quotes, decimal commas, a separator at the end, CRLF.
        {"\"a\";\"2,5\";\r\nb;1.25;\r\n", 0, '.', {2.5, 1.25}, ""},
        {"0,5\t2.5\n1\t3,5", 0, ',', {2.5, 3.5}, ""},
        {"1;2 V",
         0,
         '.',
         {},
         "Bad line: 1\nThe line is not a number.\nColumn separator found: "
         "semicolon. Decimal separator expected: comma or point."},
        {"1,5", 0, '.', {}, "Bad line: 1\nOnly decimal point is accepted, not decimal comma."},
        {"1.5", 0, ',', {}, "Bad line: 1\nOnly decimal comma is accepted, not decimal point."},
        {"2\n-1", 0, '.', {}, "Bad line: 2\nMinimum output value: 0V."},
        {"1\n2\n3", 126, '.', {}, "Bad line: 3\nThe lines run past the last breakpoint."},
    };
    const VoltageMap map;
    for (const PasteCase& c : cases) {
        const PastedValues pasted = ReadPastedValues(c.text, c.firstRow, map, c.separator);
        EXPECT_EQ(pasted.Values, c.values) << c.text;
        const QString message =
            pasted.Refused() ? PasteRefusedMessage(Texts(UiLanguage::Eng), pasted, 15) : QString();
        EXPECT_EQ(message, *c.message ? kNothing + QString(c.message) : QString()) << c.text;
    }
}

}  // namespace
