#pragma once

#include <QString>
#include <span>

#include "texts/texts.h"

/// The name a screen reader says for one control in both languages, where its caption does
/// not name it (a chooser shows its value, a picture shows nothing). Its tool tip stays its
/// description.
struct AccessibleName {
    const char* control;  ///< the control's object name, for example "Combo4"
    const char* hun;
    const char* eng;
};

/// Every control that the language routines give a spoken name.
std::span<const AccessibleName> AccessibleNames();

/// The name of the output cell of row (counted from 1) at an input voltage as the table
/// shows it: "5. sor, bemenet 0,586 V" / "Row 5, input 0.586 V".
QString CellAccessibleName(UiLanguage language, int row, const QString& inputVoltage);

/// What the chart shows, said in a sentence: its spans and resolution, and the selected
/// breakpoint's input and output when one is selected (row counted from 1, 0 for none).
struct ChartSummary {
    int inputSpan = 0;
    int outputSpan = 0;
    int resolution = 0;
    int row = 0;
    QString input;
    QString output;
};
QString ChartAccessibleDescription(UiLanguage language, const ChartSummary& summary);
