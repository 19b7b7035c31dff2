#pragma once

#include "core/point_stepping.h"

class MapDocument;

/// What the caller does after a press, a release or a timer tick of a step button.
struct StepResult {
    bool Stepped = false;   ///< the value moved: redraw its segment, the marker and Text6
    bool LimitHit = false;  ///< show the limit message of the direction
    int NextPauseMs = 0;    ///< start the repeat timer with this delay; 0 ends the repeat
};

/// Auto-repeat of one step button, driven by a single-shot timer: a press steps at once,
/// the second step follows after the long first pause, then one step per short pause until
/// the left button is released or a limit is hit. A release during the first pause still
/// lets the second step happen, so a short click always makes two steps.
class PointStepper {
public:
    static constexpr int kFirstPauseMs = 70;
    static constexpr int kRepeatPauseMs = 5;

    /// Left-button press: one undo snapshot for the whole press, then the first step.
    /// Does nothing without a selected breakpoint or while a press is already running.
    StepResult Press(MapDocument& document, StepDirection direction);
    /// The repeat timer fired.
    StepResult Tick(MapDocument& document);
    /// The left button was released.
    void Release();
    /// Something else took over the button (a dialog, another window, Esc): the hold ends
    /// at once, without the step a release during the first pause would still make.
    void End();
    /// StepButtonHeld: true from the press until the release is taken or a limit is hit.
    bool Held() const { return held_; }

private:
    StepResult Step(MapDocument& document);

    StepDirection direction_ = StepDirection::Down;
    bool held_ = false;
    bool firstStepPending_ = false;
    bool releasedEarly_ = false;
};
