#include "chart/chart_geometry.h"

#include <algorithm>
#include <cmath>

#include "core/number_text.h"
#include "core/rounding.h"

namespace {

constexpr const char* kInputLabelToolTip = "Bemeneti feszültség.";
constexpr const char* kOutputLabelToolTip = "Kimeneti feszültség.";

void Set(ChartLine& line, float x1, float y1, float x2, float y2) {
    line.X1 = x1;
    line.Y1 = y1;
    line.X2 = x2;
    line.Y2 = y2;
    line.Visible = true;
}

float Nearest(double x) {
    return static_cast<float>(RoundHalfEven(x));
}

bool Contains(const ChartLabel& label, float x, float y) {
    return label.Visible && x >= label.Left && x < label.Left + label.Width && y >= label.Top &&
           y < label.Top + label.Height;
}

}  // namespace

ChartGeometry::ChartGeometry(const VoltageMap& map) : map_(map) {
    BuildChart();
}

void ChartGeometry::BuildChart() {
    Set(Line1, kChartOriginX, kChartOriginY, kInputAxisEndX, kChartOriginY);
    Set(Line2, kChartOriginX, kChartOriginY, kChartOriginX, kOutputAxisEndY);
    Set(Line10, kChartOriginX, kChartOriginY, kChartOriginX, kChartOriginY);
    Line3.fill(ChartLine{});
    Line11.fill(ChartLine{});
    Line4.fill(ChartLine{});
    Line5.fill(ChartLine{});
    Line8.fill(ChartLine{});
    Line9.fill(ChartLine{});
    Set(Line8[0], kChartOriginX, kChartOriginY, kChartOriginX, 8770);
    Set(Line9[0], 360, kChartOriginY, kChartOriginX, kChartOriginY);
    Label9.fill(ChartLabel{0, 8880, 375, 255, "", false});
    Label10.fill(ChartLabel{0, 0, 375, 225, "", false});
    Label9[0].Visible = true;
    Label10[0].Visible = true;
    Line6 = ChartLine{};
    Line7 = ChartLine{};
    Shape1 = ChartShape{};
    if (listener_ != nullptr) {
        listener_->ChartDamagedAll();
    }
}

void ChartGeometry::ShowChanges(const MapChanges& changes) {
    if (changes.Has(MapChange::Values) || changes.Has(MapChange::InputSpan) ||
        changes.Has(MapChange::OutputSpan) || changes.Has(MapChange::Resolution)) {
        RedrawChart();
    } else {
        if (changes.Has(MapChange::Value)) {
            RedrawSegment(changes.Point, map_.OutputValues[changes.Point]);
        }
        if (changes.Has(MapChange::Reference)) {
            RedrawSavedCurve();
        }
    }
    const int s = map_.SelectedPoint;
    if (!map_.HasSelection()) {
        if (changes.Has(MapChange::Selection)) {
            HideMarker();
        }
    } else if (changes.Has(MapChange::Selection) || changes.Has(MapChange::Values) ||
               (changes.Has(MapChange::Value) && changes.Point == s)) {
        DrawMarker(s);
    }
}

void ChartGeometry::RedrawChart() {
    ChartStepX = static_cast<int>(Nearest(std::fabs(Line1.X2 - Line1.X1) / map_.Resolution));
    ChartStepY = static_cast<int>(Nearest(std::fabs(Line2.Y2 - Line2.Y1) / kOutputCodes));
    PlaceTicks();
    PlaceLabels();
    PlaceGrid();
    PlaceCurve(Line3, map_.DeviceTable);
    // Before the first save or load there is no reference: whatever was drawn stays.
    if (map_.SavedCurveValid) {
        PlaceCurve(Line11, map_.SavedDeviceTable);
    }
    if (listener_ != nullptr) {
        listener_->ChartDamagedAll();
    }
}

void ChartGeometry::RedrawSavedCurve() {
    if (!map_.SavedCurveValid) {
        return;
    }
    PlaceCurve(Line11, map_.SavedDeviceTable);
    if (listener_ != nullptr) {
        listener_->ChartDamagedAll();
    }
}

void ChartGeometry::PlaceTicks() {
    // The grid spans the curve width, which differs a little from the axis length.
    const double width = ChartStepX * map_.Resolution;
    const double height = ChartStepY * kOutputCodes;
    for (int i = 1; i <= kGridDivisions; ++i) {
        const float x = Line8[0].X1 + Nearest(i * width / kGridDivisions);
        Set(Line8[i], x, Line8[0].Y1, x, Line8[0].Y2);
        const float y = Line9[0].Y1 - Nearest(i * height / kGridDivisions);
        Set(Line9[i], Line9[0].X1, y, Line9[0].X2, y);
    }
}

void ChartGeometry::PlaceLabels() {
    const float halfWidth = Nearest(Label9[0].Width / 2.0);
    const float halfHeight = Nearest(Label10[0].Height / 2.0);
    for (int i = 0; i <= kGridDivisions; ++i) {
        ChartLabel& input = Label9[i];
        input.Top = Label9[0].Top;
        input.Width = Label9[0].Width;
        input.Height = Label9[0].Height;
        input.Left = Line8[i].X1 - halfWidth;
        input.Caption = FormatOneDecimal(
            static_cast<double>(i) * map_.InputRangeMax / kGridDivisions, DecimalSeparator);
        input.Visible = true;
        ChartLabel& output = Label10[i];
        output.Left = Label10[0].Left;
        output.Width = Label10[0].Width;
        output.Height = Label10[0].Height;
        output.Top = Line9[i].Y1 - halfHeight;
        output.Caption = FormatOneDecimal(
            static_cast<double>(i) * map_.OutputRangeMax / kGridDivisions, DecimalSeparator);
        output.Visible = true;
    }
}

void ChartGeometry::PlaceGrid() {
    const float top = Line9[kGridDivisions].Y1;
    const float right = Line8[kGridDivisions].X2;
    for (int j = 0; j < kGridDivisions; ++j) {
        const float x = Line8[j + 1].X1;
        Set(Line4[j], x, Line8[0].Y1, x, top);
        const float y = Line9[j + 1].Y1;
        Set(Line5[j], Line9[0].X2, y, right, y);
    }
    Line10.X2 = Line5[kGridDivisions - 1].X2;
    Line10.Y2 = Line5[kGridDivisions - 1].Y2;
    Line10.Visible = true;
}

void ChartGeometry::PlaceCurve(std::array<ChartLine, kMaxResolution>& segments,
                               const DeviceTableEntries& codes) {
    const int step = map_.EntriesPerStep();
    for (int i = 0; i < map_.Resolution; ++i) {
        const float x1 = Line1.X1 + static_cast<float>(i * ChartStepX);
        const float x2 = Line1.X1 + static_cast<float>((i + 1) * ChartStepX);
        Set(segments[i], x1, CodeY(codes[i * step]), x2, CodeY(codes[(i + 1) * step]));
    }
    for (int i = map_.Resolution; i < kMaxResolution; ++i) {
        segments[i].Visible = false;
    }
}

float ChartGeometry::CodeY(int code) const {
    return Line1.Y1 - static_cast<float>(code * ChartStepY);
}

float ChartGeometry::ValueY(double v) const {
    return static_cast<float>(Line1.Y1 - v * kOutputCodes / map_.OutputRangeMax * ChartStepY);
}

void ChartGeometry::RedrawSegment(int k, double v) {
    if (k < 0 || k >= map_.Resolution) {
        return;
    }
    const float y = ValueY(v);
    if (k < map_.Resolution - 1) {
        ChartLine& next = Line3[k + 1];
        MoveLine(next, next.X1, y, next.X2, next.Y2);
    }
    ChartLine& segment = Line3[k];
    MoveLine(segment, segment.X1, segment.Y1, segment.X2, y);
}

void ChartGeometry::DrawMarker(int k) {
    if (k < 0 || k >= map_.Resolution) {
        return;  // nothing is selected: there is no point to mark
    }
    const double q = RoundHalfEven(map_.OutputValues[k] * kOutputCodes / map_.OutputRangeMax);
    const int code = static_cast<int>(MinOf(q, k >= map_.Resolution - 1 ? 256 : 255));
    const float x = Line1.X1 + static_cast<float>((k + 1) * ChartStepX);
    const float y = Line2.Y1 - static_cast<float>(ChartStepY * code);
    MoveLine(Line6, x, Line1.Y1, x, y);
    MoveLine(Line7, Line2.X1, y, x, y);
    SetVisible(Line6, true);
    SetVisible(Line7, true);
    PlaceMarkerDot();
}

void ChartGeometry::PlaceMarkerDot() {
    Damage(Shape1);
    Shape1.Top = Line7.Y2 - Nearest(Shape1.Height / 2.0);
    Shape1.Left = Line7.X2 - Nearest(Shape1.Width / 2.0);
    Shape1.Visible = true;
    Damage(Shape1);
}

void ChartGeometry::HideMarker() {
    SetVisible(Line6, false);
    SetVisible(Line7, false);
    HideMarkerDot();
}

void ChartGeometry::HideMarkerDot() {
    Damage(Shape1);
    Shape1.Visible = false;
}

ChartPick ChartGeometry::PickBreakpoint(float x) const {
    ChartPick pick;
    float best = kChartPanelWidth;
    for (int i = 0; i < map_.Resolution; ++i) {
        const float d = std::fabs(Line3[i].X2 - x);
        if (d < best) {
            best = d;
            pick.Candidate = i;
        }
    }
    pick.Hit = best < ChartStepX / 2.0;
    return pick;
}

bool ChartGeometry::IsNearDrawnPoint(int k, float y) const {
    return std::fabs(Line3[k].Y2 - y) < 2 * ChartStepY;
}

const char* ChartGeometry::LabelToolTipAt(float x, float y) const {
    for (const ChartLabel& label : Label9) {
        if (Contains(label, x, y)) {
            return kInputLabelToolTip;
        }
    }
    for (const ChartLabel& label : Label10) {
        if (Contains(label, x, y)) {
            return kOutputLabelToolTip;
        }
    }
    return nullptr;
}

void ChartGeometry::MoveLine(ChartLine& line, float x1, float y1, float x2, float y2) {
    Damage(line);
    line.X1 = x1;
    line.Y1 = y1;
    line.X2 = x2;
    line.Y2 = y2;
    Damage(line);
}

void ChartGeometry::SetVisible(ChartLine& line, bool visible) {
    if (line.Visible == visible) {
        return;
    }
    Damage(line);  // the old picture, while it is still visible
    line.Visible = visible;
    Damage(line);
}

void ChartGeometry::Damage(const ChartLine& line) {
    if (listener_ == nullptr || !line.Visible) {
        return;
    }
    listener_->ChartDamaged({std::min(line.X1, line.X2), std::min(line.Y1, line.Y2),
                             std::max(line.X1, line.X2), std::max(line.Y1, line.Y2)});
}

void ChartGeometry::Damage(const ChartShape& shape) {
    if (listener_ == nullptr || !shape.Visible) {
        return;
    }
    listener_->ChartDamaged(
        {shape.Left, shape.Top, shape.Left + shape.Width, shape.Top + shape.Height});
}
