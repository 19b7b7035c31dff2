#pragma once

#include <QObject>
#include <QTimer>
#include <functional>

#include "app/point_stepper.h"

class MapDocument;
class MessageBox;
class QPushButton;
class TableView;
class Texts;

/// The step-down (Command6) and step-up (Command7) buttons of the point panel: while the
/// left mouse button is held on one, the selected breakpoint moves a step at a time, the
/// first repeat after a longer pause, until the release, a limit of the output span, a press
/// of another mouse button, or EndHold.
class StepButtons : public QObject {
    Q_OBJECT

public:
    /// stepButtonHeld is the window's one flag for a held left button, shared with the
    /// chart drag; it follows the stepping.
    StepButtons(QPushButton* stepDown, QPushButton* stepUp, MapDocument& document,
                const TableView& table, MessageBox& messageBox, const Texts& texts,
                bool& stepButtonHeld, QObject* parent = nullptr);

    /// The left button went down on a step button.
    void Press(StepDirection direction);
    /// The left button was released.
    void Release();
    /// The hold ends where the value is now: something else took over the mouse or the
    /// window. The button is no longer drawn down.
    void EndHold();

    /// Runs before a press reads the selected value: typed cells count first.
    std::function<void()> BeforeStep = [] {};
    /// One step and no repeat, as a key on the chart makes it: one undo step a press.
    void StepOnce(StepDirection direction);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void RetryPress();
    void Tick();
    void Show(const StepResult& result);
    void ShowLimitMessage();

    QPushButton* stepDown_;
    QPushButton* stepUp_;
    MapDocument& document_;
    const TableView& table_;
    MessageBox& messageBox_;
    const Texts& texts_;
    bool& held_;

    PointStepper stepper_;
    StepDirection direction_ = StepDirection::Down;
    /// A child named "StepRepeat", so that tests can run the repeats without waiting.
    QTimer repeat_{this};
    /// A press that waits for the pending check of the selected cell to fill it.
    QTimer waitForCell_;
    bool waiting_ = false;
};
