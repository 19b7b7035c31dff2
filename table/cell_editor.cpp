#include "table/cell_editor.h"

#include <QLineEdit>
#include <QScopedValueRollback>
#include <algorithm>

#include "core/entry_rules.h"
#include "core/map_document.h"
#include "core/number_text.h"
#include "core/voltage_map.h"
#include "platform/input_box.h"
#include "table/table_view.h"
#include "texts/entry_prompts.h"
#include "texts/texts.h"

namespace {

/// Page Up and Page Down move by one viewport of rows, wherever the edited row sits in it.
constexpr int kPageRows = 32;
/// After this many lost-focus checks without a new click the edited cell is left alone.
constexpr int kMaxLostFocusChecks = 10;

EntryLimits LimitsOf(const VoltageMap& map) {
    return {.OutputRangeMax = map.OutputRangeMax, .InputRangeMax = map.InputRangeMax};
}

}  // namespace

CellEditor::CellEditor(MapDocument& document, TableView& table, EditState& state,
                       const Texts& texts, InputBox& inputBox, QObject* parent)
    : QObject(parent),
      document_(document),
      table_(table),
      state_(state),
      texts_(texts),
      inputBox_(inputBox) {
    connect(&table_, &TableView::CellClicked, this, &CellEditor::SelectCell);
    connect(&table_, &TableView::CellKeyPressed, this, &CellEditor::CellKeyDown);
    connect(&table_, &TableView::CellFocusLost, this, &CellEditor::CellLostFocus);
    connect(&table_, &TableView::CellFocusTaken, this, &CellEditor::CellFocused);
    connect(&table_, &TableView::CellShiftClicked, this, &CellEditor::ExtendRangeTo);
    connect(&table_, &TableView::CellShiftKeyPressed, this, &CellEditor::MoveRangeEnd);
}

void CellEditor::SelectCell(int i) {
    const VoltageMap& map = document_.Map();
    if (i < 0 || i >= map.Resolution) {
        return;
    }
    // A load or a resolution change ends the selection but not the edited cell, and after
    // a chart click the selected point is already the edited cell.
    const bool newCell = i != state_.EditedCell || map.SelectedPoint != i;
    // The cell left behind is checked before TextBeforeEdit takes the new cell's text, so
    // that an emptied cell gets its own earlier text back and not that of the new one.
    if (i != state_.EditedCell && state_.EditedCell < map.Resolution) {
        CommitCell(state_.EditedCell);
    }
    state_.LostFocusChecks = 0;
    state_.TextBeforeEdit = table_.CellText(i);
    table_.SetRowBold(i, true);
    // Caret at the start and the whole text selected: typing replaces it.
    table_.Text1[i]->end(false);
    table_.Text1[i]->home(true);
    // A plain click ends a range, also on the cell already being edited.
    if (newCell || document_.HasRange()) {
        state_.EditedCell = i;
        document_.Select(i);
    }
}

void CellEditor::CommitCell(int i) {
    if (!state_.FormReady || committing_ || i < 0 || i >= document_.Map().Resolution) {
        return;
    }
    const QScopedValueRollback<bool> guard(committing_, true);
    document_.CommitCell(i, AskUntilAccepted(i));
    if (state_.EditedCell < document_.Map().Resolution) {
        table_.SetRowBold(state_.EditedCell, false);
    }
}

double CellEditor::AskUntilAccepted(int i) {
    const EntryLimits limits = LimitsOf(document_.Map());
    for (;;) {
        const QString text = table_.CellText(i);
        if (text.isEmpty()) {
            return RestoredValue(i);
        }
        const EntryCheck check =
            CheckEntry(EntryKind::Cell, text.toStdString(), state_.SeparatorChar(), limits);
        if (check.IsAccepted()) {
            return check.Value;
        }
        const EntryPromptText prompt =
            EntryPrompt(texts_, EntryMessageOf(EntryKind::Cell, check.Problem), limits);
        table_.SetCellText(i, inputBox_.Ask(prompt.Prompt, prompt.Title));
    }
}

double CellEditor::RestoredValue(int i) const {
    // TextBeforeEdit is shared with the entry boxes and may hold a text that no cell
    // accepts (a factor of 20, or what Enter stored in a box); the stored value stands then.
    const EntryCheck check = CheckEntry(EntryKind::Cell, state_.TextBeforeEdit.toStdString(),
                                        state_.SeparatorChar(), LimitsOf(document_.Map()));
    return check.IsAccepted() ? check.Value : document_.Map().OutputValues[i];
}

void CellEditor::CommitPendingCells() {
    for (int i = 0; i < document_.Map().Resolution; ++i) {
        const std::string shown =
            FormatVoltage(document_.Map().OutputValues[i], state_.SeparatorChar());
        if (table_.CellText(i) != QString::fromStdString(shown)) {
            CommitCell(i);
        }
    }
}

void CellEditor::CellKeyDown(int i, int key) {
    const int R = document_.Map().Resolution;
    if (i >= R) {
        return;
    }
    const int page = kPageRows * table_.RowHeight;
    switch (key) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
            if (i == R - 1) {
                CommitCell(i);
                table_.SetRowBold(i, true);
                break;
            }
            [[fallthrough]];
        case Qt::Key_Down:
            if (i < R - 1) {
                MoveTo(i, i + 1);
                ScrollRowBelowIntoView(i);
            }
            break;
        case Qt::Key_Up:
            if (i >= 1) {
                MoveTo(i, i - 1);
                ScrollRowAboveIntoView(i);
            }
            break;
        case Qt::Key_PageUp:
            if (i >= kPageRows && R > kPageRows) {
                MoveTo(i, i - kPageRows);
                table_.SetScrollPosition(std::max(table_.ScrollPosition() - page, 0));
            }
            break;
        case Qt::Key_PageDown:
            if (i < R - kPageRows && R > kPageRows) {
                MoveTo(i, i + kPageRows);
                table_.SetScrollPosition(
                    std::min(table_.ScrollPosition() + page, table_.ScrollMaximum()));
            }
            break;
        case Qt::Key_Escape:
            // The text of the value the cell holds: after a Shift+click or a paste the text
            // kept from the click belongs to another cell, and Esc must change no value.
            table_.SetCellText(i, QString::fromStdString(FormatVoltage(
                                      document_.Map().OutputValues[i], state_.SeparatorChar())));
            break;
        default:
            break;
    }
}

void CellEditor::CellLostFocus(int i) {
    if (committing_ || i >= document_.Map().Resolution) {
        return;
    }
    if (state_.EditedCell == document_.SelectedPoint() &&
        state_.LostFocusChecks >= kMaxLostFocusChecks) {
        return;
    }
    CommitCell(i);
    ++state_.LostFocusChecks;
}

void CellEditor::CellFocused(int i, Qt::FocusReason reason) {
    // The moves between cells by key scroll and select for themselves; a window or a menu
    // giving the focus back is not the user moving.
    const bool byTab = reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason;
    if (committing_ || (!byTab && reason != Qt::MouseFocusReason) ||
        i >= document_.Map().Resolution) {
        return;
    }
    ScrollIntoView(i);
    // A click selects its cell at the release; Tab selects it here, so that what is typed
    // next is checked and taken as after a click.
    if (byTab && (i != state_.EditedCell || document_.SelectedPoint() != i)) {
        SelectCell(i);
    }
}

void CellEditor::ExtendRangeTo(int i) {
    if (!document_.HasSelection()) {
        SelectCell(i);
        return;
    }
    document_.SelectRangeTo(i);
}

void CellEditor::MoveRangeEnd(int i, int key) {
    if (!document_.HasSelection()) {
        SelectCell(i);
    }
    const int step = key == Qt::Key_Up       ? -1
                     : key == Qt::Key_Down   ? 1
                     : key == Qt::Key_PageUp ? -kPageRows
                                             : kPageRows;
    const int end = std::clamp(document_.RangeEnd() + step, 0, document_.Map().Resolution - 1);
    document_.SelectRangeTo(end);
    ScrollIntoView(end);
}

void CellEditor::ScrollIntoView(int i) {
    const int top = i * table_.RowHeight;
    const int position = table_.ScrollPosition();
    if (top < position) {
        table_.SetScrollPosition(top);
    } else if (top + table_.RowHeight > position + table_.ViewportHeight()) {
        table_.SetScrollPosition(
            std::min(top + table_.RowHeight - table_.ViewportHeight(), table_.ScrollMaximum()));
    }
}

void CellEditor::MoveTo(int from, int to) {
    CommitCell(from);
    table_.FocusCell(to);
    SelectCell(to);
}

void CellEditor::ScrollRowBelowIntoView(int i) {
    const int RH = table_.RowHeight;
    const int T = table_.PanelTop();
    const int y = i * RH;
    const int H = table_.ViewportHeight();
    if (H - RH < T + y + RH) {
        const int d = T + y + RH - (H - RH);
        table_.SetScrollPosition(std::min(table_.ScrollPosition() + d, table_.ScrollMaximum()));
    }
}

void CellEditor::ScrollRowAboveIntoView(int i) {
    const int RH = table_.RowHeight;
    const int T = table_.PanelTop();
    const int y = i * RH;
    if (T + y - RH < 0) {
        const int d = T + y - RH;
        table_.SetScrollPosition(std::max(table_.ScrollPosition() + d, 0));
    }
}
