#include "chart_menu.h"

#include <QFileInfo>
#include <utility>

#include "chart_view.h"
#include "compare_file.h"
#include "file_dialog.h"
#include "message_box.h"
#include "popup_menu.h"
#include "system_clipboard.h"
#include "texts.h"
#include "voltage_map.h"

namespace {

const QString kPngFilter = QStringLiteral("PNG Files(*.png)|*.png");

}  // namespace

ChartMenu::ChartMenu(ChartView& chart, VoltageMap& map, const Texts& texts, Platform platform,
                     LastSentFile lastSent)
    : QObject(&chart),
      chart_(chart),
      map_(map),
      texts_(texts),
      platform_(platform),
      lastSent_(std::move(lastSent)) {
    chart_.setContextMenuPolicy(Qt::CustomContextMenu);
    connect(&chart_, &QWidget::customContextMenuRequested, this, &ChartMenu::Open);
}

void ChartMenu::Open(const QPoint& pos) {
    const bool sent = !lastSent_().isEmpty();
    const MenuItem lastSent =
        sent ? MenuItem{texts_("MsgMenuCompareLastSent")}
             : MenuItem{texts_("MsgMenuCompareLastSent") + texts_("MsgNothingSent"), false};
    const int choice = platform_.popupMenu.Choose({{texts_("MsgMenuCompare")},
                                                   lastSent,
                                                   {texts_("MsgMenuCopyPicture")},
                                                   {texts_("MsgMenuSavePicture")}},
                                                  chart_.mapToGlobal(pos));
    if (choice == 0) {
        CompareWithFile();
    } else if (choice == 1 && sent) {
        CompareWithLastSent();
    } else if (choice == 2) {
        CopyPicture();
    } else if (choice == 3) {
        SavePicture();
    }
}

void ChartMenu::CompareWithFile() {
    if (::CompareWithFile(map_, platform_.fileDialog, platform_.messageBox, texts_)) {
        ShowsComparison = true;
        chart_.Chart().RedrawChart();
    }
}

void ChartMenu::CompareWithLastSent() {
    if (CompareWithDataFile(map_, lastSent_(), platform_.messageBox, texts_)) {
        ShowsComparison = true;
        chart_.Chart().RedrawChart();
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
