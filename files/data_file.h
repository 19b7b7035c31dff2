#pragma once

#include <QString>

#include "pax_format.h"
#include "voltage_map.h"

/// Outcome of a write.
struct WriteResult {
    bool Ok = true;
    bool TooLarge = false;  ///< the file would be longer than kMaxPaxFileBytes
    QString Error;          ///< the system's reason otherwise
};

/// Writes the map and note to fileName. The file is replaced only once every byte is
/// written, so a failed save leaves the previous file as it was. A file too long to be
/// loaded again is not written at all.
WriteResult WriteDataFile(const VoltageMap& map, const QString& note, const QString& fileName);

/// The bytes a save of the map and note would write: the note counts in the encoding it
/// would be written in, each of its line breaks as CR LF.
qsizetype DataFileSize(const VoltageMap& map, const QString& note);

/// Reads and checks the whole file; only a file without a fault goes into map and note
/// (the note with CR LF line breaks). A refused file leaves both untouched.
PaxDecodeResult ReadDataFile(VoltageMap& map, QString& note, const QString& fileName);

/// The decoded file without applying it.
PaxDecodeResult ReadPaxFile(const QString& fileName);

/// True when map and note differ from what the file holds, or when the file is gone,
/// cannot be read or is not a valid data file: then only a save keeps the work.
bool IsMapChanged(const VoltageMap& map, const QString& note, const QString& fileName);
