#include "app/keyboard_shortcuts.h"

#include <QAbstractButton>
#include <QKeyEvent>
#include <QLineEdit>
#include <QShortcut>
#include <QWidget>
#include <algorithm>

namespace {

const QKeySequence kHistoryKeys[] = {QKeySequence(Qt::CTRL | Qt::Key_Z),
                                     QKeySequence(Qt::CTRL | Qt::Key_Y),
                                     QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)};

void Press(QAbstractButton* button, const std::function<void()>& command) {
    button->setFocus(Qt::ShortcutFocusReason);
    // The check of the cell or box left behind may have ended in a prompt; the command
    // runs after it, as the click's release would.
    if (button->isEnabled()) {
        command();
    }
}

}  // namespace

KeyboardShortcuts::KeyboardShortcuts(QWidget* window, QAbstractButton* save, QAbstractButton* load,
                                     QAbstractButton* undo, std::function<void()> stepBack,
                                     std::function<void()> stepForward,
                                     std::function<void()> openGuide)
    : QObject(window) {
    const auto bind = [window](const QKeySequence& keys, std::function<void()> action) {
        QObject::connect(new QShortcut(keys, window), &QShortcut::activated, window,
                         std::move(action));
    };
    bind(QKeySequence(Qt::CTRL | Qt::Key_S), [save] { Press(save, [save] { save->click(); }); });
    bind(QKeySequence(Qt::CTRL | Qt::Key_O), [load] { Press(load, [load] { load->click(); }); });
    bind(kHistoryKeys[0], [undo, stepBack] { Press(undo, stepBack); });
    for (const QKeySequence& keys : {kHistoryKeys[1], kHistoryKeys[2]}) {
        bind(keys, [undo, stepForward] { Press(undo, stepForward); });
    }
    bind(QKeySequence(Qt::Key_F1), std::move(openGuide));
    for (QLineEdit* box : window->findChildren<QLineEdit*>()) {
        box->installEventFilter(this);
    }
}

bool KeyboardShortcuts::eventFilter(QObject* /*watched*/, QEvent* event) {
    // Left unaccepted, the key goes on to the window's shortcut.
    return event->type() == QEvent::ShortcutOverride &&
           std::ranges::count(kHistoryKeys,
                              QKeySequence(static_cast<QKeyEvent*>(event)->keyCombination())) > 0;
}
