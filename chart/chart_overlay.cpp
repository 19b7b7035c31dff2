#include "chart/chart_overlay.h"

#include "core/device_table.h"

namespace {

/// The end points of a range and the imported points, in twips: 7 and 6 pixels.
constexpr float kRangeEndSize = 105;
constexpr float kPointSize = 90;

ChartShape CentredOn(float x, float y, float size) {
    return {x - size / 2, y - size / 2, size, size, true};
}

}  // namespace

void ChartOverlay::ShowRange(std::optional<BreakpointRange> range) {
    range_ = range;
    RangeSegments.clear();
    RangeEnds.clear();
    if (!range_) {
        return;
    }
    for (int k = range_->First + 1; k <= range_->Last; ++k) {
        RangeSegments.push_back(chart_.Line3[k]);
    }
    for (const int k : {range_->First, range_->Last}) {
        RangeEnds.push_back(CentredOn(chart_.Line3[k].X2, chart_.Line3[k].Y2, kRangeEndSize));
    }
}

void ChartOverlay::ShowPreview(const VoltageMap& map, const std::vector<double>& values,
                               const std::vector<DatasheetPoint>& points) {
    VoltageMap preview = map;
    for (int k = 0; k < map.Resolution; ++k) {
        preview.SetOutputValue(k, values[k]);
    }
    BuildDeviceTable(preview);
    previewTable_ = preview.DeviceTable;
    points_ = points;
    previewShown_ = true;
    Replace(map);
}

void ChartOverlay::HidePreview() {
    previewShown_ = false;
    points_.clear();
    PreviewPoints.clear();
    PreviewSegments = {};
}

void ChartOverlay::Replace(const VoltageMap& map) {
    ShowRange(range_);
    if (!previewShown_) {
        return;
    }
    const float stepX = chart_.ChartStepX;
    const float stepY = chart_.ChartStepY;
    const int S = map.EntriesPerStep();
    const auto y = [&](int entry) { return kChartOriginY - previewTable_[entry] * stepY; };
    for (int i = 0; i < kMaxResolution; ++i) {
        PreviewSegments[i] = {kChartOriginX + i * stepX, i < map.Resolution ? y(i * S) : 0,
                              kChartOriginX + (i + 1) * stepX,
                              i < map.Resolution ? y((i + 1) * S) : 0, i < map.Resolution};
    }
    PreviewPoints.clear();
    // The breakpoints span ChartStepX * Resolution twips, the output span 256 codes.
    for (const DatasheetPoint& p : points_) {
        PreviewPoints.push_back(CentredOn(
            kChartOriginX + float(p.Input / map.InputRangeMax) * stepX * map.Resolution,
            kChartOriginY - float(p.Output * 256 / map.OutputRangeMax) * stepY, kPointSize));
    }
}
