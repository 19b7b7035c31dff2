#include "app/tab_cycle.h"

#include <QWidget>

TabCycle::TabCycle(std::vector<QWidget*> stops, std::function<QWidget*(QWidget* stop)> entryOf)
    : stops_(std::move(stops)), entryOf_(std::move(entryOf)) {}

int TabCycle::StopHolding(const QWidget* focus) const {
    for (int i = 0; i < static_cast<int>(stops_.size()); ++i) {
        if (focus != nullptr && (stops_[i] == focus || stops_[i]->isAncestorOf(focus))) {
            return i;
        }
    }
    return -1;
}

bool TabCycle::Move(const QWidget* focus, bool forward) const {
    const int count = static_cast<int>(stops_.size());
    const int from = StopHolding(focus);
    int i = from < 0 ? (forward ? -1 : count) : from;
    for (int tried = 0; tried < count; ++tried) {
        i = ((forward ? i + 1 : i - 1) + count) % count;
        QWidget* stop = stops_[i];
        if (!stop->isVisible() || !stop->isEnabled()) {
            continue;
        }
        QWidget* target = entryOf_(stop);
        target->setFocus(forward ? Qt::TabFocusReason : Qt::BacktabFocusReason);
        return true;
    }
    return false;
}
