#pragma once

#include <QString>
#include <vector>

#include "core/entry_rules.h"
#include "core/field_splitter.h"

struct VoltageMap;

/// Pasted lines read for the cells from firstRow on: all of them, or none.
struct PastedValues {
    std::vector<double> Values;  ///< one per line, three decimals; empty when refused
    int BadLine = 0;             ///< first refused line, counted from 1; 0 when none
    bool PastLastRow = false;    ///< the bad line has no breakpoint left to go to
    EntryProblem Problem = EntryProblem::NotNumber;     ///< otherwise why it was refused
    FieldSeparator Separator = FieldSeparator::Spaces;  ///< how the bad line was split
    bool CommaIsDecimal = false;

    bool Refused() const { return BadLine > 0; }
};

/// Reads clipboard text for the cells from firstRow on. Each line gives the last of its
/// fields as SplitLine splits it (commas never separate), so that two columns copied from a
/// spreadsheet paste their second; in a line of tabs or semicolons a comma or a point is the
/// decimal separator, elsewhere the cell rules take the value. Empty lines at the end are no lines.
PastedValues ReadPastedValues(const QString& text, int firstRow, const VoltageMap& map,
                              char separator);
