#include "device/box_state.h"

#include "files/data_file.h"
#include "history/sent_maps.h"

void LastSentStream::Refresh(int portNumber) {
    file_ = sent_.NewestFor(portNumber);
    cutOff_ = sent_.CutOffFor(portNumber);
    stream_.reset();
    if (file_.isEmpty()) {
        return;
    }
    if (const PaxDecodeResult copy = ReadDataFile(file_); copy.Ok()) {
        stream_ = BuildSendStream(copy.Data);
    }
}

BoxState LastSentStream::StateOf(const MapContent& map) const {
    if (!cutOff_.isEmpty()) {
        return BoxState::CutOff;
    }
    if (!stream_) {
        return BoxState::NothingSent;
    }
    return BuildSendStream(map) == *stream_ ? BoxState::Same : BoxState::Different;
}
