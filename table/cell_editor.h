#pragma once

#include <QObject>

#include "table/edit_state.h"

class InputBox;
class MapDocument;
class TableView;
class Texts;

/// Editing of the output cells: selecting a cell, checking and applying its typed text with
/// re-prompts, and moving between cells with the keyboard. It listens to the table's cell
/// signals itself.
class CellEditor : public QObject {
    Q_OBJECT

public:
    CellEditor(MapDocument& document, TableView& table, EditState& state, const Texts& texts,
               InputBox& inputBox, QObject* parent = nullptr);

    /// Cell i was clicked, or the keyboard moved to it: it becomes the edited cell and its
    /// breakpoint the selected one.
    void SelectCell(int i);
    /// Checks the text of cell i, asks again until it is acceptable, and commits it to the
    /// map.
    void CommitCell(int i);
    /// A key went down in cell i (Qt key code); the cell still receives it.
    void CellKeyDown(int i, int key);
    /// Cell i lost the keyboard focus.
    void CellLostFocus(int i);
    /// Cell i took the keyboard focus by Tab or a click: it comes into view, and reached by
    /// Tab it becomes the edited cell as a click makes it.
    void CellFocused(int i, Qt::FocusReason reason);
    /// Checks and commits every cell whose text is not its value's, whatever became of the
    /// focus: each command that reads the map calls it first, so that it reads what the
    /// cells show.
    void CommitPendingCells();
    /// Shift and a click on cell i: the range runs from the selected breakpoint to it.
    void ExtendRangeTo(int i);
    /// Shift and Up, Down, Page Up or Page Down in cell i: the range's moving end goes one
    /// row or one page, within the rows, and comes into view.
    void MoveRangeEnd(int i, int key);

private:
    /// The accepted value of cell i after as many prompts as it takes.
    double AskUntilAccepted(int i);
    /// What an emptied cell i shows again.
    double RestoredValue(int i) const;
    void MoveTo(int from, int to);
    /// Scrolls so that row i+1 (below) or row i-1 (above) is wholly in view.
    void ScrollRowBelowIntoView(int i);
    void ScrollRowAboveIntoView(int i);
    /// Scrolls just far enough that row i is wholly in view.
    void ScrollIntoView(int i);

    MapDocument& document_;
    TableView& table_;
    EditState& state_;
    const Texts& texts_;
    InputBox& inputBox_;
    /// True while CommitCell runs: its own input box takes the focus, and that is not the
    /// user leaving the cell.
    bool committing_ = false;
};
