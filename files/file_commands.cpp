#include "files/file_commands.h"

#include <QDir>
#include <QFileInfo>
#include <utility>

#include "core/compared_curve.h"
#include "core/map_document.h"
#include "files/data_file.h"
#include "files/file_messages.h"
#include "files/inside_folder.h"
#include "platform/file_dialog.h"
#include "platform/message_box.h"

namespace {

/// The name a save writes. "curve 2.5" has no extension of ours: only ".pax" counts, so
/// that the load dialog lists every saved file.
QString WithPaxExtension(const QString& fileName) {
    return fileName.endsWith(QStringLiteral(".pax"), Qt::CaseInsensitive)
               ? fileName
               : fileName + QStringLiteral(".pax");
}

}  // namespace

FileCommands::FileCommands(MapDocument& document, FileCommandHost& host, MessageBox& messageBox,
                           FileDialog& fileDialog, const Texts& texts, QString settingsFileName)
    : document_(document),
      host_(host),
      messageBox_(messageBox),
      fileDialog_(fileDialog),
      texts_(texts),
      settingsFileName_(std::move(settingsFileName)) {}

bool FileCommands::SaveCommand() {
    if (!NoteFitsAFile()) {
        return false;
    }
    QString fileName;
    for (;;) {
        // The current file's folder with its name, or else the folder last used.
        fileName = fileDialog_.AskSaveName(texts_("MsgSaveDialogTitle"), kPaxFilter,
                                           workFileName_.isEmpty() ? lastFolder_ : workFileName_);
        if (fileName.isEmpty()) {
            return false;
        }
        fileName = WithPaxExtension(fileName);
        if (IsInsideFolder(fileName, recordFolder_)) {
            messageBox_.Show(texts_("MsgRecordFolder"), texts_("MsgRecordFolderTitle"));
            continue;
        }
        lastFolder_ = QFileInfo(fileName).absolutePath();
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
    const WriteResult written = WriteDataFile(document_.Content(), fileName);
    if (!written.Ok) {
        const QString reason = written.TooLarge
                                   ? NoteTooLongMessage(texts_, DataFileSize(document_.Content()))
                                   : written.Error;
        messageBox_.Show(SaveFailedMessage(texts_, fileName, reason), texts_("MsgSaveFailedTitle"));
        return false;
    }
    currentFileName_ = fileName;
    workFileName_ = fileName;
    ShowFileTitle();
    document_.TakeSavedCurve();
    document_.MarkSaved();
    return true;
}

bool FileCommands::LoadCommand(const QString& givenName) {
    if (!SaveBeforeLoad()) {
        return false;
    }
    const QString fileName =
        givenName.isEmpty()
            ? fileDialog_.AskOpenName(texts_("MsgLoadDialogTitle"), kPaxFilter, lastFolder_)
            : givenName;
    if (fileName.isEmpty()) {
        // As before a first save: a later exit asks the save question.
        currentFileName_.clear();
        return false;
    }
    if (!IsInsideFolder(fileName, recordFolder_)) {
        lastFolder_ = QFileInfo(fileName).absolutePath();
    }
    return LoadFile(fileName);
}

bool FileCommands::LoadFile(const QString& fileName) {
    const PaxDecodeResult file = ReadDataFile(fileName);
    if (!file.Ok()) {
        messageBox_.Show(LoadFailedMessage(texts_, fileName, file), texts_("MsgLoadFailedTitle"));
        return false;
    }
    // A kept copy is worked on as a map never saved, so that no save goes back over it.
    currentFileName_ = IsInsideFolder(fileName, recordFolder_) ? QString() : fileName;
    workFileName_ = currentFileName_;
    document_.Load(WithNoteAsEdited(file.Data));
    if (currentFileName_.isEmpty()) {
        document_.MarkSaved(StartContent());
    }
    ShowFileTitle();
    // A file written with other line breaks may load and yet be too long to write back.
    NoteFitsAFile();
    return true;
}

bool FileCommands::NoteFitsAFile() {
    const qsizetype bytes = DataFileSize(document_.Content());
    if (bytes <= kMaxPaxFileBytes) {
        return true;
    }
    messageBox_.Show(NoteTooLongMessage(texts_, bytes), texts_("MsgNoteTooLongTitle"));
    return false;
}

void FileCommands::RestoreWork(const MapContent& map, const QString& fileName) {
    document_.Load(map);
    currentFileName_ = fileName;
    workFileName_ = fileName;
    ShowFileTitle();
    if (fileName.isEmpty()) {
        document_.MarkSaved(StartContent());
        return;
    }
    const PaxDecodeResult file = ReadDataFile(fileName);
    if (!file.Ok()) {
        document_.ForgetSaved();
        return;
    }
    document_.MarkSaved(WithNoteAsEdited(file.Data));
    document_.SetReferenceCurve(ComparedDeviceTable(file.Data, document_.Map()));
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
    // Set before the close so that the close handler asks nothing more; a window that stays
    // open (during a send) must ask again at the next close.
    exitConfirmed_ = true;
    exitConfirmed_ = host_.CloseWindow();
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

bool FileCommands::HasUnsavedWork() const {
    return document_.HasUnsavedWork();
}

bool FileCommands::SaveBeforeLoad() {
    if (!HasUnsavedWork()) {
        return true;
    }
    const MessageAnswer answer =
        messageBox_.Show(texts_("MsgSaveBeforeLoad"), texts_("MsgSaveBeforeLoadTitle"),
                         MessageButtons::YesNoCancel, MessageIcon::Question, MessageAnswer::Cancel);
    if (answer == MessageAnswer::Cancel) {
        return false;
    }
    return answer == MessageAnswer::No || SaveCommand();
}

bool FileCommands::MapEqualsItsFile() const {
    return !currentFileName_.isEmpty() && !IsMapChanged(document_.Content(), currentFileName_);
}

void FileCommands::KeepSettings() {
    WriteSettings(document_.Map().PortNumber, settingsFileName_);
}

void FileCommands::ShowFileTitle() {
    host_.SetWindowTitle(currentFileName_.isEmpty()
                             ? QStringLiteral("SOLVA-TX")
                             : QStringLiteral("SOLVA-TX  ") +
                                   QDir::toNativeSeparators(currentFileName_));
}
