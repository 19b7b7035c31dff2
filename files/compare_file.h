#pragma once

#include <QString>

class FileDialog;
class MessageBox;
class Texts;
class MapDocument;

/// Asks for a data file and makes its curve the chart's reference curve, on the current
/// spans and breakpoints; the map itself stays as it is, and the next save or load takes
/// the reference back. A refused file is shown as the load command shows it.
/// True when the reference changed.
bool CompareWithFile(MapDocument& document, FileDialog& fileDialog, MessageBox& messageBox,
                     const Texts& texts);
/// The same with a file already chosen.
bool CompareWithDataFile(MapDocument& document, const QString& fileName, MessageBox& messageBox,
                         const Texts& texts);
