#include "app/send_button_menu.h"

#include <QPushButton>
#include <algorithm>

#include "device/stream_checksum.h"
#include "history/sent_maps.h"
#include "platform/popup_menu.h"
#include "texts/texts.h"

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
    QStringList cutOff = sent_.CutOffSends();
    std::reverse(cutOff.begin(), cutOff.end());
    std::vector<MenuItem> items;
    QStringList paths;  // of items[2...]
    if (copies.isEmpty() && cutOff.isEmpty()) {
        items.push_back({texts_("MsgLoadLastSent") + texts_("MsgNothingSent"), false});
    } else {
        items.push_back({texts_("MsgLoadLastSent"), !copies.isEmpty()});
        items.push_back({});
        // A send cut off comes first: until a complete send, it is what the box may hold.
        for (const QString& record : cutOff) {
            items.push_back({ListedLabel(record) + texts_("MsgSendCutOffMark")});
            paths.append(record);
        }
        for (const QString& copy : copies) {
            items.push_back({ListedLabel(copy)});
            paths.append(copy);
        }
    }
    const int choice = menu_.Choose(items, Command1_->mapToGlobal(pos));
    if (choice == 0 && !copies.isEmpty()) {
        load_(copies.first());
    } else if (choice >= 2) {
        load_(paths.at(choice - 2));
    }
}

QString SendButtonMenu::ListedLabel(const QString& path) {
    // The checksum matches a report of the map and --stream --checksum of its file.
    const QString checksum = PaxFileChecksum(path);
    return SentMaps::SentLabel(path) + QStringLiteral("  CRC-32 ") +
           (checksum.isEmpty() ? QStringLiteral("?") : checksum);
}
