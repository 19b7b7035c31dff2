#pragma once

#include <optional>
#include <string>
#include <string_view>

/// Voltage text in the "0.000" format with the given decimal separator.
std::string FormatVoltage(double volts, char separator);

/// One-decimal text ("0.0") as the chart's axis labels show it.
std::string FormatOneDecimal(double value, char separator);

/// Character check of a typed number: digits, at most one separator of either kind,
/// a minus sign only in front, and at least one digit. No range or separator rule.
bool IsNumberText(std::string_view text);

/// Reads a number written with the given decimal separator: an optional minus sign,
/// digits and at most one separator. Anything else gives nothing.
std::optional<double> ParseNumber(std::string_view text, char separator);
