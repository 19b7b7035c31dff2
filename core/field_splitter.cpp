#include "core/field_splitter.h"

#include "core/number_text.h"

namespace {

constexpr std::string_view kBlanks = " \t\r\f\v";

bool IsBlank(char c) {
    return c != '\t' && kBlanks.find(c) != std::string_view::npos;
}

/// The first of tab, semicolon and (where commas may separate) comma outside quotes.
FieldSeparator SeparatorOf(std::string_view line, bool commaMaySeparate) {
    bool quoted = false, semicolon = false, comma = false;
    for (const char c : line) {
        if (c == '"') {
            quoted = !quoted;
        } else if (!quoted && c == '\t') {
            return FieldSeparator::Tab;
        } else if (!quoted) {
            semicolon = semicolon || c == ';';
            comma = comma || c == ',';
        }
    }
    return semicolon                   ? FieldSeparator::Semicolon
           : comma && commaMaySeparate ? FieldSeparator::Comma
                                       : FieldSeparator::Spaces;
}

char SeparatorChar(FieldSeparator separator) {
    switch (separator) {
        case FieldSeparator::Tab:
            return '\t';
        case FieldSeparator::Semicolon:
            return ';';
        case FieldSeparator::Comma:
            return ',';
        case FieldSeparator::Spaces:
            break;
    }
    return ' ';
}

}  // namespace

SplitFields SplitLine(std::string_view line, char decimalSeparator, bool commaMaySeparate) {
    if (line.ends_with('\r')) {
        line.remove_suffix(1);
    }
    SplitFields split;
    split.Separator = SeparatorOf(line, commaMaySeparate && decimalSeparator == '.');
    split.CommaIsDecimal = split.Separator == FieldSeparator::Tab ||
                           split.Separator == FieldSeparator::Semicolon || decimalSeparator == ',';
    const char separator = SeparatorChar(split.Separator);
    const bool blanksSeparate = split.Separator == FieldSeparator::Spaces;
    std::size_t i = 0;
    const auto skipBlanks = [&] {
        while (i < line.size() && (IsBlank(line[i]) || (blanksSeparate && line[i] == '\t'))) {
            ++i;
        }
    };
    skipBlanks();
    if (blanksSeparate && i == line.size()) {
        return split;
    }
    for (;;) {
        std::string field;
        std::size_t end = 0;  // of the field's text, before blanks that follow it
        bool quoted = false;
        while (i < line.size() &&
               (quoted || (line[i] != separator && !(blanksSeparate && IsBlank(line[i]))))) {
            if (line[i] == '"' && quoted && i + 1 < line.size() && line[i + 1] == '"') {
                field += '"';
                ++i;
            } else if (line[i] == '"') {
                quoted = !quoted;
            } else {
                field += line[i];
            }
            ++i;
            end = quoted || !IsBlank(line[i - 1]) ? field.size() : end;
        }
        field.resize(end);
        split.Fields.push_back(std::move(field));
        if (blanksSeparate) {
            skipBlanks();
            if (i == line.size()) {
                return split;
            }
            continue;
        }
        if (i == line.size()) {
            break;
        }
        ++i;  // the separator
        skipBlanks();
    }
    // "0;0;": a separator after the last field closes it, as spreadsheets write it.
    if (split.Fields.size() > 1 && split.Fields.back().empty()) {
        split.Fields.pop_back();
    }
    return split;
}

std::optional<double> FieldNumber(std::string_view field, bool commaIsDecimal) {
    if (auto value = ParseNumber(field, '.')) {
        return value;
    }
    return commaIsDecimal ? ParseNumber(field, ',') : std::nullopt;
}

std::string_view WithoutByteOrderMark(std::string_view text) {
    return text.starts_with("\xEF\xBB\xBF") ? text.substr(3) : text;
}
