#include "keyboard_shortcuts.h"

#include <QAbstractButton>
#include <QKeyEvent>
#include <QLineEdit>
#include <QShortcut>
#include <QWidget>

namespace {

const QKeySequence kUndoKey(Qt::CTRL | Qt::Key_Z);

void Press(QAbstractButton* button) {
    button->setFocus(Qt::ShortcutFocusReason);
    // The check of the cell or box left behind may have ended in a prompt; the command
    // runs after it, as the click's release would.
    if (button->isEnabled()) {
        button->click();
    }
}

}  // namespace

KeyboardShortcuts::KeyboardShortcuts(QWidget* window, QAbstractButton* save, QAbstractButton* load,
                                     QAbstractButton* undo, std::function<void()> openGuide)
    : QObject(window) {
    const auto bind = [window](const QKeySequence& keys, std::function<void()> action) {
        QObject::connect(new QShortcut(keys, window), &QShortcut::activated, window,
                         std::move(action));
    };
    bind(QKeySequence(Qt::CTRL | Qt::Key_S), [save] { Press(save); });
    bind(QKeySequence(Qt::CTRL | Qt::Key_O), [load] { Press(load); });
    bind(kUndoKey, [undo] { Press(undo); });
    bind(QKeySequence(Qt::Key_F1), std::move(openGuide));
    for (QLineEdit* box : window->findChildren<QLineEdit*>()) {
        box->installEventFilter(this);
    }
}

bool KeyboardShortcuts::eventFilter(QObject* /*watched*/, QEvent* event) {
    // Left unaccepted, the key goes on to the window's shortcut.
    return event->type() == QEvent::ShortcutOverride &&
           QKeySequence(static_cast<QKeyEvent*>(event)->keyCombination()) == kUndoKey;
}
