#include "app/focus_picture.h"

#include <QPainter>

FocusPicture::FocusPicture(QWidget* parent) : QLabel(parent) {
    setFocusPolicy(Qt::StrongFocus);
}

void FocusPicture::paintEvent(QPaintEvent* event) {
    QLabel::paintEvent(event);
    if (!hasFocus()) {
        return;
    }
    // Black dashes on white show on any picture, the blue of a flag included.
    QPainter painter(this);
    const QRectF edge = QRectF(rect()).adjusted(1, 1, -1, -1);
    painter.setPen(QPen(Qt::white, 2));
    painter.drawRect(edge);
    painter.setPen(QPen(Qt::black, 2, Qt::DashLine));
    painter.drawRect(edge);
}
