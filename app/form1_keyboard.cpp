// The main window by keyboard and by screen reader: the one Tab cycle, and the names and
// description a screen reader says.
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>

#include "app/accessible_controls.h"
#include "app/focus_picture.h"
#include "app/form1.h"
#include "app/tab_cycle.h"
#include "chart/chart_view.h"
#include "table/cell_editor.h"
#include "table/table_view.h"
#include "texts/accessible_texts.h"

void Form1::SetUpKeyboard() {
    // Reading order: the table, the chart, the right-hand column from the top, the note, the
    // spans and filters, the guide picture.
    tabCycle_ = std::make_unique<TabCycle>(
        std::vector<QWidget*>{
            Table->Frame1, Frame7,     W.Text6,    W.Command7, W.Command6,  W.Text5,    W.Command5,
            W.Text3,       W.Command8, W.Text4,    W.Command9, W.Command10, W.Picture3, W.Picture4,
            W.Combo4,      W.Combo1,   W.Command3, W.Command2, W.Command1,  W.Command4, W.Text2,
            W.Combo3,      W.Combo2,   W.Check1,   W.Check2,   W.Picture2},
        [this](QWidget* stop) { return stop == Table->Frame1 ? TableEntryCell() : stop; });
}

bool Form1::focusNextPrevChild(bool next) {
    return tabCycle_ ? tabCycle_->Move(focusWidget(), next) : QWidget::focusNextPrevChild(next);
}

QWidget* Form1::TableEntryCell() const {
    // The selected breakpoint's cell, else the cell last edited, else the first row in view.
    const int R = Map().Resolution;
    if (document_.SelectedPoint() < R) {
        return Table->Text1[document_.SelectedPoint()];
    }
    if (Edit.EditedCell < R) {
        return Table->Text1[Edit.EditedCell];
    }
    const int firstInView = (Table->ScrollPosition() + Table->RowHeight - 1) / Table->RowHeight;
    return Table->Text1[std::min(firstInView, R - 1)];
}

void Form1::NameForScreenReader() {
    Table->NameCells(Msg.Language());
    DescribeChart();
}

void Form1::DescribeChart() {
    const VoltageMap& map = Map();
    ChartSummary summary;
    summary.inputSpan = map.InputRangeMax;
    summary.outputSpan = map.OutputRangeMax;
    summary.resolution = map.Resolution;
    double selectedVolts = -1;
    if (document_.SelectedPoint() < map.Resolution) {
        summary.row = document_.SelectedPoint() + 1;
        summary.input = Table->InputLabelText(document_.SelectedPoint());
        summary.output = Table->CellText(document_.SelectedPoint());
        selectedVolts = map.OutputValues[document_.SelectedPoint()];
    }
    SetChartAccessibleValue(Frame7, selectedVolts, map.OutputRangeMax);
    // Setting the description announces its change to a screen reader.
    Frame7->setAccessibleDescription(ChartAccessibleDescription(Msg.Language(), summary) + ' ' +
                                     Frame7->toolTip());
}
