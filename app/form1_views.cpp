// The main window follows the map: what the document says changed goes to the table, the
// choosers, the note box, the chart and the point panel here, in that order, since the
// point panel copies the texts of the table.
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextDocument>

#include "app/box_state_view.h"
#include "app/form1.h"
#include "chart/chart_view.h"
#include "recovery/work_recovery.h"
#include "table/cell_editor.h"
#include "table/table_view.h"

void Form1::MapChanged(const MapChanges& changes) {
    Table->ShowChanges(Map(), changes);
    ShowFrame(changes);
    Frame7->Chart().ShowChanges(changes);
    ShowRange(changes);
    ShowSelection(changes);
    if (changes.Has(MapChange::Port)) {
        Box->Refresh(Map().PortNumber);
    }
    Box->Show(Map());
    DescribeChart();
    if (recovery_) {
        recovery_->Changed();
    }
}

void Form1::ShowRange(const MapChanges& changes) {
    const std::optional<BreakpointRange> range =
        document_.HasRange() ? document_.Range() : std::nullopt;
    if (changes.Has(MapChange::Selection) || changes.Has(MapChange::Resolution)) {
        Table->ShowRange(range);
    }
    // The range follows the drawn points, which every change of a value or a scale moves.
    if (range || !Frame7->Overlay().RangeEnds.empty()) {
        Frame7->ShowRange(range);
    }
}

void Form1::ShowFrame(const MapChanges& changes) {
    const VoltageMap& map = Map();
    // Set from here a chooser acts on nothing: only a user's choice reaches its handler.
    if (changes.Has(MapChange::InputSpan)) {
        W.Combo3->setCurrentIndex(map.InputRangeIndex());
    }
    if (changes.Has(MapChange::OutputSpan)) {
        W.Combo2->setCurrentIndex(map.OutputRangeIndex());
    }
    if (changes.Has(MapChange::Resolution)) {
        W.Combo4->setCurrentIndex(map.ResolutionIndex());
    }
    if (changes.Has(MapChange::Port)) {
        W.Combo1->setCurrentIndex(map.PortNumber - 1);
    }
    if (changes.Has(MapChange::Filters)) {
        W.Check1->setChecked(map.InputFilter == 1);
        W.Check2->setChecked(map.OutputFilter == 1);
    }
    // While the user types, the box already holds the note; setting it would move the caret.
    if (changes.Has(MapChange::Note) && NoteBoxText() != NoteText()) {
        W.Text2->setPlainText(NoteText());
    }
}

void Form1::ShowSelection(const MapChanges& changes) {
    const VoltageMap& map = Map();
    const int s = map.SelectedPoint;
    if (!map.HasSelection()) {
        if (changes.Has(MapChange::Selection)) {
            ClearPointPanel();
        }
        return;
    }
    if (changes.Has(MapChange::Selection)) {
        ShowPointPanel(s);
        return;
    }
    if (changes.Has(MapChange::InputSpan)) {
        ShowPointInput(s);
    }
    if (changes.Has(MapChange::Values) || (changes.Has(MapChange::Value) && changes.Point == s)) {
        ShowPointValue(s);
    }
}

void Form1::ShowPointPanel(int k) {
    ShowPointInput(k);
    W.Frame10->setTitle(PointPanelCaption(Msg.Language(), k + 1));
    ShowPointValue(k);
}

void Form1::ShowPointInput(int k) {
    W.Label13->setText(Table->InputLabelText(k) + "V");
}

void Form1::ShowPointValue(int k) {
    W.Text6->setText(Table->CellText(k));
    W.Command6->setEnabled(true);
    W.Command7->setEnabled(true);
}

void Form1::ClearPointPanel() {
    W.Frame10->setTitle(PointPanelCaption(Msg.Language()));
    W.Text6->clear();
    W.Label13->clear();
    W.Command6->setEnabled(false);
    W.Command7->setEnabled(false);
}

void Form1::CommitCell(int i) {
    Cells->CommitCell(i);
}

QString Form1::NoteBoxText() const {
    // The raw text keeps characters such as the no-break space that toPlainText() folds;
    // only the document's own paragraph and line separators become line breaks.
    QString note = W.Text2->document()->toRawText();
    note.replace(QChar::ParagraphSeparator, u'\n');
    note.replace(QChar::LineSeparator, u'\n');
    return note;
}
