#include "send_button_menu.h"

#include <QPushButton>

#include "popup_menu.h"
#include "sent_maps.h"
#include "stream_checksum.h"
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
    const QStringList copies = sent_.NewestFirst(kListedCopies);
    std::vector<MenuItem> items;
    if (copies.isEmpty()) {
        items.push_back({texts_("MsgLoadLastSent") + texts_("MsgNothingSent"), false});
    } else {
        items.push_back({texts_("MsgLoadLastSent")});
        items.push_back({});
        // The checksum matches a report of the map and --stream --checksum of its file.
        for (const QString& copy : copies) {
            const QString checksum = PaxFileChecksum(copy);
            items.push_back({SentMaps::SentLabel(copy) + QStringLiteral("  CRC-32 ") +
                             (checksum.isEmpty() ? QStringLiteral("?") : checksum)});
        }
    }
    const int choice = menu_.Choose(items, Command1_->mapToGlobal(pos));
    if (choice == 0 && !copies.isEmpty()) {
        load_(copies.first());
    } else if (choice >= 2) {
        load_(copies.at(choice - 2));
    }
}
