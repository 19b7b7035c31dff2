#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

/// What separates the columns of a line.
enum class FieldSeparator { Spaces, Tab, Semicolon, Comma };

/// One line of a spreadsheet's export or of pasted cells, split into its fields.
struct SplitFields {
    std::vector<std::string> Fields;  ///< trimmed and unquoted; a trailing empty one dropped
    FieldSeparator Separator = FieldSeparator::Spaces;
    /// A comma in a field is the decimal separator: always in a line separated by tabs or
    /// semicolons, where it cannot separate columns; otherwise where the locale's is.
    bool CommaIsDecimal = false;
};

/// Splits a line (a CR at its end is dropped). Outside double quotes, a tab makes the tab
/// the separator, else a semicolon, else a comma where commas may separate and the locale's
/// decimal separator is the point; otherwise runs of blanks separate. Blanks around a field go; a
/// field in double quotes may hold the separator, and "" in it stands for one quote.
SplitFields SplitLine(std::string_view line, char decimalSeparator, bool commaMaySeparate = true);

/// A field's number: with a point, or with a comma where commaIsDecimal. Nothing for any
/// other text.
std::optional<double> FieldNumber(std::string_view field, bool commaIsDecimal);

/// The text without the UTF-8 byte order mark that some programs write at its start.
std::string_view WithoutByteOrderMark(std::string_view text);
