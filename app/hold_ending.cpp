#include "app/hold_ending.h"

#include <QApplication>
#include <QKeyEvent>
#include <QWidget>
#include <utility>

HoldEnding::HoldEnding(QWidget* window, const bool& held, std::function<void()> end)
    : QObject(window), window_(window), held_(held), end_(std::move(end)) {
    qApp->installEventFilter(this);
}

bool HoldEnding::eventFilter(QObject* watched, QEvent* event) {
    if (!held_) {
        return false;
    }
    switch (event->type()) {
        case QEvent::WindowBlocked:
        case QEvent::WindowDeactivate:
            if (watched == window_) {
                end_();
            }
            break;
        case QEvent::Show:
            // A pop-up (a menu, a chooser's list) takes the mouse grab.
            if (watched->isWidgetType() &&
                static_cast<QWidget*>(watched)->windowType() == Qt::Popup) {
                end_();
            }
            break;
        case QEvent::KeyPress:
            if (static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape) {
                end_();
                return true;
            }
            break;
        default:
            break;
    }
    return false;
}
