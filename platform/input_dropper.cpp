#include "platform/input_dropper.h"

#include <QCoreApplication>
#include <QEvent>

namespace {

bool IsUserInput(const QEvent& event) {
    switch (event.type()) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonRelease:
        case QEvent::MouseButtonDblClick:
        case QEvent::Wheel:
        case QEvent::KeyPress:
        case QEvent::KeyRelease:
        case QEvent::ShortcutOverride:
        case QEvent::ContextMenu:
        case QEvent::TouchBegin:
        case QEvent::TouchUpdate:
        case QEvent::TouchEnd:
        case QEvent::TabletPress:
        case QEvent::TabletRelease:
            return true;
        case QEvent::Close:
            // The program's own close() calls are not the user's.
            return event.spontaneous();
        default:
            return false;
    }
}

}  // namespace

InputDropper::InputDropper() {
    QCoreApplication::instance()->installEventFilter(this);
}

InputDropper::~InputDropper() {
    QCoreApplication::instance()->removeEventFilter(this);
}

bool InputDropper::eventFilter(QObject* watched, QEvent* event) {
    return IsUserInput(*event) || QObject::eventFilter(watched, event);
}
