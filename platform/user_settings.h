#pragma once

#include <QString>

// Where the user's own settings live, named here rather than through the application's
// names, so that every way of starting the program (window or command line) finds them.
inline constexpr char kSettingsOrganization[] = "SOLVA-TX";
inline constexpr char kSettingsApplication[] = "solva-tx";

/// The user's own settings, kept by the system between runs (not the settings file beside
/// the program, which holds the port alone).
class UserSettings {
public:
    virtual ~UserSettings() = default;
    /// The stored text, or the empty text when nothing is stored under the key.
    virtual QString Value(const QString& key) = 0;
    virtual void SetValue(const QString& key, const QString& value) = 0;
};
