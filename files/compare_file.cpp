#include "files/compare_file.h"

#include "core/compared_curve.h"
#include "core/map_document.h"
#include "files/data_file.h"
#include "files/file_commands.h"
#include "files/file_messages.h"
#include "platform/file_dialog.h"
#include "platform/message_box.h"

bool CompareWithFile(MapDocument& document, FileDialog& fileDialog, MessageBox& messageBox,
                     const Texts& texts) {
    const QString fileName =
        fileDialog.AskOpenName(texts("MsgCompareDialogTitle"), FileCommands::kPaxFilter);
    return !fileName.isEmpty() && CompareWithDataFile(document, fileName, messageBox, texts);
}

bool CompareWithDataFile(MapDocument& document, const QString& fileName, MessageBox& messageBox,
                         const Texts& texts) {
    const PaxDecodeResult file = ReadDataFile(fileName);
    if (!file.Ok()) {
        messageBox.Show(LoadFailedMessage(texts, fileName, file), texts("MsgLoadFailedTitle"));
        return false;
    }
    document.SetReferenceCurve(ComparedDeviceTable(file.Data, document.Map()));
    return true;
}
