#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QString>
#include <array>

#include "core/map_content.h"

/// What a crash must not take: the map on screen with its note (as the note box holds it, of
/// any length), the file it belongs to, whether it is saved there, and what the user chose
/// in the session that no file keeps.
struct WorkingState {
    MapContent Map;
    QString FileName;  ///< the file last saved or loaded; empty when there is none
    /// Nothing to lose: the map and note equal that file, or with no file the start map.
    bool Saved = false;
    QDateTime Changed;   ///< the last change, in UTC
    int PortNumber = 1;  ///< the com number chosen, which the settings file keeps only on exit
    /// The selected breakpoint and the moving end of its range; Resolution or more: none.
    int SelectedPoint = kMaxResolution;
    int RangeEnd = kMaxResolution;
    /// The texts of the factor, offset and line-end boxes, as they stood.
    std::array<QString, 3> CurveBoxes{QStringLiteral("1"), QStringLiteral("0"),
                                      QStringLiteral("0")};

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
