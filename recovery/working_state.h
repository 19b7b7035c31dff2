#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QString>

#include "pax_data.h"

/// What a crash must not take: the map on screen, its note, the file it belongs to and
/// whether it is saved there.
struct WorkingState {
    PaxData Map;       ///< frame and values; the note is kept apart, of any length
    QString Note;      ///< as the note box holds it
    QString FileName;  ///< the file last saved or loaded; empty when there is none
    /// Nothing to lose: the map and note equal that file, or with no file the start map.
    bool Saved = false;
    QDateTime Changed;  ///< the last change, in UTC

    bool operator==(const WorkingState&) const = default;
};

/// Why a recovery file was refused.
enum class RecoveryFault {
    None,
    Damaged,      ///< cut, changed or not a recovery file at all
    OtherVersion  ///< written by another version of the program
};

struct RecoveryDecodeResult {
    WorkingState State;  ///< meaningful only when Fault is None
    RecoveryFault Fault = RecoveryFault::None;
    QString Version;  ///< the version that wrote it, for OtherVersion
};

/// The version of the program that writes recovery files; only the same version reads
/// them back.
QString RecoveryProgramVersion();

/// The bytes of a recovery file: a few header lines, the map as a data file holds it, the
/// note in UTF-8, and a checksum over everything before it, so that a cut or damaged file
/// is never taken for work.
QByteArray EncodeRecovery(const WorkingState& state);

/// Reads all of a recovery file or refuses it whole.
RecoveryDecodeResult DecodeRecovery(const QByteArray& bytes);
