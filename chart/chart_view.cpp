#include "chart/chart_view.h"

#include <QFontInfo>
#include <QHelpEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QToolTip>

#include "chart/pen_cursor.h"
#include "platform/design_font.h"
#include "platform/twips.h"

namespace {

const QColor kInputColour(0, 192, 0);
const QColor kOutputColour(128, 0, 128);
const QColor kCurveColour(255, 0, 0);
const QColor kReferenceColour(128, 128, 255);
/// A range of breakpoints under the curve, and the points of an import preview.
const QColor kRangeColour(255, 170, 0);
const QColor kPointColour(0, 0, 160);

/// Room around a box for pen widths and the rounding of twips to pixels.
constexpr int kDamageMargin = 2;
/// Captions may run wider than their label in a fallback typeface.
constexpr int kCaptionOverflow = 24;
constexpr int kTitleIndent = 6;

QFont ChartFont(const char* family, int pixelSize, bool bold) {
    QFont font = DesignFont(family, pixelSize, bold);
    if (QFontInfo(font).family() != family) {
        // The fallback is much wider than the labels were designed for.
        font.setStretch(QFont::Condensed);
    }
    return font;
}

QPen LinePen(const QColor& colour, int width) {
    QPen pen(colour, width);
    pen.setCapStyle(Qt::FlatCap);
    return pen;
}

QPen DottedPen(const QColor& colour) {
    QPen pen(colour, 1);
    pen.setDashPattern({1, 1});
    pen.setCapStyle(Qt::FlatCap);
    return pen;
}

/// Button value of a chart mouse event: 1 left, 2 right, 4 middle, summed.
int ButtonValue(Qt::MouseButtons buttons) {
    return (buttons & Qt::LeftButton ? 1 : 0) + (buttons & Qt::RightButton ? 2 : 0) +
           (buttons & Qt::MiddleButton ? 4 : 0);
}

float ToTwips(qreal pixels) {
    return static_cast<float>(pixels * kTwipsPerPixel);
}

QPoint Pixel(float x, float y) {
    return {TwipsToPixels(x), TwipsToPixels(y)};
}

QRect PixelBox(const ChartBox& box) {
    return QRect(Pixel(box.Left, box.Top), Pixel(box.Right, box.Bottom))
        .adjusted(-kDamageMargin, -kDamageMargin, kDamageMargin, kDamageMargin);
}

/// A pixel rectangle in twips, widened by the damage margin.
ChartBox TwipsBox(const QRect& rect) {
    constexpr float margin = kDamageMargin * kTwipsPerPixel;
    return {static_cast<float>(rect.left() * kTwipsPerPixel) - margin,
            static_cast<float>(rect.top() * kTwipsPerPixel) - margin,
            static_cast<float>((rect.right() + 1) * kTwipsPerPixel) + margin,
            static_cast<float>((rect.bottom() + 1) * kTwipsPerPixel) + margin};
}

bool Overlaps(const ChartBox& box, float left, float top, float right, float bottom) {
    return left <= box.Right && right >= box.Left && top <= box.Bottom && bottom >= box.Top;
}

/// Paints what lies in one exposed rectangle only, so a drag repaints a few lines. The test
/// is made in twips: rounding every element to pixels first would cost more than drawing.
class ChartPainter {
public:
    ChartPainter(QPainter& painter, const QRect& exposed)
        : painter_(painter), exposed_(TwipsBox(exposed)) {}

    void SetPen(const QPen& pen) { painter_.setPen(pen); }

    void Draw(const ChartLine& line) {
        if (!line.Visible) {
            return;
        }
        if (Overlaps(exposed_, std::min(line.X1, line.X2), std::min(line.Y1, line.Y2),
                     std::max(line.X1, line.X2), std::max(line.Y1, line.Y2))) {
            painter_.drawLine(Pixel(line.X1, line.Y1), Pixel(line.X2, line.Y2));
        }
    }

    template <typename Set>
    void DrawAll(const Set& lines) {
        for (const ChartLine& line : lines) {
            Draw(line);
        }
    }

    void Draw(const ChartLabel& label) {
        constexpr float overflow = kCaptionOverflow * kTwipsPerPixel;
        if (!label.Visible ||
            !Overlaps(exposed_, label.Left - overflow, label.Top,
                      label.Left + label.Width + overflow, label.Top + label.Height)) {
            return;
        }
        const QRect rect = TwipsRect(label.Left, label.Top, label.Width, label.Height);
        // Labels are transparent and top-aligned; a wide caption may spill over its edges.
        painter_.drawText(rect, Qt::AlignHCenter | Qt::AlignTop | Qt::TextDontClip,
                          QString::fromStdString(label.Caption));
    }

    void Draw(const ChartShape& shape, const QColor& outline = kCurveColour,
              const QColor& fill = Qt::white, bool round = false) {
        if (!shape.Visible) {
            return;
        }
        const QRect rect = TwipsRect(shape.Left, shape.Top, shape.Width, shape.Height);
        painter_.setPen(LinePen(outline, 1));
        painter_.setBrush(fill);
        if (round) {
            painter_.drawEllipse(rect.adjusted(0, 0, -1, -1));
        } else {
            painter_.drawRect(rect.adjusted(0, 0, -1, -1));  // the outline lies inside the shape
        }
    }

    void SetFont(const QFont& font, const QColor& colour) {
        painter_.setFont(font);
        painter_.setPen(colour);
    }

private:
    QPainter& painter_;
    ChartBox exposed_;
};

}  // namespace

ChartView::ChartView(const VoltageMap& map, QWidget* parent)
    : QGroupBox(parent),
      chart_(map),
      map_(map),
      inputLabelFont_(ChartFont("Vrinda", 16, false)),   // 12 pt at 96 dpi
      outputLabelFont_(ChartFont("Vrinda", 12, true)) {  // 9 pt bold
    setObjectName("Frame7");
    QPalette white = palette();
    white.setColor(QPalette::Window, Qt::white);
    setPalette(white);
    setAutoFillBackground(true);
    setFont(DesignFont("Lucida Sans Unicode", 13));  // 9.75 pt
    setCursor(PenCursor());
    // A click gives the chart the keyboard: arrows select and step breakpoints.
    setFocusPolicy(Qt::ClickFocus);
    resize(TwipsToPixels(kChartPanelWidth), TwipsToPixels(kChartPanelHeight));
    chart_.SetDamageListener(this);
}

ChartView::~ChartView() {
    chart_.SetDamageListener(nullptr);
}

ChartEditing& ChartView::EnableEditing(MapDocument& document, ChartEditHost& host,
                                       bool& stepButtonHeld) {
    editing_ = std::make_unique<ChartEditing>(document, chart_, host, stepButtonHeld);
    return *editing_;
}

QString ChartView::ToolTipAt(QPoint pixel) const {
    const char* labelTip = chart_.LabelToolTipAt(ToTwips(pixel.x()), ToTwips(pixel.y()));
    return labelTip != nullptr ? QString::fromUtf8(labelTip) : toolTip();
}

bool ChartView::event(QEvent* event) {
    // A right click during a drag would open the menu, whose grab ends the drag.
    if (event->type() == QEvent::ContextMenu && editing_ != nullptr && editing_->LeftHeld()) {
        return true;
    }
    if (event->type() == QEvent::ToolTip) {
        const auto* help = static_cast<QHelpEvent*>(event);
        const char* labelTip =
            chart_.LabelToolTipAt(ToTwips(help->pos().x()), ToTwips(help->pos().y()));
        if (labelTip != nullptr) {
            QToolTip::showText(help->globalPos(), QString::fromUtf8(labelTip), this);
            return true;
        }
    }
    return QGroupBox::event(event);  // elsewhere the panel's own tool tip
}

void ChartView::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    PaintFrame(painter, event->region());
    // One pass per exposed rectangle: with a rectangular clip Qt stays on its fast paths,
    // a clip of several rectangles makes every long grid line expensive.
    for (const QRect& rect : event->region()) {
        painter.setClipRect(rect);
        PaintChart(painter, rect);
    }
}

void ChartView::PaintFrame(QPainter& painter, const QRegion& exposed) {
    // Drawn here rather than by the style, which would tint the white background.
    const int titleHeight = fontMetrics().height();
    if (QRect(1, titleHeight, width() - 2, height() - titleHeight - 1)
            .contains(exposed.boundingRect())) {
        return;  // neither the border nor the caption is exposed
    }
    // The keyboard's focus shows as a wider frame in the highlight colour.
    painter.setPen(hasFocus() ? QPen(palette().color(QPalette::Highlight), 2)
                              : QPen(palette().color(QPalette::Mid)));
    painter.drawRect(QRect(0, titleHeight / 2, width() - 1, height() - 1 - titleHeight / 2));
    if (!title().isEmpty()) {
        const QRect text = fontMetrics().boundingRect(title()).translated(kTitleIndent, 0);
        const QRect titleRect(kTitleIndent, 0, text.width() + 4, titleHeight);
        painter.fillRect(titleRect, Qt::white);
        painter.setPen(palette().color(QPalette::WindowText));
        painter.drawText(titleRect, Qt::AlignCenter, title());
    }
}

void ChartView::PaintChart(QPainter& target, const QRect& exposed) {
    ChartPainter painter(target, exposed);
    painter.SetPen(LinePen(palette().color(QPalette::Button), 1));
    painter.Draw(chart_.Line10);
    painter.DrawAll(chart_.Line4);
    painter.DrawAll(chart_.Line5);
    painter.SetPen(LinePen(kReferenceColour, 2));
    // While imported points are previewed, their curve takes the reference curve's place.
    if (overlay_.PreviewShown()) {
        painter.DrawAll(overlay_.PreviewSegments);
    } else {
        painter.DrawAll(chart_.Line11);
    }
    painter.SetPen(LinePen(kInputColour, 2));
    painter.Draw(chart_.Line1);
    painter.SetPen(LinePen(kOutputColour, 2));
    painter.Draw(chart_.Line2);
    painter.SetPen(LinePen(kInputColour, 1));
    painter.DrawAll(chart_.Line8);
    painter.SetPen(LinePen(kOutputColour, 1));
    painter.DrawAll(chart_.Line9);
    painter.SetFont(inputLabelFont_, kInputColour);
    for (const ChartLabel& label : chart_.Label9) {
        painter.Draw(label);
    }
    painter.SetFont(outputLabelFont_, kOutputColour);
    for (const ChartLabel& label : chart_.Label10) {
        painter.Draw(label);
    }
    painter.SetPen(DottedPen(kInputColour));
    painter.Draw(chart_.Line6);
    painter.SetPen(DottedPen(kOutputColour));
    painter.Draw(chart_.Line7);
    painter.SetPen(LinePen(kRangeColour, 6));
    painter.DrawAll(overlay_.RangeSegments);
    painter.SetPen(LinePen(kCurveColour, 2));
    painter.DrawAll(chart_.Line3);
    for (const ChartShape& end : overlay_.RangeEnds) {
        painter.Draw(end, kCurveColour, kRangeColour);
    }
    for (const ChartShape& point : overlay_.PreviewPoints) {
        painter.Draw(point, kPointColour, kReferenceColour, true);
    }
    painter.Draw(chart_.Shape1);
}

void ChartView::mousePressEvent(QMouseEvent* event) {
    if (editing_ != nullptr) {
        editing_->Press(ButtonValue(event->buttons()), ToTwips(event->position().x()),
                        ToTwips(event->position().y()),
                        event->modifiers().testFlag(Qt::ShiftModifier));
    }
}

void ChartView::mouseMoveEvent(QMouseEvent* event) {
    // Without mouse tracking moves arrive only while a button is held, also outside.
    if (editing_ != nullptr) {
        editing_->Move(ToTwips(event->position().y()));
    }
}

void ChartView::ShowRange(std::optional<BreakpointRange> range) {
    overlay_.ShowRange(range);
    update();
}

void ChartView::ShowPreview(const std::vector<double>& values,
                            const std::vector<DatasheetPoint>& points) {
    overlay_.ShowPreview(map_, values, points);
    update();
}

void ChartView::HidePreview() {
    overlay_.HidePreview();
    update();
}

void ChartView::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
        case Qt::Key_Left:
        case Qt::Key_Right:
        case Qt::Key_Up:
        case Qt::Key_Down:
            emit KeyPressed(event->key());
            break;
        default:
            QGroupBox::keyPressEvent(event);
    }
}

void ChartView::mouseDoubleClickEvent(QMouseEvent* /*event*/) {
    // The second press of a double click has already come as a press of its own.
}

void ChartView::mouseReleaseEvent(QMouseEvent* event) {
    if (editing_ == nullptr) {
        return;
    }
    editing_->Release(ButtonValue(event->button()));
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) {
        editing_->Click();
    }
}

void ChartView::ChartDamaged(const ChartBox& box) {
    update(PixelBox(box));
}

void ChartView::ChartDamagedAll() {
    update();
}
