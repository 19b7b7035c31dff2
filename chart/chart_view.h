#pragma once

#include <QGroupBox>
#include <QPainter>
#include <memory>

#include "chart/chart_editing.h"
#include "chart/chart_geometry.h"
#include "chart/chart_overlay.h"

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

    /// The range of breakpoints stands out on the curve; none ends it. Called again after
    /// every change of the curve, since the range follows the drawn points.
    void ShowRange(std::optional<BreakpointRange> range);
    /// The curve that values give, in place of the reference curve, with the points marked.
    void ShowPreview(const std::vector<double>& values, const std::vector<DatasheetPoint>& points);
    void HidePreview();
    const ChartOverlay& Overlay() const { return overlay_; }

signals:
    /// A key went down while the chart has the focus (a click gives it).
    void KeyPressed(int key);

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void PaintFrame(QPainter& painter, const QRegion& exposed);
    void PaintChart(QPainter& painter, const QRect& exposed);
    void ChartDamaged(const ChartBox& box) override;
    void ChartDamagedAll() override;

    ChartGeometry chart_;
    ChartOverlay overlay_{chart_};
    const VoltageMap& map_;
    std::unique_ptr<ChartEditing> editing_;
    QFont inputLabelFont_;
    QFont outputLabelFont_;
};
