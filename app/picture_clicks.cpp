#include "app/picture_clicks.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QWidget>

void PictureClicks::Watch(QWidget* picture, std::function<void()> action) {
    actions_.insert(picture, std::move(action));
    picture->installEventFilter(this);
}

bool PictureClicks::eventFilter(QObject* watched, QEvent* event) {
    const QEvent::Type type = event->type();
    if (type == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        const int k = key->key();
        if ((k == Qt::Key_Space || k == Qt::Key_Return || k == Qt::Key_Enter) &&
            !key->isAutoRepeat()) {
            actions_.value(watched)();
            return true;
        }
        return false;
    }
    if ((type != QEvent::MouseButtonPress && type != QEvent::MouseButtonRelease) ||
        static_cast<QMouseEvent*>(event)->button() != Qt::LeftButton) {
        return false;
    }
    if (type == QEvent::MouseButtonPress) {
        pressed_ = watched;
        return false;
    }
    // The release comes to the pressed picture wherever the pointer has gone since.
    const bool click =
        pressed_ == watched && static_cast<QWidget*>(watched)->rect().contains(
                                   static_cast<QMouseEvent*>(event)->position().toPoint());
    pressed_ = nullptr;
    if (click) {
        actions_.value(watched)();
    }
    return false;
}
