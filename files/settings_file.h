#pragma once

#include <QString>
#include <optional>

/// Opened by its bare name, so it lives in the working directory of the process.
inline const QString kSettingsFileName = QStringLiteral("SOLVA-TX.ini");

inline constexpr int kFirstPort = 1;
inline constexpr int kLastPort = 16;

/// The port number stored in the settings file; nothing when the file is missing,
/// unreadable, empty, or its first line is not a port number 1..16. The line is read as a
/// number with the locale's decimal separator and rounded, halves to even ("6.5" gives 6).
std::optional<int> ReadSettings(const QString& fileName = kSettingsFileName,
                                char decimalSeparator = '.');

/// Replaces the settings file with one line, the port number ended by CR LF. Returns
/// whether it was written; a failure leaves the old file whole.
bool WriteSettings(int portNumber, const QString& fileName = kSettingsFileName);
