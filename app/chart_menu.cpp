#include "chart_menu.h"

#include <QFileInfo>

#include "chart_view.h"
#include "compare_file.h"
#include "file_dialog.h"
#include "message_box.h"
#include "popup_menu.h"
#include "system_clipboard.h"
#include "texts.h"

namespace {

const QString kPngFilter = QStringLiteral("PNG Files(*.png)|*.png");

}  // namespace

ChartMenu::ChartMenu(ChartView& chart, MapDocument& document, const Texts& texts, Platform platform)
    : QObject(&chart), chart_(chart), document_(document), texts_(texts), platform_(platform) {
    chart_.setContextMenuPolicy(Qt::CustomContextMenu);
    connect(&chart_, &QWidget::customContextMenuRequested, this, &ChartMenu::Open);
}

void ChartMenu::Open(const QPoint& pos) {
    const int choice = platform_.popupMenu.Choose({{texts_("MsgMenuCompare")},
                                                   {texts_("MsgMenuCopyPicture")},
                                                   {texts_("MsgMenuSavePicture")}},
                                                  chart_.mapToGlobal(pos));
    if (choice == 0) {
        CompareWithFile();
    } else if (choice == 1) {
        CopyPicture();
    } else if (choice == 2) {
        SavePicture();
    }
}

void ChartMenu::CompareWithFile() {
    if (::CompareWithFile(document_, platform_.fileDialog, platform_.messageBox, texts_)) {
        ShowsComparison = true;
    }
}

void ChartMenu::CopyPicture() {
    platform_.clipboard.SetImage(chart_.grab().toImage());
}

void ChartMenu::SavePicture() {
    QString fileName;
    for (;;) {
        fileName =
            platform_.fileDialog.AskSaveName(texts_("MsgSavePictureDialogTitle"), kPngFilter);
        if (fileName.isEmpty()) {
            return;
        }
        if (QFileInfo(fileName).suffix().isEmpty()) {
            fileName += QStringLiteral(".png");
        }
        if (!QFileInfo::exists(fileName) ||
            platform_.messageBox.Show(texts_("MsgOverwriteFile"), texts_("MsgOverwriteFileTitle"),
                                      MessageButtons::YesNo, MessageIcon::Question,
                                      MessageAnswer::No) == MessageAnswer::Yes) {
            break;
        }
    }
    if (!chart_.grab().save(fileName, "PNG")) {
        platform_.messageBox.Show(texts_("MsgPictureSaveFailed") + u'\n' + fileName,
                                  texts_("MsgPictureSaveFailedTitle"));
    }
}
