#pragma once

#include <QObject>
#include <QString>
#include <vector>

#include "entry_rules.h"
#include "field_splitter.h"

class CellEditor;
class MapDocument;
class MessageBox;
class SystemClipboard;
class TableView;
class Texts;
struct EditState;
struct VoltageMap;

/// The output value of every breakpoint, one per line, as the cells show it ("0.000" with
/// the given decimal separator).
QString CopiedValues(const VoltageMap& map, char separator);

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

/// The one message of a refused paste: nothing changed, the bad line and why.
QString PasteRefusedMessage(const Texts& texts, const PastedValues& pasted, int outputRangeMax);

/// Copy and paste in the table, spreadsheet style: a copy takes every breakpoint's value,
/// a paste fills consecutive cells from the one it was given in, as one undo step.
class CellClipboard : public QObject {
    Q_OBJECT

public:
    CellClipboard(MapDocument& document, TableView& table, EditState& state, CellEditor& cells,
                  const Texts& texts, MessageBox& messageBox, SystemClipboard& clipboard,
                  QObject* parent = nullptr);

    void Copy(int i);
    void Paste(int i);

private:
    MapDocument& document_;
    TableView& table_;
    EditState& state_;
    CellEditor& cells_;
    const Texts& texts_;
    MessageBox& messageBox_;
    SystemClipboard& clipboard_;
};
