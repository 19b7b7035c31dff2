#pragma once

#include <QString>

#include "core/voltage_map.h"

/// The editing fields the main window shares between the handlers of its cells and its
/// three entry boxes.
struct EditState {
    /// False until the window has loaded; no typed value is checked before.
    bool FormReady = false;
    /// Row of the cell last entered, awaiting its check; Resolution (or above) means none.
    int EditedCell = kMaxResolution;
    /// One for the whole window: the text of the cell or box when it was last clicked (or,
    /// in a box, when Enter was pressed). Esc and an emptied entry bring it back.
    QString TextBeforeEdit;
    /// Lost-focus checks of the edited cell since a cell was last clicked.
    int LostFocusChecks = 0;
    /// The locale's decimal separator, the only one accepted in typed numbers.
    QString DecimalSeparator = ".";

    char SeparatorChar() const { return DecimalSeparator == "," ? ',' : '.'; }
};
