#pragma once

#include <array>
#include <string>

#include "core/map_document.h"
#include "core/voltage_map.h"

// Chart coordinates are twips from the top-left corner of the chart panel, y downwards.
inline constexpr float kChartPanelWidth = 10695;
inline constexpr float kChartPanelHeight = 9135;
/// The chart origin: 0 V input, 0 V output.
inline constexpr float kChartOriginX = 480;
inline constexpr float kChartOriginY = 8650;
inline constexpr float kInputAxisEndX = 10440;
inline constexpr float kOutputAxisEndY = 480;
inline constexpr int kGridDivisions = 10;
inline constexpr float kMarkerDotSize = 135;
inline constexpr int kOutputCodes = 256;

struct ChartLine {
    float X1 = 0;
    float Y1 = 0;
    float X2 = 0;
    float Y2 = 0;
    bool Visible = false;
};

struct ChartLabel {
    float Left = 0;
    float Top = 0;
    float Width = 0;
    float Height = 0;
    std::string Caption;
    bool Visible = false;
};

struct ChartShape {
    float Left = 0;
    float Top = 0;
    float Width = kMarkerDotSize;
    float Height = kMarkerDotSize;
    bool Visible = false;
};

/// A rectangle in twips whose picture is stale.
struct ChartBox {
    float Left = 0;
    float Top = 0;
    float Right = 0;
    float Bottom = 0;
};

/// Told about every change of the picture, so a view repaints only what moved.
class ChartDamageListener {
public:
    virtual ~ChartDamageListener() = default;
    virtual void ChartDamaged(const ChartBox& box) = 0;
    virtual void ChartDamagedAll() = 0;
};

/// Nearest breakpoint to a press by x alone.
struct ChartPick {
    int Candidate = 0;
    bool Hit = false;
};

/// The retained drawable elements of the chart panel and the procedures that place them.
/// It reads the map and never changes it.
class ChartGeometry {
public:
    explicit ChartGeometry(const VoltageMap& map);

    // Elements, under the names the panel's designer gave them.
    ChartLine Line1;                                       ///< input axis
    ChartLine Line2;                                       ///< output axis
    ChartLine Line6;                                       ///< marker: vertical guide
    ChartLine Line7;                                       ///< marker: horizontal guide
    ChartLine Line10;                                      ///< diagonal guide
    ChartShape Shape1;                                     ///< marker dot
    std::array<ChartLine, kMaxResolution> Line3{};         ///< curve segments
    std::array<ChartLine, kMaxResolution> Line11{};        ///< reference segments
    std::array<ChartLine, kGridDivisions> Line4{};         ///< vertical grid lines
    std::array<ChartLine, kGridDivisions> Line5{};         ///< horizontal grid lines
    std::array<ChartLine, kGridDivisions + 1> Line8{};     ///< input ticks
    std::array<ChartLine, kGridDivisions + 1> Line9{};     ///< output ticks
    std::array<ChartLabel, kGridDivisions + 1> Label9{};   ///< input-axis labels
    std::array<ChartLabel, kGridDivisions + 1> Label10{};  ///< output-axis labels

    /// Twips between two neighbouring breakpoints; set by RedrawChart.
    int ChartStepX = 0;
    /// Twips per output code; set by RedrawChart.
    int ChartStepY = 0;
    /// The locale's decimal separator, used by the axis captions.
    char DecimalSeparator = '.';

    void SetDamageListener(ChartDamageListener* listener) { listener_ = listener; }

    /// Puts every element in its start-up state: the fixed frame placed, the rest hidden.
    void BuildChart();
    /// Follows a change of the map: the whole chart, one segment or the reference curve,
    /// and the marker of the selected breakpoint.
    void ShowChanges(const MapChanges& changes);
    /// Rescales and redraws everything but the marker from the device table.
    void RedrawChart();
    /// Redraws only the reference curve from the saved device table, at the current scale.
    void RedrawSavedCurve();
    /// Moves curve vertex k + 1 to the exact voltage v, until the next full redraw.
    void RedrawSegment(int k, double v);
    /// Where RedrawSegment draws a vertex of voltage v.
    float ValueY(double v) const;
    /// Places and shows the marker for breakpoint k at its quantised stored value.
    void DrawMarker(int k);
    void PlaceMarkerDot();
    void HideMarker();
    void HideMarkerDot();

    /// The breakpoint whose drawn x lies nearest to x, a hit when closer than half a step.
    ChartPick PickBreakpoint(float x) const;
    /// True when y lies within two output codes of the drawn point of breakpoint k.
    bool IsNearDrawnPoint(int k, float y) const;
    /// The axis-label tool tip at (x, y), or nullptr away from every visible label.
    const char* LabelToolTipAt(float x, float y) const;

private:
    void PlaceTicks();
    void PlaceLabels();
    void PlaceGrid();
    void PlaceCurve(std::array<ChartLine, kMaxResolution>& segments,
                    const DeviceTableEntries& codes);
    float CodeY(int code) const;
    void MoveLine(ChartLine& line, float x1, float y1, float x2, float y2);
    void SetVisible(ChartLine& line, bool visible);
    void Damage(const ChartLine& line);
    void Damage(const ChartShape& shape);

    const VoltageMap& map_;
    ChartDamageListener* listener_ = nullptr;
};
