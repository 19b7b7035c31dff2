#pragma once

#include <QObject>
#include <QString>
#include <vector>

#include "table/pasted_values.h"

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
