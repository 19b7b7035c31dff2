#pragma once

#include <QString>

#include "file_command_host.h"
#include "settings_file.h"
#include "texts.h"
#include "voltage_map.h"

class FileDialog;
class MessageBox;

/// The save, load and exit commands and the close handler of the main window.
/// None of them loses work: a save replaces a file only when it was written whole, a load
/// applies a file only when all of it is valid, and leaving after a Yes to the save
/// question waits until the map is really saved.
class FileCommands {
public:
    /// The file dialogs offer this one filter entry.
    static inline const QString kPaxFilter = QStringLiteral("PAX Files(*.pax)|*.pax");

    FileCommands(VoltageMap& map, FileCommandHost& host, MessageBox& messageBox,
                 FileDialog& fileDialog, const Texts& texts,
                 QString settingsFileName = kSettingsFileName);

    /// Asks for a name and writes the map. True only when the file was written.
    bool SaveCommand();
    /// Asks for a file, unless givenName already names one, and loads it whole, or shows
    /// why not and changes nothing. True when a file was loaded.
    bool LoadCommand(const QString& givenName = QString());
    /// The exit button: asks to save when needed, writes the settings and closes.
    void ExitCommand();
    /// The main window is closing: whether it may close.
    bool CloseHandler();

    /// Full path of the data file last saved or loaded; empty until then.
    const QString& CurrentFileName() const { return currentFileName_; }
    /// Set once the exit command has asked and written the settings.
    bool ExitConfirmed() const { return exitConfirmed_; }

private:
    bool MapEqualsItsFile() const;
    /// Leaving the program: the chosen port is kept whatever the answer was.
    void KeepSettings();
    void ShowFileTitle();

    VoltageMap& map_;
    FileCommandHost& host_;
    MessageBox& messageBox_;
    FileDialog& fileDialog_;
    const Texts& texts_;
    QString settingsFileName_;
    QString currentFileName_;
    bool exitConfirmed_ = false;
};
