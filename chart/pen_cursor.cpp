#include "chart/pen_cursor.h"

#include <QPainter>
#include <QPixmap>
#include <QPolygonF>

namespace {

constexpr int kCursorSize = 32;
constexpr QPoint kNib{1, 30};

}  // namespace

QCursor PenCursor() {
    QPixmap pixmap(kCursorSize, kCursorSize);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    // Drawn along +x from the nib, then turned to point down and to the left.
    painter.translate(kNib + QPointF(0.5, 0.5));
    painter.rotate(-45);
    painter.setPen(QPen(Qt::black, 1));
    painter.setBrush(Qt::white);
    painter.drawPolygon(QPolygonF({{9, -4.5}, {33, -4.5}, {33, 4.5}, {9, 4.5}}));
    painter.setBrush(Qt::black);
    painter.drawRect(QRectF(33, -4.5, 4, 9));
    painter.setBrush(QColor(255, 255, 255));
    painter.drawPolygon(QPolygonF({{0, 0}, {9, -4.5}, {9, 4.5}}));
    painter.setBrush(Qt::black);
    painter.drawPolygon(QPolygonF({{0, 0}, {3.5, -1.75}, {3.5, 1.75}}));
    painter.end();
    return QCursor(pixmap, kNib.x(), kNib.y());
}
