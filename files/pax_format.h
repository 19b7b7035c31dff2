#pragma once

#include <QByteArray>
#include <QString>

#include "core/map_content.h"

/// No data file comes near this: 133 short lines and a note typed by hand. Anything
/// larger is refused before it is decoded: the note editor lays out a long line in
/// quadratic time, and 64 KiB in one line already takes it most of a second. A save
/// writes no more either, so every file saved loads again and every file loaded saves.
inline constexpr qsizetype kMaxPaxFileBytes = 64 * 1024;

/// Why a data file was refused.
enum class PaxFault {
    None,
    CannotRead,      ///< missing, not a plain file, or the system refused to read it
    TooLarge,        ///< more than kMaxPaxFileBytes
    Binary,          ///< a control character other than tab in a header or value line
    Truncated,       ///< the file ends before this line
    BadSpan,         ///< a span line other than 5, 10, 15
    BadFilter,       ///< a filter line other than 0, 1
    BadResolution,   ///< a resolution line other than 128, 64, 32, 16, 8
    NotNumber,       ///< a value line that is not a decimal number
    ValueOutOfRange  ///< a value below 0 or above the output span in millivolts
};

struct PaxDecodeResult {
    MapContent Data;  ///< meaningful only when Fault is None; the note with CR LF
    PaxFault Fault = PaxFault::None;
    int Line = 0;    ///< first bad line, counted from 1; 0 for faults of the whole file
    QString Detail;  ///< the system's reason for CannotRead, when it gave one

    bool Ok() const { return Fault == PaxFault::None; }
};

/// The file's bytes: five header lines, one millivolt line per breakpoint, then the
/// note's lines, each ended by CR LF, in Windows-1250 where it can hold the note and UTF-8
/// otherwise (see EncodeFileText). An empty note is one empty last line.
QByteArray EncodePax(const MapContent& data);

/// Reads a whole file and refuses it at its first bad line, so that nothing of a bad file
/// is ever applied. Every line after the values belongs to the note, empty leading lines
/// included; a note line may hold any character, as a pasted form feed.
PaxDecodeResult DecodePax(const QByteArray& bytes);

/// Millivolt text of a voltage: volts * 1000 as the shortest text of at most 15
/// significant digits, so 1.001 V gives 1001 although the product lies just below it.
QByteArray MillivoltText(double volts);
