#pragma once

#include <QString>

#include "files/file_command_host.h"
#include "files/settings_file.h"
#include "texts/texts.h"

class FileDialog;
struct MapContent;
class MapDocument;
class MessageBox;

/// The save, load and exit commands and the close handler of the main window.
/// None of them loses work: a save replaces a file only when it was written whole, a load
/// applies a file only when all of it is valid, and leaving after a Yes to the save
/// question waits until the map is really saved.
class FileCommands {
public:
    /// The file dialogs offer this one filter entry.
    static inline const QString kPaxFilter = QStringLiteral("PAX Files(*.pax)|*.pax");

    FileCommands(MapDocument& document, FileCommandHost& host, MessageBox& messageBox,
                 FileDialog& fileDialog, const Texts& texts,
                 QString settingsFileName = kSettingsFileName);

    /// Asks for a name and writes the map. True only when the file was written.
    /// A name without ".pax" gets it, before the overwrite question.
    bool SaveCommand();
    /// Asks whether to save unsaved work first, then for a file unless givenName already
    /// names one, and loads it whole, or shows why not and changes nothing. True when a file
    /// was loaded.
    bool LoadCommand(const QString& givenName = QString());
    /// Loads the named file as the load command does after its dialog.
    bool LoadFile(const QString& fileName);
    /// The exit button: asks to save when needed, writes the settings and closes.
    void ExitCommand();
    /// The main window is closing: whether it may close.
    bool CloseHandler();

    /// The copies of the maps sent are a record: one opens as an unsaved copy, and nothing
    /// is saved among them.
    void KeepOutOf(const QString& recordFolder) { recordFolder_ = recordFolder; }

    /// Work left by a run that ended without a clean exit comes back as unsaved work on
    /// fileName (empty for a map never saved); that file's curve is the reference.
    void RestoreWork(const MapContent& map, const QString& fileName);

    /// Full path of the data file last saved or loaded; empty until then.
    const QString& CurrentFileName() const { return currentFileName_; }
    /// The file the map comes from, as the title shows it.
    const QString& WorkFileName() const { return workFileName_; }
    /// Whether the map or note differ from the file they come from, or, never saved, from
    /// the start map: what a load asks to save first, and what a crash would lose. Answered
    /// from the map last saved or loaded, without reading the file again.
    bool HasUnsavedWork() const;
    /// Set once the exit command has asked, written the settings and closed the window.
    bool ExitConfirmed() const { return exitConfirmed_; }

private:
    /// Whether a load may go on: Yes saves first, and only a saved map goes on.
    bool SaveBeforeLoad();
    /// Whether a save can write the map and note; says why not otherwise.
    bool NoteFitsAFile();
    bool MapEqualsItsFile() const;
    /// Leaving the program: the chosen port is kept whatever the answer was.
    void KeepSettings();
    void ShowFileTitle();

    MapDocument& document_;
    FileCommandHost& host_;
    MessageBox& messageBox_;
    FileDialog& fileDialog_;
    const Texts& texts_;
    QString settingsFileName_;
    QString currentFileName_;
    /// The file the map was last saved to or loaded from, which the title shows; unlike
    /// CurrentFileName a cancelled load keeps it, as the map still comes from there.
    QString workFileName_;
    /// Folder of the last name a file dialog gave; dialogs open there.
    QString lastFolder_;
    QString recordFolder_;
    bool exitConfirmed_ = false;
};
