#include "table/table_view.h"

#include <QApplication>
#include <QEvent>
#include <QFrame>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QScrollBar>
#include <QWheelEvent>
#include <algorithm>

#include "core/number_text.h"
#include "core/range_changes.h"
#include "core/rounding.h"
#include "platform/design_font.h"
#include "platform/twips.h"
#include "texts/accessible_texts.h"

namespace {

constexpr int kRowWidgetHeight = 285;
constexpr int kNumberLeft = 0, kNumberWidth = 495;
constexpr int kInputLeft = 600, kInputWidth = 855;
constexpr int kCellLeft = 1440, kCellWidth = 735;
constexpr int kDesignPanelHeight = 8055;
/// The background of the cells of a range of breakpoints.
const QColor kRangeColour(255, 236, 179);

QFont LabelFont() {
    return DesignFont("Lucida Sans Unicode", 13);  // 9.75 pt
}

QFont CellFont() {
    return DesignFont("MS Sans Serif", 11);  // 8.25 pt
}

QLabel* ColumnHead(QWidget* parent, const char* name, QColor colour) {
    auto* head = new QLabel(parent);
    head->setObjectName(name);
    head->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    QPalette palette = head->palette();
    palette.setColor(QPalette::WindowText, colour);
    head->setPalette(palette);
    head->setFont(LabelFont());
    return head;
}

}  // namespace

QString InputVoltageText(const VoltageMap& map, int i, char separator) {
    return QString::fromStdString(FormatVoltage(InputLabelValue(map, i), separator));
}

TableView::TableView(QWidget* form, char decimalSeparator)
    : QObject(form), separator_(decimalSeparator) {
    Frame2 = new QGroupBox(form);
    Frame2->setObjectName("Frame2");
    PlaceInTwips(Frame2, 0, 0, 2775, 9135);
    Label3 = ColumnHead(Frame2, "Label3", QColor(0, 192, 0));
    PlaceInTwips(Label3, 720, 360, 855, 375);
    Label4 = ColumnHead(Frame2, "Label4", QColor(128, 0, 128));
    PlaceInTwips(Label4, 1560, 360, 735, 375);

    Frame1 = new QFrame(form);
    Frame1->setObjectName("Frame1");
    Frame1->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(Frame1, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& pos) { emit MenuRequested(Frame1->mapToGlobal(pos)); });
    PlaceInTwips(Frame1, 100, 840, 2295, kDesignPanelHeight);
    Picture1 = new QWidget(Frame1);
    Picture1->setObjectName("Picture1");
    PlaceInTwips(Picture1, 0, 0, 2295, kDesignPanelHeight);

    VScroll = new QScrollBar(Qt::Vertical, form);
    VScroll->setObjectName("VScroll");
    PlaceInTwips(VScroll, 2400, 240, 255, 8775);
    VScroll->setMinimum(0);
    VScroll->setSingleStep(120);
    VScroll->setPageStep(120);
    // Tracking is on, so dragging the thumb moves the rows continuously.
    connect(VScroll, &QScrollBar::valueChanged, this, [this](int value) { SetPanelTop(-value); });
    // The wheel is taken wherever it turns over the table, before any row widget sees it.
    for (QWidget* widget :
         {static_cast<QWidget*>(Frame1), Picture1, static_cast<QWidget*>(VScroll)}) {
        widget->installEventFilter(this);
    }

    CreateRow(0);
}

void TableView::CreateRow(int i) {
    auto* number = new QLabel(Picture1);
    number->setObjectName(QString("Label1_%1").arg(i));
    number->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    number->setFont(LabelFont());
    Label1[i] = number;

    auto* input = new QLabel(Picture1);
    input->setObjectName(QString("Label2_%1").arg(i));
    input->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    input->setFont(LabelFont());
    input->setAutoFillBackground(true);
    QPalette palette = input->palette();
    palette.setColor(QPalette::Window, QColor(224, 224, 224));
    input->setPalette(palette);
    Label2[i] = input;
    number->installEventFilter(this);
    input->installEventFilter(this);

    auto* cell = new QLineEdit(Picture1);
    cell->setObjectName(QString("Text1_%1").arg(i));
    cell->setFont(CellFont());
    cell->setFrame(true);
    cell->setTextMargins(0, 0, 0, 0);
    cell->installEventFilter(this);
    // The table's own menu stands for the cell's text menu: copy and paste work on the
    // whole column here anyway.
    cell->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(cell, &QWidget::customContextMenuRequested, this,
            [this, cell](const QPoint& pos) { emit MenuRequested(cell->mapToGlobal(pos)); });
    Text1[i] = cell;

    createdRows_ = std::max(createdRows_, i + 1);
    PlaceRow(i);
}

void TableView::PlaceRow(int i) {
    const int top = i * RowHeight;
    PlaceInTwips(Label1[i], kNumberLeft, top, kNumberWidth, kRowWidgetHeight);
    PlaceInTwips(Label2[i], kInputLeft, top, kInputWidth, kRowWidgetHeight);
    PlaceInTwips(Text1[i], kCellLeft, top, kCellWidth, kRowWidgetHeight);
}

void TableView::ShowRow(int i, bool visible) {
    Label1[i]->setVisible(visible);
    Label2[i]->setVisible(visible);
    Text1[i]->setVisible(visible);
}

void TableView::BuildTable(const VoltageMap& map) {
    RowHeight = 255;
    TableViewHeight =
        static_cast<int>(RoundHalfEven(static_cast<double>(kDesignPanelHeight) / RowHeight)) *
        RowHeight;
    SetPanelHeight(map.Resolution * RowHeight);
    viewportHeight_ =
        static_cast<int>(RoundHalfEven(static_cast<double>(viewportHeight_) / RowHeight)) *
        RowHeight;
    PlaceInTwips(Frame1, 100, 840, 2295, viewportHeight_);
    SetScrollRange(map.Resolution);

    for (int i = 1; i < map.Resolution; ++i) {
        if (Label1[i] == nullptr) {
            CreateRow(i);
        }
    }
    for (int i = 0; i < map.Resolution; ++i) {
        ShowRow(i, true);
    }
    ShowRows(map);
}

void TableView::RefreshTable(const VoltageMap& map) {
    const int R = map.Resolution;
    SetPanelHeight(R * RowHeight);
    SetScrollRange(R);
    for (int i = 0; i < R; ++i) {
        PlaceRow(i);
        ShowRow(i, true);
    }
    // Every row beyond the resolution is hidden: a row only clipped away would still take
    // the focus from Tab.
    for (int i = R; i < createdRows_; ++i) {
        ShowRow(i, false);
    }
    ShowRows(map);
}

void TableView::ShowChanges(const VoltageMap& map, const MapChanges& changes) {
    if (changes.Has(MapChange::Resolution)) {
        RefreshTable(map);
    } else if (changes.Has(MapChange::InputSpan)) {
        ShowRows(map);
    } else if (changes.Has(MapChange::Values)) {
        for (int k = 0; k < map.Resolution; ++k) {
            ShowValue(map, k);
        }
    } else if (changes.Has(MapChange::Value)) {
        ShowValue(map, changes.Point);
    }
}

void TableView::ShowRows(const VoltageMap& map) {
    for (int i = 0; i < map.Resolution; ++i) {
        Label1[i]->setText(QString::number(i + 1) + ':');
        Label2[i]->setText(InputVoltageText(map, i, separator_));
        NameCell(i);
        ShowValue(map, i);
    }
}

void TableView::NameCells(UiLanguage language) {
    language_ = language;
    for (int i = 0; i < createdRows_; ++i) {
        NameCell(i);
    }
}

void TableView::NameCell(int i) {
    Text1[i]->setAccessibleName(CellAccessibleName(language_, i + 1, Label2[i]->text()));
}

void TableView::ShowValue(const VoltageMap& map, int k) {
    Text1[k]->setText(QString::fromStdString(FormatVoltage(map.OutputValues[k], separator_)));
}

QString TableView::CellText(int i) const {
    return Text1[i]->text();
}

void TableView::SetCellText(int i, const QString& text) {
    Text1[i]->setText(text);
}

QString TableView::InputLabelText(int i) const {
    return Label2[i]->text();
}

void TableView::SetRowBold(int i, bool bold) {
    for (QWidget* widget : {static_cast<QWidget*>(Label1[i]), static_cast<QWidget*>(Label2[i]),
                            static_cast<QWidget*>(Text1[i])}) {
        QFont font = widget->font();
        font.setBold(bold);
        widget->setFont(font);
    }
}

void TableView::FocusCell(int i) {
    Text1[i]->setFocus(Qt::OtherFocusReason);
}

void TableView::ShowRange(std::optional<BreakpointRange> range) {
    for (int i = 0; i < createdRows_; ++i) {
        QPalette palette = Text1[i]->palette();
        const bool inRange = range && range->Contains(i);
        palette.setColor(QPalette::Base, inRange ? kRangeColour : Qt::white);
        Text1[i]->setPalette(palette);
    }
}

std::optional<RangeOperation> RangeOperationOfKey(const QKeyEvent& key) {
    if (key.modifiers() & Qt::ControlModifier) {
        // Ctrl++ comes as Ctrl and '+', or as Ctrl and '=' where '+' needs Shift.
        return key.key() == Qt::Key_Plus || key.key() == Qt::Key_Equal
                   ? std::optional(RangeOperation::Add)
                   : std::nullopt;
    }
    switch (key.key()) {
        case Qt::Key_Equal:
            return RangeOperation::SetValue;
        case Qt::Key_Asterisk:
            return RangeOperation::Multiply;
        case Qt::Key_Slash:
            return RangeOperation::Interpolate;
        case Qt::Key_S:
            return RangeOperation::Smooth;
        default:
            return std::nullopt;
    }
}

int TableView::ScrollPosition() const {
    return VScroll->value();
}

void TableView::SetScrollPosition(int twips) {
    VScroll->setValue(twips);
    SetPanelTop(-VScroll->value());
}

int TableView::ScrollMaximum() const {
    return VScroll->maximum();
}

bool TableView::ScrollBarVisible() const {
    return !VScroll->isHidden();
}

void TableView::SetPanelTop(int twips) {
    panelTop_ = twips;
    Picture1->move(0, TwipsToPixels(twips));
}

void TableView::SetPanelHeight(int twips) {
    panelHeight_ = twips;
    Picture1->resize(Picture1->width(), TwipsToPixels(twips));
}

void TableView::SetScrollRange(int rows) {
    const int rowsInView =
        static_cast<int>(RoundHalfEven(static_cast<double>(TableViewHeight) / RowHeight));
    const int extent = rows * RowHeight;
    const bool allFit = TableViewHeight >= extent;
    // Lowering the maximum clamps the position; the valueChanged handler moves the panel.
    VScroll->setMaximum(allFit ? 0 : extent - rowsInView * RowHeight);
    VScroll->setHidden(allFit);
    SetPanelTop(-VScroll->value());
}

int TableView::RowOf(QObject* widget) const {
    for (int i = 0; i < createdRows_; ++i) {
        if (Text1[i] == widget) {
            return i;
        }
    }
    return -1;
}

void TableView::ScrollByWheel(int angleDelta) {
    // 120 is one notch of a mouse wheel.
    if ((wheelRemainder_ > 0 && angleDelta < 0) || (wheelRemainder_ < 0 && angleDelta > 0)) {
        wheelRemainder_ = 0;
    }
    wheelRemainder_ += angleDelta * QApplication::wheelScrollLines();
    const int rows = wheelRemainder_ / 120;
    wheelRemainder_ -= rows * 120;
    if (rows != 0) {
        SetScrollPosition(std::clamp(ScrollPosition() - rows * RowHeight, 0, ScrollMaximum()));
    }
}

bool TableView::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Wheel) {
        ScrollByWheel(static_cast<QWheelEvent*>(event)->angleDelta().y());
        return true;
    }
    const int row = RowOf(watched);
    if (row < 0) {
        return false;
    }
    switch (event->type()) {
        case QEvent::MouseButtonPress:
            // A re-prompt by the check of the cell left behind took the release of this
            // press, so the click ends here; queued, so that the cell's own press handling
            // does not undo the selection of its text.
            if (static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton &&
                !(QGuiApplication::mouseButtons() & Qt::LeftButton)) {
                QMetaObject::invokeMethod(
                    this, [this, row] { emit CellClicked(row); }, Qt::QueuedConnection);
            }
            break;
        case QEvent::MouseButtonRelease:
            if (static_cast<QMouseEvent*>(event)->modifiers() & Qt::ShiftModifier) {
                emit CellShiftClicked(row);
            } else {
                emit CellClicked(row);
            }
            break;
        case QEvent::KeyPress: {
            // Copy and paste work on the whole column, as in a spreadsheet, not on the
            // cell's own text.
            const auto* key = static_cast<QKeyEvent*>(event);
            if (key->matches(QKeySequence::Copy)) {
                emit CellCopyPressed(row);
                return true;
            }
            if (key->matches(QKeySequence::Paste)) {
                emit CellPastePressed(row);
                return true;
            }
            if (const auto operation = RangeOperationOfKey(*key)) {
                emit RangeKeyPressed(row, *operation);
                return true;
            }
            const int k = key->key();
            if ((key->modifiers() & Qt::ShiftModifier) &&
                (k == Qt::Key_Up || k == Qt::Key_Down || k == Qt::Key_PageUp ||
                 k == Qt::Key_PageDown)) {
                emit CellShiftKeyPressed(row, k);
                return true;
            }
            emit CellKeyPressed(row, key->key());
            break;
        }
        case QEvent::FocusIn:
            emit CellFocusTaken(row, static_cast<QFocusEvent*>(event)->reason());
            break;
        case QEvent::FocusOut: {
            // A modal box or a popup taking the focus, or another application, is not the
            // user leaving the cell.
            const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
            if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason) {
                emit CellFocusLost(row);
            }
            break;
        }
        default:
            break;
    }
    return false;
}
