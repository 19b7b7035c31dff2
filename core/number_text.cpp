#include "core/number_text.h"

#include <charconv>
#include <cstdio>

#include "core/rounding.h"

namespace {

std::string FormatFixed(double value, int decimals, char separator) {
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.*f", decimals, value);
    std::string text(buffer);
    if (text.starts_with('-') && text.find_first_not_of("-0.") == std::string::npos) {
        text.erase(0, 1);  // a value that rounds to zero is shown without a sign
    }
    for (char& c : text) {
        if (c == '.') {
            c = separator;
        }
    }
    return text;
}

}  // namespace

std::string FormatVoltage(double volts, char separator) {
    return FormatFixed(RoundTo3(volts), 3, separator);
}

std::string FormatOneDecimal(double value, char separator) {
    return FormatFixed(RoundHalfEven(value * 10) / 10, 1, separator);
}

bool IsNumberText(std::string_view text) {
    bool digitFound = false;
    int separators = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c >= '0' && c <= '9') {
            digitFound = true;
        } else if (c == '.' || c == ',') {
            if (++separators > 1) {
                return false;
            }
        } else if (c == '-') {
            if (i != 0) {
                return false;
            }
        } else {
            return false;
        }
    }
    return digitFound;
}

std::optional<double> ParseNumber(std::string_view text, char separator) {
    if (!IsNumberText(text)) {
        return std::nullopt;
    }
    std::string plain(text);
    for (char& c : plain) {
        if (c == separator) {
            c = '.';
        } else if (c == '.' || c == ',') {
            return std::nullopt;  // the other separator is not a decimal mark here
        }
    }
    double value = 0;
    const char* first = plain.data();
    const char* last = plain.data() + plain.size();
    const bool negative = *first == '-';
    if (negative) {
        ++first;
    }
    const auto [end, error] = std::from_chars(first, last, value);
    if (error != std::errc() || end != last) {
        return std::nullopt;
    }
    return negative ? -value : value;
}
