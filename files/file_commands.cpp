#include "file_commands.h"

#include <QFileInfo>
#include <utility>

#include "data_file.h"
#include "device_table.h"
#include "file_dialog.h"
#include "file_messages.h"
#include "message_box.h"

FileCommands::FileCommands(VoltageMap& map, FileCommandHost& host, MessageBox& messageBox,
                           FileDialog& fileDialog, const Texts& texts, QString settingsFileName)
    : map_(map),
      host_(host),
      messageBox_(messageBox),
      fileDialog_(fileDialog),
      texts_(texts),
      settingsFileName_(std::move(settingsFileName)) {}

bool FileCommands::SaveCommand() {
    QString fileName;
    for (;;) {
        fileName = fileDialog_.AskSaveName(texts_("MsgSaveDialogTitle"), kPaxFilter);
        if (fileName.isEmpty()) {
            return false;
        }
        if (!QFileInfo::exists(fileName)) {
            break;
        }
        const MessageAnswer answer =
            messageBox_.Show(texts_("MsgOverwriteFile"), texts_("MsgOverwriteFileTitle"),
                             MessageButtons::YesNo, MessageIcon::Question, MessageAnswer::No);
        if (answer == MessageAnswer::Yes) {
            break;
        }
    }
    const WriteResult written = WriteDataFile(map_, host_.NoteText(), fileName);
    if (!written.Ok) {
        const QString reason = written.TooLarge ? texts_("MsgPaxTooLarge") : written.Error;
        messageBox_.Show(SaveFailedMessage(texts_, fileName, reason), texts_("MsgSaveFailedTitle"));
        return false;
    }
    currentFileName_ = fileName;
    ShowFileTitle();
    TakeSavedCurve(map_);
    map_.SavedCurveValid = true;
    return true;
}

bool FileCommands::LoadCommand(const QString& givenName) {
    const QString fileName = givenName.isEmpty()
                                 ? fileDialog_.AskOpenName(texts_("MsgLoadDialogTitle"), kPaxFilter)
                                 : givenName;
    if (fileName.isEmpty()) {
        // As before a first save: a later exit asks the save question.
        currentFileName_.clear();
        return false;
    }
    const PaxDecodeResult file = ReadPaxFile(fileName);
    if (!file.Ok()) {
        messageBox_.Show(LoadFailedMessage(texts_, fileName, file), texts_("MsgLoadFailedTitle"));
        return false;
    }
    currentFileName_ = fileName;
    host_.SetLoadingFile(true);
    ApplyPaxData(map_, file.Data);
    host_.ShowMapFrame();
    host_.SetNoteText(
        QString(file.Data.Note).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
    ShowFileTitle();
    BuildDeviceTable(map_);
    SaveUndoSnapshot(map_);
    host_.ShowMapInTable();
    TakeSavedCurve(map_);
    map_.SavedCurveValid = true;
    host_.RedrawChart();
    host_.SetLoadingFile(false);
    map_.SelectedPoint = map_.Resolution;
    host_.ClearPointPanel();
    host_.HideMarker();
    return true;
}

void FileCommands::ExitCommand() {
    if (!MapEqualsItsFile()) {
        const MessageAnswer answer = messageBox_.Show(
            texts_("MsgSaveBeforeExit"), texts_("MsgSaveBeforeExitTitle"),
            MessageButtons::YesNoCancel, MessageIcon::Question, MessageAnswer::Cancel);
        if (answer == MessageAnswer::Cancel) {
            return;
        }
        if (answer == MessageAnswer::Yes && !SaveCommand()) {
            return;
        }
    }
    KeepSettings();
    exitConfirmed_ = true;
    host_.CloseWindow();
}

bool FileCommands::CloseHandler() {
    if (exitConfirmed_) {
        return true;
    }
    if (!MapEqualsItsFile()) {
        const MessageAnswer answer =
            messageBox_.Show(texts_("MsgSaveOnClose"), texts_("MsgSaveOnCloseTitle"),
                             MessageButtons::YesNo, MessageIcon::Question, MessageAnswer::Yes);
        if (answer == MessageAnswer::Yes && !SaveCommand()) {
            return false;
        }
    }
    KeepSettings();
    return true;
}

bool FileCommands::MapEqualsItsFile() const {
    return !currentFileName_.isEmpty() && !IsMapChanged(map_, host_.NoteText(), currentFileName_);
}

void FileCommands::KeepSettings() {
    WriteSettings(map_.PortNumber, settingsFileName_);
}

void FileCommands::ShowFileTitle() {
    host_.SetWindowTitle(QStringLiteral("SOLVA-TX  ") + currentFileName_);
}
