#include "app/frame_choosers.h"

#include <QCheckBox>
#include <QComboBox>
#include <QEvent>

#include "core/map_document.h"
#include "core/range_changes.h"
#include "platform/message_box.h"
#include "texts/texts.h"

FrameChoosers::FrameChoosers(const FrameControls& controls, MapDocument& document,
                             MessageBox& messageBox, const Texts& texts, QObject* parent)
    : QObject(parent),
      controls_(controls),
      document_(document),
      messageBox_(messageBox),
      texts_(texts) {
    for (QComboBox* chooser :
         {controls_.Combo3, controls_.Combo2, controls_.Combo4, controls_.Combo1}) {
        chooser->installEventFilter(this);
        // Nor does the wheel take the focus, which would check a cell being edited.
        chooser->setFocusPolicy(Qt::StrongFocus);
    }
    connect(controls_.Combo3, &QComboBox::activated, this, &FrameChoosers::InputSpanChosen);
    connect(controls_.Combo2, &QComboBox::activated, this, &FrameChoosers::OutputSpanChosen);
    connect(controls_.Combo4, &QComboBox::activated, this, &FrameChoosers::ResolutionChosen);
    connect(controls_.Combo1, &QComboBox::activated, this, &FrameChoosers::PortChosen);
    // Toggled also follows a switch set by the program: the filter then stores the value
    // the switch shows, as the port chooser and the switches always do.
    connect(controls_.Check1, &QCheckBox::toggled, this, &FrameChoosers::InputFilterSwitched);
    connect(controls_.Check2, &QCheckBox::toggled, this, &FrameChoosers::OutputFilterSwitched);
}

bool FrameChoosers::eventFilter(QObject* watched, QEvent* event) {
    // A wheel turned while the pointer merely passes over a closed chooser would rescale
    // the map or switch the port unseen. The open list scrolls in its own widget.
    if (event->type() == QEvent::Wheel) {
        event->ignore();
        return true;
    }
    return QObject::eventFilter(watched, event);
}

void FrameChoosers::InputSpanChosen(int listPosition) {
    BeforeChange();
    document_.ChangeInputSpan(listPosition);
}

void FrameChoosers::OutputSpanChosen(int listPosition) {
    BeforeChange();
    document_.ChangeOutputSpan(listPosition);
}

void FrameChoosers::ResolutionChosen(int listPosition) {
    BeforeChange();
    const VoltageMap& map = document_.Map();
    if (listPosition == map.ResolutionIndex()) {
        return;
    }
    if (!IsResolutionDecrease(map, listPosition) || ConfirmResolutionDecrease()) {
        document_.ChangeResolution(listPosition);
    } else {
        controls_.Combo4->setCurrentIndex(map.ResolutionIndex());
        document_.DeclineResolution();
    }
}

bool FrameChoosers::ConfirmResolutionDecrease() {
    return messageBox_.Show(texts_("MsgResolutionDecrease"), texts_("MsgResolutionDecreaseTitle"),
                            MessageButtons::YesNo, MessageIcon::Question,
                            MessageAnswer::No) == MessageAnswer::Yes;
}

void FrameChoosers::PortChosen(int listPosition) {
    document_.SetPort(listPosition + 1);
}

void FrameChoosers::InputFilterSwitched(bool on) {
    document_.SetInputFilter(on);
}

void FrameChoosers::OutputFilterSwitched(bool on) {
    document_.SetOutputFilter(on);
}
