// The main window's views of the map: what editing operations and commands ask to be
// shown goes to the table, the chart and the point panel here.
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextDocument>

#include "cell_editor.h"
#include "chart_view.h"
#include "form1.h"
#include "table_view.h"

void Form1::ShowValue(int k) {
    Table->ShowValue(Map, k);
}

void Form1::ShowValues() {
    for (int k = 0; k < Map.Resolution; ++k) {
        Table->ShowValue(Map, k);
    }
}

void Form1::RefreshTable() {
    Table->RefreshTable(Map);
}

void Form1::ShowInputLabels() {
    Table->ShowRows(Map);
}

void Form1::RedrawChart() {
    Frame7->Chart().RedrawChart();
}

void Form1::ShowSavedCurve() {
    Frame7->Chart().RedrawSavedCurve();
}

void Form1::RedrawSegment(int k, double volts) {
    Frame7->Chart().RedrawSegment(k, volts);
}

void Form1::DrawMarker(int k) {
    Frame7->Chart().DrawMarker(k);
}

void Form1::HideMarker() {
    Frame7->Chart().HideMarker();
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

QString Form1::NoteText() const {
    // The raw text keeps characters such as the no-break space that toPlainText() folds;
    // only the document's own paragraph and line separators become line breaks.
    QString note = W.Text2->document()->toRawText();
    note.replace(QChar::ParagraphSeparator, u'\n');
    note.replace(QChar::LineSeparator, u'\n');
    return note;
}

void Form1::SetNoteText(const QString& note) {
    W.Text2->setPlainText(note);
}

void Form1::ShowMapFrame() {
    W.Combo3->setCurrentIndex(Map.InputRangeIndex);
    W.Combo2->setCurrentIndex(Map.OutputRangeIndex);
    W.Combo4->setCurrentIndex(Map.ResolutionIndex);
    W.Check1->setChecked(Map.InputFilter == 1);
    W.Check2->setChecked(Map.OutputFilter == 1);
}

void Form1::ShowMapInTable() {
    Table->RefreshTable(Map);
}
