#include "app/step_buttons.h"

#include <QEvent>
#include <QGuiApplication>
#include <QMouseEvent>
#include <QPushButton>

#include "core/map_document.h"
#include "platform/message_box.h"
#include "table/table_view.h"
#include "texts/texts.h"

StepButtons::StepButtons(QPushButton* stepDown, QPushButton* stepUp, MapDocument& document,
                         const TableView& table, MessageBox& messageBox, const Texts& texts,
                         bool& stepButtonHeld, QObject* parent)
    : QObject(parent),
      stepDown_(stepDown),
      stepUp_(stepUp),
      document_(document),
      table_(table),
      messageBox_(messageBox),
      texts_(texts),
      held_(stepButtonHeld) {
    repeat_.setObjectName(QStringLiteral("StepRepeat"));
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
    if (!document_.HasSelection()) {
        return;
    }
    direction_ = direction;
    BeforeStep();
    // An empty cell is an edit whose check is still pending; the press waits in the event
    // loop until the check has filled the cell, and ends with the release if it never does.
    if (table_.CellText(document_.SelectedPoint()).isEmpty()) {
        waiting_ = true;
        waitForCell_.start();
        return;
    }
    const StepResult result = stepper_.Press(document_, direction);
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

void StepButtons::EndHold() {
    waiting_ = false;
    waitForCell_.stop();
    stepper_.End();
    held_ = false;
    repeat_.stop();
    stepDown_->setDown(false);
    stepUp_->setDown(false);
}

void StepButtons::StepOnce(StepDirection direction) {
    if (!document_.HasSelection() || held_) {
        return;
    }
    direction_ = direction;
    BeforeStep();
    document_.BeginPointStep();
    if (document_.StepSelectedPoint(direction)) {
        ShowLimitMessage();
    }
}

void StepButtons::Tick() {
    const StepResult result = stepper_.Tick(document_);
    held_ = stepper_.Held();
    Show(result);
}

void StepButtons::Show(const StepResult& result) {
    if (result.LimitHit) {
        ShowLimitMessage();
    }
    if (result.NextPauseMs > 0) {
        repeat_.start(result.NextPauseMs);
    }
}

void StepButtons::ShowLimitMessage() {
    if (direction_ == StepDirection::Down) {
        messageBox_.Show(texts_("MsgBelowZero"), texts_("MsgBelowZeroTitle"));
    } else {
        messageBox_.Show(texts_("MsgAboveMaxHead") +
                             QString::number(document_.Map().OutputRangeMax) +
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
            if (static_cast<QMouseEvent*>(event)->button() != Qt::LeftButton && held_) {
                EndHold();  // a second button: the user does something else
            } else if (static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
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
