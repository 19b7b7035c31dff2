#include "step_buttons.h"

#include <QEvent>
#include <QGuiApplication>
#include <QMouseEvent>
#include <QPushButton>

#include "map_views.h"
#include "message_box.h"
#include "table_view.h"
#include "texts.h"
#include "voltage_map.h"

StepButtons::StepButtons(QPushButton* stepDown, QPushButton* stepUp, VoltageMap& map,
                         const TableView& table, MapViews& views, MessageBox& messageBox,
                         const Texts& texts, bool& stepButtonHeld, QObject* parent)
    : QObject(parent),
      stepDown_(stepDown),
      stepUp_(stepUp),
      map_(map),
      table_(table),
      views_(views),
      messageBox_(messageBox),
      texts_(texts),
      held_(stepButtonHeld) {
    repeat_.setSingleShot(true);
    repeat_.setTimerType(Qt::PreciseTimer);
    connect(&repeat_, &QTimer::timeout, this, &StepButtons::Tick);
    waitForCell_.setSingleShot(true);
    waitForCell_.setInterval(0);
    connect(&waitForCell_, &QTimer::timeout, this, &StepButtons::RetryPress);
    stepDown_->installEventFilter(this);
    stepUp_->installEventFilter(this);
}

void StepButtons::Press(StepDirection direction) {
    if (!map_.HasSelection()) {
        return;
    }
    direction_ = direction;
    // An empty cell is an edit whose check is still pending; the press waits in the event
    // loop until the check has filled the cell, and ends with the release if it never does.
    if (table_.CellText(map_.SelectedPoint).isEmpty()) {
        waiting_ = true;
        waitForCell_.start();
        return;
    }
    const StepResult result = stepper_.Press(map_, direction);
    held_ = stepper_.Held();
    Show(result);
}

void StepButtons::RetryPress() {
    if (waiting_) {
        waiting_ = false;
        Press(direction_);
    }
}

void StepButtons::Release() {
    waiting_ = false;
    waitForCell_.stop();
    stepper_.Release();
    held_ = stepper_.Held();
    if (!held_) {
        repeat_.stop();
    }
}

void StepButtons::Tick() {
    const StepResult result = stepper_.Tick(map_);
    held_ = stepper_.Held();
    Show(result);
}

void StepButtons::Show(const StepResult& result) {
    if (result.Stepped) {
        const int p = map_.SelectedPoint;
        views_.ShowValue(p);
        views_.RedrawSegment(p, map_.OutputValues[p]);
        views_.DrawMarker(p);
        if (result.LimitHit) {
            ShowLimitMessage();
        }
        views_.ShowPointValue(p);
    }
    if (result.NextPauseMs > 0) {
        repeat_.start(result.NextPauseMs);
    }
}

void StepButtons::ShowLimitMessage() {
    if (direction_ == StepDirection::Down) {
        messageBox_.Show(texts_("MsgBelowZero"), texts_("MsgBelowZeroTitle"));
    } else {
        messageBox_.Show(texts_("MsgAboveMaxHead") + QString::number(map_.OutputRangeMax) +
                             texts_("MsgAboveMaxTail"),
                         texts_("MsgAboveMaxTitle"));
    }
}

bool StepButtons::eventFilter(QObject* watched, QEvent* event) {
    if (watched != stepDown_ && watched != stepUp_) {
        return false;
    }
    const StepDirection direction = watched == stepUp_ ? StepDirection::Up : StepDirection::Down;
    switch (event->type()) {
        // A quick second click arrives as a double click; it is a press all the same.
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonDblClick:
            if (static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
                Press(direction);
                // A re-prompt by the check of the cell left behind took the release of this
                // press: it is a short click, and the button is not left drawn down.
                if (!(QGuiApplication::mouseButtons() & Qt::LeftButton)) {
                    Release();
                    return true;
                }
            }
            break;
        case QEvent::MouseButtonRelease:
            if (static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
                Release();
            }
            break;
        default:
            break;
    }
    return false;
}
