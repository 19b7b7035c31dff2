#pragma once

#include <string_view>

/// The four places where a voltage or a factor is typed: the factor box `Text3`, the offset
/// box `Text4`, the end-voltage box `Text5` and an output cell `Text1(i)`.
enum class EntryKind { Factor, Offset, EndVoltage, Cell };

/// Why a typed number is refused, in the order the checks run.
enum class EntryProblem {
    NotNumber,
    PointOnly,  ///< a comma was typed where the locale writes a decimal point
    CommaOnly,  ///< a point was typed where the locale writes a decimal comma
    AboveMax,
    BelowMin,
};

/// One message per kind and problem; each names the message key family it is shown with
/// (FactorMin: `MsgFactorMin` and `MsgFactorMinTitle`, LineMax: `MsgLineMaxHead` ...).
enum class EntryMessage {
    FactorNotNumber,
    FactorPointOnly,
    FactorCommaOnly,
    FactorMin,
    OffsetNotNumber,
    OffsetPointOnly,
    OffsetCommaOnly,
    OffsetMax,
    OffsetMin,
    LineNotNumber,
    LinePointOnly,
    LineCommaOnly,
    LineMax,
    LineMin,
    CellNotNumber,
    CellPointOnly,
    CellCommaOnly,
    CellMax,
    CellMin,
};

enum class EntryOutcome {
    Empty,     ///< nothing typed: the text from before the edit comes back
    Accepted,  ///< Value is to be shown formatted "0.000"
    Refused,   ///< Problem says which input box asks again
};

struct EntryCheck {
    EntryOutcome Outcome = EntryOutcome::Empty;
    /// The accepted number with three decimals, as its "0.000" text reads back.
    double Value = 0;
    EntryProblem Problem = EntryProblem::NotNumber;

    bool IsAccepted() const { return Outcome == EntryOutcome::Accepted; }
    bool IsRefused() const { return Outcome == EntryOutcome::Refused; }
};

/// The limits a typed number is checked against.
struct EntryLimits {
    int OutputRangeMax = 15;
    int InputRangeMax = 15;
};

/// Checks a typed text: empty, the character check, the separator rule, then the kind's
/// range checks (factor: v < 0; offset: v > M, v < -M; end voltage and cell: v > M, v < 0),
/// limits inclusive. separator is the locale's decimal separator, '.' or ','.
EntryCheck CheckEntry(EntryKind kind, std::string_view text, char separator, EntryLimits limits);

/// The message an input box shows for a refused entry of the given kind.
EntryMessage EntryMessageOf(EntryKind kind, EntryProblem problem);
