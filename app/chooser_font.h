#pragma once

#include <QFont>

class QComboBox;

/// Whether every item of the chooser shows whole in its text area with this font.
bool ChooserItemsFit(const QComboBox* chooser, const QFont& font);

/// The design's 8.25 pt font for a chooser, condensed as far as it takes for every item to
/// show whole in the closed chooser at its design size. Where the design's font is missing,
/// as on most Linux systems, the wider fallback would cut "com 16" to "com 1".
QFont ChooserFont(const QComboBox* chooser);
