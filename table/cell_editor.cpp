#include "cell_editor.h"

#include <QLineEdit>
#include <QScopedValueRollback>
#include <algorithm>

#include "device_table.h"
#include "entry_prompts.h"
#include "entry_rules.h"
#include "input_box.h"
#include "map_views.h"
#include "table_view.h"
#include "texts.h"
#include "voltage_map.h"

namespace {

/// Page Up and Page Down move by one viewport of rows, wherever the edited row sits in it.
constexpr int kPageRows = 32;
/// After this many lost-focus checks without a new click the edited cell is left alone.
constexpr int kMaxLostFocusChecks = 10;

EntryLimits LimitsOf(const VoltageMap& map) {
    return {.OutputRangeMax = map.OutputRangeMax, .InputRangeMax = map.InputRangeMax};
}

}  // namespace

CellEditor::CellEditor(VoltageMap& map, TableView& table, EditState& state, MapViews& views,
                       const Texts& texts, InputBox& inputBox, QObject* parent)
    : QObject(parent),
      map_(map),
      table_(table),
      state_(state),
      views_(views),
      texts_(texts),
      inputBox_(inputBox) {
    connect(&table_, &TableView::CellClicked, this, &CellEditor::SelectCell);
    connect(&table_, &TableView::CellKeyPressed, this, &CellEditor::CellKeyDown);
    connect(&table_, &TableView::CellFocusLost, this, &CellEditor::CellLostFocus);
}

void CellEditor::SelectCell(int i) {
    if (i < 0 || i >= map_.Resolution) {
        return;
    }
    // A load or a resolution change ends the selection but not the edited cell, and after
    // a chart click the selected point is already the edited cell.
    const bool newCell = i != state_.EditedCell || map_.SelectedPoint != i;
    // The cell left behind is checked before TextBeforeEdit takes the new cell's text, so
    // that an emptied cell gets its own earlier text back and not that of the new one.
    if (i != state_.EditedCell && state_.EditedCell < map_.Resolution) {
        CommitCell(state_.EditedCell);
    }
    state_.LostFocusChecks = 0;
    state_.TextBeforeEdit = table_.CellText(i);
    table_.SetRowBold(i, true);
    // Caret at the start and the whole text selected: typing replaces it.
    table_.Text1[i]->end(false);
    table_.Text1[i]->home(true);
    if (newCell) {
        views_.ShowPointPanel(i);
        map_.SelectedPoint = i;
        state_.EditedCell = i;
        views_.DrawMarker(i);
    }
}

void CellEditor::CommitCell(int i) {
    if (!state_.FormReady || committing_ || i < 0 || i >= map_.Resolution) {
        return;
    }
    const QScopedValueRollback<bool> guard(committing_, true);
    ApplyValue(i, AskUntilAccepted(i));
}

double CellEditor::AskUntilAccepted(int i) {
    const EntryLimits limits = LimitsOf(map_);
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
                                        state_.SeparatorChar(), LimitsOf(map_));
    return check.IsAccepted() ? check.Value : map_.OutputValues[i];
}

void CellEditor::ApplyValue(int i, double value) {
    map_.SetOutputValue(i, value);
    table_.ShowValue(map_, i);
    views_.RedrawSegment(i, map_.OutputValues[i]);
    UpdateDeviceTableAt(map_, i);
    if (state_.EditedCell < map_.Resolution) {
        table_.SetRowBold(state_.EditedCell, false);
    }
    if (map_.OutputValues[i] != map_.UndoValues[i]) {
        SaveUndoExcept(map_, i);
    }
    // A cell left for a button, a chooser or the chart is still the selected breakpoint:
    // the point panel and the marker must not go on showing the value from before.
    if (i == map_.SelectedPoint) {
        views_.ShowPointValue(i);
        views_.DrawMarker(i);
    }
}

void CellEditor::CellKeyDown(int i, int key) {
    const int R = map_.Resolution;
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
                views_.ShowPointValue(i);
                views_.DrawMarker(i);
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
            table_.SetCellText(i, state_.TextBeforeEdit);
            break;
        default:
            break;
    }
}

void CellEditor::CellLostFocus(int i) {
    if (committing_ || i >= map_.Resolution) {
        return;
    }
    if (state_.EditedCell == map_.SelectedPoint && state_.LostFocusChecks >= kMaxLostFocusChecks) {
        return;
    }
    CommitCell(i);
    ++state_.LostFocusChecks;
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
