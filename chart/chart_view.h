#pragma once

#include <QGroupBox>
#include <QPainter>
#include <memory>

#include "chart_editing.h"
#include "chart_geometry.h"

class MapDocument;
struct VoltageMap;

/// The chart panel Frame7: paints the chart elements at 15 twips per pixel, back to front,
/// and turns the panel's mouse events into the chart's press, move, release and click.
/// Its caption and tool tip are set by the language routines like any group box's.
class ChartView : public QGroupBox, private ChartDamageListener {
    Q_OBJECT

public:
    explicit ChartView(const VoltageMap& map, QWidget* parent = nullptr);
    ~ChartView() override;

    ChartGeometry& Chart() { return chart_; }
    const ChartGeometry& Chart() const { return chart_; }

    /// Turns on mouse editing; before this the panel only shows the chart.
    ChartEditing& EnableEditing(MapDocument& document, ChartEditHost& host, bool& stepButtonHeld);
    ChartEditing* Editing() { return editing_.get(); }

    /// The tool tip at a point of the panel: an axis label's own, else the panel's.
    QString ToolTipAt(QPoint pixel) const;

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    void PaintFrame(QPainter& painter, const QRegion& exposed);
    void PaintChart(QPainter& painter, const QRect& exposed);
    void ChartDamaged(const ChartBox& box) override;
    void ChartDamagedAll() override;

    ChartGeometry chart_;
    std::unique_ptr<ChartEditing> editing_;
    QFont inputLabelFont_;
    QFont outputLabelFont_;
};
