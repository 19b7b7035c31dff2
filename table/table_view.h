#pragma once

#include <QObject>
#include <array>
#include <optional>

#include "core/breakpoint_range.h"
#include "core/map_document.h"
#include "core/voltage_map.h"
#include "texts/texts.h"

class QFrame;
class QPoint;
class QKeyEvent;
class QGroupBox;
class QLabel;
class QLineEdit;
class QScrollBar;
class QWidget;

/// The scrolling table of breakpoints: a fixed viewport of 32 rows, an inner panel holding
/// every row that slides behind it, and the scroll bar that drives the panel. Geometry is
/// kept in twips; the panel's top is always minus the scroll position.
class TableView : public QObject {
    Q_OBJECT

public:
    /// Creates the table panel, the viewport, the scroll bar and row 0 on the main window.
    TableView(QWidget* form, char decimalSeparator);

    /// Creates rows 1..127, lays the table out for the map's resolution and shows its rows.
    void BuildTable(const VoltageMap& map);

    /// Lays the rows out for the map's resolution, hides every row beyond it, and shows
    /// every row's texts. The values themselves are the map's: span and resolution changes
    /// have resampled them before.
    void RefreshTable(const VoltageMap& map);

    /// Follows a change of the map: the layout, every row, or one cell.
    void ShowChanges(const VoltageMap& map, const MapChanges& changes);
    /// Writes the texts of every row (number, input voltage, output value) from the map.
    void ShowRows(const VoltageMap& map);
    /// Writes the output cell text of breakpoint k from the map.
    void ShowValue(const VoltageMap& map, int k);

    QString CellText(int i) const;
    void SetCellText(int i, const QString& text);
    QString InputLabelText(int i) const;
    void SetRowBold(int i, bool bold);
    /// Gives cell i the keyboard focus, as the keyboard moves between cells.
    void FocusCell(int i);
    /// Names every cell for a screen reader by its row and input voltage, in the language.
    void NameCells(UiLanguage language);
    /// The cells of the range get a tinted background; none when range is empty.
    void ShowRange(std::optional<BreakpointRange> range);

    int ScrollPosition() const;
    void SetScrollPosition(int twips);
    int ScrollMaximum() const;
    int PanelTop() const { return panelTop_; }
    /// Moves the inner panel without touching the scroll bar.
    void SetPanelTop(int twips);
    int ViewportHeight() const { return viewportHeight_; }
    bool ScrollBarVisible() const;

    int RowHeight = 255;
    int TableViewHeight = 0;

    QGroupBox* Frame2;
    QLabel* Label3;
    QLabel* Label4;
    QFrame* Frame1;
    QWidget* Picture1;
    QScrollBar* VScroll;
    std::array<QLabel*, kMaxResolution> Label1{};
    std::array<QLabel*, kMaxResolution> Label2{};
    std::array<QLineEdit*, kMaxResolution> Text1{};

signals:
    void CellClicked(int i);
    void CellKeyPressed(int i, int key);
    void CellFocusLost(int i);
    /// Cell i took the keyboard focus by a key (Tab or a move between cells) or a click.
    void CellFocusTaken(int i, Qt::FocusReason reason);
    /// The copy or paste keys in cell i; the cell itself does not receive them.
    void CellCopyPressed(int i);
    void CellPastePressed(int i);
    /// Shift and a click on cell i, or Shift and Up, Down, Page Up or Page Down in it: the
    /// range grows or shrinks; the cell does not receive the key.
    void CellShiftClicked(int i);
    void CellShiftKeyPressed(int i, int key);
    /// The key of a range operation in cell i; the cell does not receive it.
    void RangeKeyPressed(int i, RangeOperation operation);
    /// A right click on the table, at a point of the screen.
    void MenuRequested(const QPoint& screenPos);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void CreateRow(int i);
    void PlaceRow(int i);
    void ShowRow(int i, bool visible);
    void NameCell(int i);
    void SetPanelHeight(int twips);
    void SetScrollRange(int rows);
    int RowOf(QObject* widget) const;
    /// Scrolls by the platform's wheel setting in whole rows; a touchpad's small steps add
    /// up until they make a row.
    void ScrollByWheel(int angleDelta);

    char separator_;
    UiLanguage language_ = UiLanguage::Hun;
    int panelTop_ = 0;
    int panelHeight_ = 8055;
    int viewportHeight_ = 8055;
    int createdRows_ = 0;
    /// Wheel travel not yet scrolled, in eighths of a degree times lines per notch.
    int wheelRemainder_ = 0;
};

/// The operation a key stands for in the table: = * / S, and Ctrl++ for Add.
std::optional<RangeOperation> RangeOperationOfKey(const QKeyEvent& key);

/// Text of row i's input voltage: (i+1) * InputRangeMax / Resolution to three decimals.
QString InputVoltageText(const VoltageMap& map, int i, char separator);
