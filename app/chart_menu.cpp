#include "chart_menu.h"

#include <QFileInfo>
#include <QMenu>

#include "chart_view.h"
#include "compare_file.h"
#include "file_dialog.h"
#include "message_box.h"
#include "system_clipboard.h"
#include "texts.h"
#include "voltage_map.h"

namespace {

const QString kPngFilter = QStringLiteral("PNG Files(*.png)|*.png");

}  // namespace

ChartMenu::ChartMenu(ChartView& chart, VoltageMap& map, const Texts& texts, Platform platform)
    : QObject(&chart), chart_(chart), map_(map), texts_(texts), platform_(platform) {
    chart_.setContextMenuPolicy(Qt::CustomContextMenu);
    connect(&chart_, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& pos) { Build()->exec(chart_.mapToGlobal(pos)); });
}

std::unique_ptr<QMenu> ChartMenu::Build() {
    auto menu = std::make_unique<QMenu>(&chart_);
    connect(menu->addAction(texts_("MsgMenuCompare")), &QAction::triggered, this,
            &ChartMenu::CompareWithFile);
    connect(menu->addAction(texts_("MsgMenuCopyPicture")), &QAction::triggered, this,
            &ChartMenu::CopyPicture);
    connect(menu->addAction(texts_("MsgMenuSavePicture")), &QAction::triggered, this,
            &ChartMenu::SavePicture);
    return menu;
}

void ChartMenu::CompareWithFile() {
    if (::CompareWithFile(map_, platform_.fileDialog, platform_.messageBox, texts_)) {
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
