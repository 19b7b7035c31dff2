#include "table/pasted_values.h"

#include <QStringList>
#include <algorithm>

#include "core/voltage_map.h"

PastedValues ReadPastedValues(const QString& text, int firstRow, const VoltageMap& map,
                              char separator) {
    QStringList lines = text.split(u'\n');
    while (!lines.isEmpty() && lines.last().trimmed().isEmpty()) {
        lines.removeLast();
    }
    const EntryLimits limits{.OutputRangeMax = map.OutputRangeMax,
                             .InputRangeMax = map.InputRangeMax};
    PastedValues pasted;
    for (int n = 0; n < lines.size(); ++n) {
        if (firstRow + n >= map.Resolution) {
            pasted.PastLastRow = true;
        } else {
            // A comma never separates pasted columns: a single value may be written with one.
            const SplitFields split = SplitLine(lines[n].toStdString(), separator, false);
            std::string field = split.Fields.empty() ? std::string() : split.Fields.back();
            if (split.Separator != FieldSeparator::Spaces) {
                std::ranges::replace_if(
                    field, [](char c) { return c == '.' || c == ','; }, separator);
            }
            const EntryCheck check = CheckEntry(EntryKind::Cell, field, separator, limits);
            if (check.IsAccepted()) {
                pasted.Values.push_back(check.Value);
                continue;
            }
            pasted.Problem = check.IsRefused() ? check.Problem : EntryProblem::NotNumber;
            pasted.Separator = split.Separator;
            pasted.CommaIsDecimal = split.CommaIsDecimal;
        }
        pasted.BadLine = n + 1;
        pasted.Values.clear();
        break;
    }
    return pasted;
}
