#include "compare_file.h"

#include "compared_curve.h"
#include "data_file.h"
#include "file_commands.h"
#include "file_dialog.h"
#include "file_messages.h"
#include "map_document.h"
#include "message_box.h"

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
