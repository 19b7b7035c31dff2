#pragma once

#include <QString>
#include <optional>

#include "core/send_stream.h"

class SentMaps;
struct MapContent;

/// Whether the map on screen is what the box on a com number holds, as far as this
/// computer knows: the box cannot be read back, so the newest copy kept of a send to that
/// number stands for it.
enum class BoxState {
    NothingSent,  ///< no copy of a send to that number, or none that can be read
    Same,         ///< sending the map would put the same 768 bytes on the line
    Different,
    CutOff  ///< the last send to that number broke off: the box holds a mixture or its old map
};

/// The bytes of the last send to one com number. They are read from the copy once per port
/// change or send, not at every change of the map.
class LastSentStream {
public:
    explicit LastSentStream(const SentMaps& sent) : sent_(sent) {}

    /// Reads the newest copy of a send to com portNumber.
    void Refresh(int portNumber);
    BoxState StateOf(const MapContent& map) const;
    /// The copy read by the last refresh; empty when there was none.
    const QString& File() const { return file_; }
    /// The record of the send cut off found by the last refresh; empty when there was none.
    const QString& CutOffFile() const { return cutOff_; }

private:
    const SentMaps& sent_;
    QString file_;
    QString cutOff_;
    std::optional<SendStream> stream_;
};
