#include "app/box_state_view.h"

#include <QLabel>
#include <algorithm>

#include "core/voltage_map.h"
#include "history/sent_maps.h"
#include "platform/twips.h"
#include "texts/texts.h"

namespace {

struct StateLook {
    const char* caption;
    const char* tipBefore;
    const char* tipAfter;
    const char* color;
};

StateLook LookOf(BoxState state) {
    switch (state) {
        case BoxState::Same:
            return {"MsgBoxSame", "MsgBoxSameBefore", "MsgBoxSameAfter", "#1b7d2c"};
        case BoxState::Different:
            return {"MsgBoxDifferent", "MsgBoxDifferentBefore", "MsgBoxDifferentAfter", "#b34700"};
        case BoxState::CutOff:
            return {"MsgBoxCutOff", "MsgBoxCutOffBefore", "MsgBoxCutOffAfter", "#c00000"};
        case BoxState::NothingSent:
            break;
    }
    return {"MsgBoxNothingSent", "MsgBoxNothingSentBefore", "MsgBoxNothingSentAfter", "#6b6b6b"};
}

}  // namespace

BoxStateView::BoxStateView(QWidget* Frame3, const SentMaps& sent, const Texts& texts)
    : label_(new QLabel(Frame3)), last_(sent), texts_(texts) {
    label_->setObjectName("BoxState");
    // Over the panel's top edge, as a caption: the edge stops on either side of it.
    label_->setAutoFillBackground(true);
    label_->setAlignment(Qt::AlignCenter);
    QFont font = label_->font();
    font.setPointSizeF(7);
    label_->setFont(font);
}

void BoxStateView::Refresh(int portNumber) {
    portNumber_ = portNumber;
    last_.Refresh(portNumber);
}

void BoxStateView::Show(const VoltageMap& map) {
    const BoxState state = last_.StateOf(map);
    const StateLook look = LookOf(state);
    label_->setText(texts_(look.caption));
    const QRect room = TwipsRect(15, 15, 1185, 225);
    const int width = std::min(room.width(), label_->sizeHint().width() + 4);
    label_->setGeometry(room.center().x() - width / 2 + 1, room.y(), width, room.height());
    label_->setStyleSheet(QStringLiteral("color: %1").arg(QLatin1String(look.color)));
    // A send cut off is named by when and where it began.
    const QString what = state == BoxState::CutOff ? SentMaps::SentLabel(last_.CutOffFile())
                                                   : QString::number(portNumber_);
    label_->setToolTip(texts_(look.tipBefore) + what + texts_(look.tipAfter));
}
