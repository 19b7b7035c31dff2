#include "app/press_completion.h"

#include <QAbstractButton>
#include <QEvent>
#include <QGuiApplication>
#include <QMouseEvent>
#include <QTimer>

void PressCompletion::Watch(std::initializer_list<QAbstractButton*> buttons) {
    for (QAbstractButton* button : buttons) {
        button->installEventFilter(this);
    }
}

void PressCompletion::DropPressInProgress() {
    // The focus moves before the press reaches the widget under the mouse, so the press
    // follows at once; one on a widget not watched here must not drop a later click.
    dropping_ = true;
    QTimer::singleShot(0, this, [this] { dropping_ = false; });
}

bool PressCompletion::eventFilter(QObject* watched, QEvent* event) {
    const QEvent::Type type = event->type();
    if ((type != QEvent::MouseButtonPress && type != QEvent::MouseButtonDblClick) ||
        static_cast<QMouseEvent*>(event)->button() != Qt::LeftButton) {
        return false;
    }
    auto* button = qobject_cast<QAbstractButton*>(watched);
    if (button == nullptr) {
        return false;
    }
    if (dropping_) {
        dropping_ = false;
        return true;
    }
    // Looked at once the button has taken the press: a release that came in the meantime
    // ended the click already, and a button still held is a click in progress.
    QTimer::singleShot(0, button, [button] {
        if (button->isDown() && !(QGuiApplication::mouseButtons() & Qt::LeftButton)) {
            button->setDown(false);
            button->click();
        }
    });
    return false;
}
