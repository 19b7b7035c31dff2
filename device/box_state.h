#pragma once

#include <QString>
#include <optional>

#include "send_stream.h"

class SentMaps;
struct MapContent;

/// Whether the map on screen is what the box on a com number holds, as far as this
/// computer knows: the box cannot be read back, so the newest copy kept of a send to that
/// number stands for it.
enum class BoxState {
    NothingSent,  ///< no copy of a send to that number, or none that can be read
    Same,         ///< sending the map would put the same 768 bytes on the line
    Different
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

private:
    const SentMaps& sent_;
    QString file_;
    std::optional<SendStream> stream_;
};
