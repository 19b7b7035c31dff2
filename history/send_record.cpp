#include "send_record.h"

#include <QDateTime>
#include <utility>

#include "sent_maps.h"
#include "voltage_map.h"

void SentMapsRecord::Begin(const VoltageMap& map) {
    // Without the record the send still goes: the copy at its end tells the truth then.
    WriteResult ignored;
    intent_ = sent_.BeginSend(map.Content(), map.PortNumber, QDateTime::currentDateTime(),
                              ignored);
}

void SentMapsRecord::Withdraw() {
    SentMaps::WithdrawSend(std::exchange(intent_, {}));
}

void SentMapsRecord::Complete(const VoltageMap& map) {
    kept_ = sent_.CompleteSend(std::exchange(intent_, {}), map.Content(), map.PortNumber,
                               QDateTime::currentDateTime(), result_);
}
