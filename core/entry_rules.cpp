#include "core/entry_rules.h"

#include <cmath>
#include <limits>
#include <optional>

#include "core/number_text.h"
#include "core/rounding.h"

namespace {

char WrongSeparatorOf(char separator) {
    return separator == '.' ? ',' : '.';
}

/// Reads a number text that passed the character and separator checks. A text too long
/// for a double still has a clear size: beyond the range it reads as infinity, below it as
/// the smallest number of its sign, so that the range checks still judge it.
double ReadCheckedNumber(std::string_view text, char separator) {
    if (const std::optional<double> value = ParseNumber(text, separator)) {
        return *value;
    }
    const bool negative = text.starts_with('-');
    const std::string_view wholePart = text.substr(0, text.find(separator));
    const bool huge = wholePart.find_first_of("123456789") != std::string_view::npos;
    const double size =
        huge ? std::numeric_limits<double>::infinity() : std::numeric_limits<double>::denorm_min();
    return negative ? -size : size;
}

std::optional<EntryProblem> RangeProblem(EntryKind kind, double v, EntryLimits limits) {
    const int M = limits.OutputRangeMax;
    switch (kind) {
        case EntryKind::Factor:
            if (v < 0) {
                return EntryProblem::BelowMin;
            }
            break;
        case EntryKind::Offset:
            if (v > M) {
                return EntryProblem::AboveMax;
            }
            if (v < -M) {
                return EntryProblem::BelowMin;
            }
            break;
        case EntryKind::EndVoltage:
        case EntryKind::Cell:
            if (v > M) {
                return EntryProblem::AboveMax;
            }
            if (v < 0) {
                return EntryProblem::BelowMin;
            }
            break;
    }
    return std::nullopt;
}

EntryCheck Refused(EntryProblem problem) {
    return {.Outcome = EntryOutcome::Refused, .Value = 0, .Problem = problem};
}

}  // namespace

EntryCheck CheckEntry(EntryKind kind, std::string_view text, char separator, EntryLimits limits) {
    if (text.empty()) {
        return {};
    }
    if (!IsNumberText(text)) {
        return Refused(EntryProblem::NotNumber);
    }
    const char wrong = WrongSeparatorOf(separator);
    if (text.find(wrong) != std::string_view::npos) {
        return Refused(wrong == ',' ? EntryProblem::PointOnly : EntryProblem::CommaOnly);
    }
    const double v = ReadCheckedNumber(text, separator);
    if (const std::optional<EntryProblem> problem = RangeProblem(kind, v, limits)) {
        return Refused(*problem);
    }
    const double value = RoundTo3(v);
    if (!std::isfinite(value)) {
        // Only a factor has no upper limit; one whose thousandths no double holds cannot
        // be shown or used, and must never come back as "inf".
        return Refused(EntryProblem::NotNumber);
    }
    return {.Outcome = EntryOutcome::Accepted, .Value = value};
}

EntryMessage EntryMessageOf(EntryKind kind, EntryProblem problem) {
    using enum EntryMessage;
    // Rows follow EntryKind, columns EntryProblem. A factor has no upper limit: CheckEntry
    // never gives it AboveMax.
    static constexpr EntryMessage kMessages[4][5] = {
        {FactorNotNumber, FactorPointOnly, FactorCommaOnly, FactorNotNumber, FactorMin},
        {OffsetNotNumber, OffsetPointOnly, OffsetCommaOnly, OffsetMax, OffsetMin},
        {LineNotNumber, LinePointOnly, LineCommaOnly, LineMax, LineMin},
        {CellNotNumber, CellPointOnly, CellCommaOnly, CellMax, CellMin},
    };
    return kMessages[static_cast<int>(kind)][static_cast<int>(problem)];
}
