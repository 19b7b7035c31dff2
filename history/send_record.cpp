#include "history/send_record.h"

#include <QDateTime>
#include <utility>

#include "core/voltage_map.h"
#include "history/sent_maps.h"

void SentMapsRecord::Begin(const VoltageMap& map) {
    // Without the record the send still goes: the copy at its end tells the truth then.
    WriteResult ignored;
    intent_ = sent_.BeginSend(map.Content(), map.PortNumber, QDateTime::currentDateTime(), ignored);
}

void SentMapsRecord::Withdraw() {
    SentMaps::WithdrawSend(std::exchange(intent_, {}));
}

void SentMapsRecord::Complete(const VoltageMap& map) {
    kept_ = sent_.CompleteSend(std::exchange(intent_, {}), map.Content(), map.PortNumber,
                               QDateTime::currentDateTime(), result_);
}
