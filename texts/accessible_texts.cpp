// The spoken names of the controls, in both languages.
#include "texts/accessible_texts.h"

namespace {

// clang-format off
constexpr AccessibleName kAccessibleNames[] = {
    {"Combo4", "Felbontás", "Resolution"},
    {"Combo1", "Com port", "Com port"},
    {"Combo3", "Bemenet (V)", "Input (V)"},
    {"Combo2", "Kimenet (V)", "Output (V)"},
    {"Command7", "Kiválasztott pont értékének növelése", "Step the selected value up"},
    {"Command6", "Kiválasztott pont értékének csökkentése", "Step the selected value down"},
    {"Text6", "Kiválasztott pont kimenete (V)", "Output of the selected point (V)"},
    {"Text5", "Egyenes végpontja (V)", "Line end voltage (V)"},
    {"Text3", "Szorzó", "Factor"},
    {"Text4", "Eltolás (V)", "Offset (V)"},
    {"Text2", "Megjegyzés", "Note"},
    {"Picture3", "Magyar", "Magyar"},
    {"Picture4", "English", "English"},
    {"Picture2", "Felhasználói útmutató megnyitása", "Open the user guide"},
    {"Frame1", "Feszültség értékek", "Voltage values"},
    {"VScroll", "Táblázat görgetése", "Scroll the table"},
    {"Frame7", "Grafikon", "Graph"},
};
// clang-format on

}  // namespace

std::span<const AccessibleName> AccessibleNames() {
    return kAccessibleNames;
}

QString CellAccessibleName(UiLanguage language, int row, const QString& inputVoltage) {
    return language == UiLanguage::Hun
               ? QStringLiteral("%1. sor, bemenet %2 V").arg(row).arg(inputVoltage)
               : QStringLiteral("Row %1, input %2 V").arg(row).arg(inputVoltage);
}

QString ChartAccessibleDescription(UiLanguage language, const ChartSummary& summary) {
    const bool hun = language == UiLanguage::Hun;
    QString text = hun ? QStringLiteral("Bemenet 0 - %1 V, kimenet 0 - %2 V, %3 pont.")
                       : QStringLiteral("Input 0 - %1 V, output 0 - %2 V, %3 points.");
    text = text.arg(summary.inputSpan).arg(summary.outputSpan).arg(summary.resolution);
    if (summary.row > 0) {
        text += hun ? QStringLiteral(" Kiválasztott: %1. pont, bemenet %2 V, kimenet %3 V.")
                    : QStringLiteral(" Selected: point %1, input %2 V, output %3 V.");
        text = text.arg(summary.row).arg(summary.input, summary.output);
    }
    return text;
}
