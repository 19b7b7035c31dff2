#include "app/recovery_sign.h"

#include <QLabel>

#include "platform/twips.h"
#include "texts/texts.h"

RecoverySign::RecoverySign(QWidget* Frame5, const Texts& texts)
    : label_(new QLabel(Frame5)), texts_(texts) {
    label_->setObjectName("RecoverySign");
    label_->setAutoFillBackground(true);
    label_->setAlignment(Qt::AlignCenter);
    label_->setStyleSheet(QStringLiteral("color: #c00000"));
    QFont font = label_->font();
    font.setPointSizeF(7);
    font.setBold(true);
    label_->setFont(font);
    label_->hide();
}

void RecoverySign::SetFailure(const QString& reason) {
    reason_ = reason;
    Show();
}

void RecoverySign::Show() {
    label_->setVisible(!reason_.isEmpty());
    if (reason_.isEmpty()) {
        return;
    }
    label_->setText(texts_("MsgRecoverySign"));
    label_->setToolTip(texts_("MsgRecoverySignTip") + u'\n' + reason_);
    label_->setAccessibleName(texts_("MsgRecoverySignName"));
    label_->setAccessibleDescription(label_->toolTip());
    // Over the top edge at the right, as the BOX caption sits over the command panel's.
    const int width = label_->sizeHint().width() + 6;
    label_->setGeometry(label_->parentWidget()->width() - width - 8, 0, width,
                        TwipsRect(0, 0, 0, 225).height());
}
