// The main window's range of breakpoints: its menus on the table and the chart, its keys,
// and the chart's own keys.
#include <QPoint>
#include <algorithm>

#include "app/chart_menu.h"
#include "app/form1.h"
#include "app/range_commands.h"
#include "app/step_buttons.h"
#include "chart/chart_view.h"
#include "platform/popup_menu.h"
#include "table/cell_editor.h"
#include "table/table_view.h"

void Form1::ConnectRange() {
    Range = std::make_unique<RangeCommands>(document_, *Frame7, Msg, platform_, SeparatorChar());
    Range->BeforeChange = [this] { Cells->CommitPendingCells(); };
    Frame7Menu->Range = Range.get();
    connect(Table, &TableView::MenuRequested, this, [this](const QPoint& screenPos) {
        Range->RunMenuItem(platform_.popupMenu.Choose(Range->MenuItems(), screenPos));
    });
    connect(Table, &TableView::RangeKeyPressed, this,
            [this](int, RangeOperation operation) { Range->Run(operation); });
    connect(Frame7, &ChartView::KeyPressed, this, &Form1::ChartKeyPressed);
}

void Form1::ChartKeyPressed(int key) {
    if (key == Qt::Key_Up || key == Qt::Key_Down) {
        Steps->StepOnce(key == Qt::Key_Up ? StepDirection::Up : StepDirection::Down);
        return;
    }
    // From nothing selected, Right starts at the first breakpoint and Left at the last.
    const int R = Map().Resolution;
    const int s = document_.SelectedPoint();
    const int k = s >= R ? (key == Qt::Key_Right ? 0 : R - 1)
                         : std::clamp(s + (key == Qt::Key_Right ? 1 : -1), 0, R - 1);
    // As a chart click: the chart's breakpoint becomes the edited cell.
    document_.Select(k);
    Edit.EditedCell = k;
}
