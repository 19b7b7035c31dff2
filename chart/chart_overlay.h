#pragma once

#include <optional>
#include <vector>

#include "chart/chart_geometry.h"
#include "core/breakpoint_range.h"
#include "core/datasheet_points.h"

/// What the chart shows over the curve for a while: the selected range of breakpoints
/// (its segments and end points stand out) and the preview of imported points (the curve
/// they give in place of the reference curve, and the points themselves). Placed from the
/// chart's current scale; plain arithmetic, like the chart's own elements.
class ChartOverlay {
public:
    explicit ChartOverlay(const ChartGeometry& chart) : chart_(chart) {}

    /// The curve segments of the range (none for a range of one) and its two end points.
    void ShowRange(std::optional<BreakpointRange> range);
    /// values: one per breakpoint of map; points: the points they were made from.
    void ShowPreview(const VoltageMap& map, const std::vector<double>& values,
                     const std::vector<DatasheetPoint>& points);
    void HidePreview();
    /// Places everything again after the chart was rescaled or its curve redrawn.
    void Replace(const VoltageMap& map);

    bool PreviewShown() const { return previewShown_; }

    std::vector<ChartLine> RangeSegments;
    std::vector<ChartShape> RangeEnds;
    std::array<ChartLine, kMaxResolution> PreviewSegments{};
    std::vector<ChartShape> PreviewPoints;

private:
    const ChartGeometry& chart_;
    std::optional<BreakpointRange> range_;
    bool previewShown_ = false;
    DeviceTableEntries previewTable_{};
    std::vector<DatasheetPoint> points_;
};
