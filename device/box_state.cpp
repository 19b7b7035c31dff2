#include "box_state.h"

#include "data_file.h"
#include "sent_maps.h"
#include "voltage_map.h"

void LastSentStream::Refresh(int portNumber) {
    file_ = sent_.NewestFor(portNumber);
    cutOff_ = sent_.CutOffFor(portNumber);
    stream_.reset();
    if (file_.isEmpty()) {
        return;
    }
    if (const PaxDecodeResult copy = ReadPaxFile(file_); copy.Ok()) {
        VoltageMap sentMap;
        ApplyPaxData(sentMap, copy.Data);
        stream_ = BuildSendStream(sentMap);
    }
}

BoxState LastSentStream::StateOf(const VoltageMap& map) const {
    if (!cutOff_.isEmpty()) {
        return BoxState::CutOff;
    }
    if (!stream_) {
        return BoxState::NothingSent;
    }
    return BuildSendStream(map) == *stream_ ? BoxState::Same : BoxState::Different;
}
