#pragma once

#include <QObject>
#include <initializer_list>

class QAbstractButton;

/// Ends the clicks of buttons and switches whose release a modal box took: pressing one
/// first runs the check of the cell or box it takes the focus from, and a re-prompt there
/// swallows the release, so the button would stay down and never act. A re-prompt that was
/// cancelled cancels the click instead.
class PressCompletion : public QObject {
    Q_OBJECT

public:
    explicit PressCompletion(QObject* parent = nullptr) : QObject(parent) {}

    /// Watches the left-button presses of these buttons.
    void Watch(std::initializer_list<QAbstractButton*> buttons);

    /// The press being delivered, whose focus change has just run a check, does nothing.
    void DropPressInProgress();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool dropping_ = false;
};
