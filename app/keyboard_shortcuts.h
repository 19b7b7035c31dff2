#pragma once

#include <QObject>
#include <functional>

class QAbstractButton;
class QWidget;

/// Keys of the main window: Ctrl+S and Ctrl+O press the save and load buttons, Ctrl+Z steps
/// back through the history of the map and Ctrl+Y or Ctrl+Shift+Z forward again, F1 opens
/// the user guide. A key takes the focus to its button first (the undo button for the
/// history), as a click would, so that a value still being typed is checked before the
/// command runs.
class KeyboardShortcuts : public QObject {
    Q_OBJECT

public:
    KeyboardShortcuts(QWidget* window, QAbstractButton* save, QAbstractButton* load,
                      QAbstractButton* undo, std::function<void()> stepBack,
                      std::function<void()> stepForward, std::function<void()> openGuide);

protected:
    /// The history keys in a single-line box are the window's, not the box's own typing
    /// undo; the note box keeps its own.
    bool eventFilter(QObject* watched, QEvent* event) override;
};
