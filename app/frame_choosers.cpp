#include "frame_choosers.h"

#include <QCheckBox>
#include <QComboBox>
#include <QEvent>

#include "map_views.h"
#include "message_box.h"
#include "range_changes.h"
#include "texts.h"
#include "voltage_map.h"

FrameChoosers::FrameChoosers(const FrameControls& controls, VoltageMap& map, MapViews& views,
                             MessageBox& messageBox, const Texts& texts, const bool& loadingFile,
                             QObject* parent)
    : QObject(parent),
      controls_(controls),
      map_(map),
      views_(views),
      messageBox_(messageBox),
      texts_(texts),
      loadingFile_(loadingFile) {
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
    if (!ChangeInputSpan(map_, listPosition)) {
        return;
    }
    // Every label is taken from its breakpoint's exact input voltage, never rescaled from
    // its rounded text, so that a span change and its reverse give the same labels.
    views_.ShowInputLabels();
    if (map_.HasSelection()) {
        views_.ShowPointInput(map_.SelectedPoint);
    }
    views_.RedrawChart();
}

void FrameChoosers::OutputSpanChosen(int listPosition) {
    if (!ChangeOutputSpan(map_, listPosition)) {
        return;
    }
    views_.RefreshTable();
    if (map_.HasSelection()) {
        views_.ShowPointValue(map_.SelectedPoint);
    }
    views_.RedrawChart();
}

void FrameChoosers::ResolutionChosen(int listPosition) {
    if (loadingFile_ || listPosition == map_.ResolutionIndex) {
        return;
    }
    if (!IsResolutionDecrease(map_, listPosition) || ConfirmResolutionDecrease()) {
        ApplyResolution(map_, listPosition);
        views_.RefreshTable();
        views_.HideMarker();
        views_.RedrawChart();
    } else {
        controls_.Combo4->setCurrentIndex(map_.ResolutionIndex);
        // The selection goes either way; its marker must not stay behind on the chart.
        views_.HideMarker();
    }
    EndResolutionChoice(map_);
    views_.ClearPointPanel();
}

bool FrameChoosers::ConfirmResolutionDecrease() {
    return messageBox_.Show(texts_("MsgResolutionDecrease"), texts_("MsgResolutionDecreaseTitle"),
                            MessageButtons::YesNo, MessageIcon::Question,
                            MessageAnswer::No) == MessageAnswer::Yes;
}

void FrameChoosers::PortChosen(int listPosition) {
    map_.PortNumber = listPosition + 1;
}

void FrameChoosers::InputFilterSwitched(bool on) {
    map_.InputFilter = on ? 1 : 0;
}

void FrameChoosers::OutputFilterSwitched(bool on) {
    map_.OutputFilter = on ? 1 : 0;
}
