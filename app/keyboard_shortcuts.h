#pragma once

#include <QObject>
#include <functional>

class QAbstractButton;
class QWidget;

/// Keys of the main window: Ctrl+S, Ctrl+O and Ctrl+Z press the save, load and undo
/// buttons, F1 opens the user guide. A key takes the focus to its button first, as a click
/// would, so that a value still being typed is checked before the command runs.
class KeyboardShortcuts : public QObject {
    Q_OBJECT

public:
    KeyboardShortcuts(QWidget* window, QAbstractButton* save, QAbstractButton* load,
                      QAbstractButton* undo, std::function<void()> openGuide);

protected:
    /// Ctrl+Z in a single-line box is the undo button's, not the box's own typing undo.
    bool eventFilter(QObject* watched, QEvent* event) override;
};
