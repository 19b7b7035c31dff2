#include "app/port_chooser_menu.h"

#include <QComboBox>

#include "device/port_names.h"
#include "platform/popup_menu.h"
#include "texts/texts.h"

PortChooserMenu::PortChooserMenu(QComboBox* Combo1, PopupMenu& menu, PortAssignments& assignments,
                                 const Texts& texts, DeviceFinder findDevices, QObject* parent)
    : QObject(parent),
      Combo1_(Combo1),
      menu_(menu),
      assignments_(assignments),
      texts_(texts),
      findDevices_(std::move(findDevices)) {
    Combo1_->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(Combo1_, &QWidget::customContextMenuRequested, this, &PortChooserMenu::Open);
}

void PortChooserMenu::Open(const QPoint& pos) {
    const int portNumber = Combo1_->currentIndex() + 1;
    const PortDevice current = ResolvePort(portNumber, assignments_);
    // The environment variable wins: an assignment made now would change nothing.
    const bool free = current.source != PortSource::Environment;
    QString source = texts_("MsgPortMenuDefault");
    if (current.source == PortSource::Assigned) {
        source = texts_("MsgPortMenuAssigned");
    } else if (!free) {
        source = texts_("MsgPortMenuEnvironment") + PortVariableName(portNumber) + ')';
    }

    std::vector<MenuItem> items{{Combo1_->currentText() + ": " + current.name + source, false}, {}};
    const int firstDevice = int(items.size());
    const QList<SerialDevice> devices = findDevices_();
    for (const SerialDevice& device : devices) {
        QString text = device.path;
        if (!device.description.isEmpty()) {
            text += " - " + device.description;
        }
        if (!device.manufacturer.isEmpty()) {
            text += " (" + device.manufacturer + ')';
        }
        const bool chosen = current.source == PortSource::Assigned &&
                            (current.name == device.stablePath || current.name == device.path);
        items.push_back({text, free, chosen});
    }
    if (devices.isEmpty()) {
        items.push_back({texts_("MsgPortMenuNone"), false});
    }
    items.push_back({});
    items.push_back({texts_("MsgPortMenuStandard") + StandardPortDevice(portNumber), free,
                     current.source == PortSource::Standard});

    const int chosen = menu_.Choose(items, Combo1_->mapToGlobal(pos));
    if (chosen >= firstDevice && chosen < firstDevice + devices.size()) {
        // The stable name keeps the assignment when the adapter is plugged in again.
        assignments_.Assign(portNumber, devices[chosen - firstDevice].stablePath);
    } else if (chosen == int(items.size()) - 1) {
        assignments_.Assign(portNumber, QString());
    }
}
