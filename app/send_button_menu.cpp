#include "send_button_menu.h"

#include <QPushButton>

#include "popup_menu.h"
#include "sent_maps.h"
#include "texts.h"

SendButtonMenu::SendButtonMenu(QPushButton* Command1, PopupMenu& menu, const SentMaps& sent,
                               const Texts& texts, LoadCommand load, QObject* parent)
    : QObject(parent),
      Command1_(Command1),
      menu_(menu),
      sent_(sent),
      texts_(texts),
      load_(std::move(load)) {
    Command1_->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(Command1_, &QWidget::customContextMenuRequested, this, &SendButtonMenu::Open);
}

void SendButtonMenu::Open(const QPoint& pos) {
    const QString newest = sent_.Newest();
    const MenuItem item =
        newest.isEmpty() ? MenuItem{texts_("MsgLoadLastSent") + texts_("MsgNothingSent"), false}
                         : MenuItem{texts_("MsgLoadLastSent")};
    if (menu_.Choose({item}, Command1_->mapToGlobal(pos)) == 0 && !newest.isEmpty()) {
        load_(newest);
    }
}
