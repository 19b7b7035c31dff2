#pragma once

#include <QString>

#include "core/map_content.h"
#include "files/pax_format.h"

/// Outcome of a write.
struct WriteResult {
    bool Ok = true;
    bool TooLarge = false;  ///< the file would be longer than kMaxPaxFileBytes
    QString Error;          ///< the system's reason otherwise
};

/// Writes the map to fileName. The file is replaced only once every byte is written, so a
/// failed save leaves the previous file as it was. A file too long to be loaded again is
/// not written at all.
WriteResult WriteDataFile(const MapContent& map, const QString& fileName);

/// The bytes a save of the map would write: the note counts in the encoding it would be
/// written in, each of its line breaks as CR LF.
qsizetype DataFileSize(const MapContent& map);

/// Reads and checks the whole file: every map read from a file comes through here. The
/// note comes with CR LF line breaks.
PaxDecodeResult ReadDataFile(const QString& fileName);

/// A read map as the note box holds it: each CR LF of the note as LF.
MapContent WithNoteAsEdited(MapContent map);

/// True when the map differs from what the file holds, or when the file is gone, cannot be
/// read or is not a valid data file: then only a save keeps the work.
bool IsMapChanged(const MapContent& map, const QString& fileName);
