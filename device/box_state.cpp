#include "box_state.h"

#include "data_file.h"
#include "sent_maps.h"

void LastSentStream::Refresh(int portNumber) {
    file_ = sent_.NewestFor(portNumber);
    stream_.reset();
    if (file_.isEmpty()) {
        return;
    }
    if (const PaxDecodeResult copy = ReadDataFile(file_); copy.Ok()) {
        stream_ = BuildSendStream(copy.Data);
    }
}

BoxState LastSentStream::StateOf(const MapContent& map) const {
    if (!stream_) {
        return BoxState::NothingSent;
    }
    return BuildSendStream(map) == *stream_ ? BoxState::Same : BoxState::Different;
}
