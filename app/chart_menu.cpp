#include "app/chart_menu.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <utility>

#include "app/range_commands.h"
#include "chart/chart_view.h"
#include "files/compare_file.h"
#include "files/inside_folder.h"
#include "platform/file_dialog.h"
#include "platform/message_box.h"
#include "platform/popup_menu.h"
#include "platform/system_clipboard.h"
#include "platform/user_folders.h"
#include "report/map_report.h"
#include "texts/texts.h"

namespace {

const QString kPngFilter = QStringLiteral("PNG Files(*.png)|*.png");
const QString kPdfFilter = QStringLiteral("PDF Files(*.pdf)|*.pdf");

}  // namespace

ChartMenu::ChartMenu(ChartView& chart, MapDocument& document, const Texts& texts, Platform platform,
                     LastSentFile lastSent)
    : QObject(&chart),
      chart_(chart),
      document_(document),
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
    std::vector<MenuItem> items = {{texts_("MsgMenuCompare")},
                                   lastSent,
                                   {texts_("MsgMenuCopyPicture")},
                                   {texts_("MsgMenuSavePicture")},
                                   {texts_("MsgMenuSaveReport")}};
    constexpr int kOwnItems = 6;  // the five and a separator
    if (Range != nullptr) {
        items.push_back({});
        const std::vector<MenuItem> rangeItems = Range->MenuItems();
        items.insert(items.end(), rangeItems.begin(), rangeItems.end());
    }
    const int choice = platform_.popupMenu.Choose(items, chart_.mapToGlobal(pos));
    if (choice >= 0) {
        BeforeAction();
    }
    if (Range != nullptr && choice >= kOwnItems) {
        Range->RunMenuItem(choice - kOwnItems);
    }
    if (choice == 0) {
        CompareWithFile();
    } else if (choice == 1 && sent) {
        CompareWithLastSent();
    } else if (choice == 2) {
        CopyPicture();
    } else if (choice == 3) {
        SavePicture();
    } else if (choice == 4) {
        SaveReport();
    }
}

void ChartMenu::CompareWithFile() {
    if (::CompareWithFile(document_, platform_.fileDialog, platform_.messageBox, texts_)) {
        ShowsComparison = true;
    }
}

void ChartMenu::CompareWithLastSent() {
    if (CompareWithDataFile(document_, lastSent_(), platform_.messageBox, texts_)) {
        ShowsComparison = true;
    }
}

void ChartMenu::CopyPicture() {
    platform_.clipboard.SetImage(chart_.grab().toImage());
}

QString ChartMenu::AskSaveName(const char* titleKey, const QString& filter, const QString& suffix) {
    for (;;) {
        QString fileName = platform_.fileDialog.AskSaveName(texts_(titleKey), filter);
        if (fileName.isEmpty()) {
            return {};
        }
        if (QFileInfo(fileName).suffix().isEmpty()) {
            fileName += QLatin1Char('.') + suffix;
        }
        if (IsInsideFolder(fileName, platform_.folders.SentMaps())) {
            platform_.messageBox.Show(texts_("MsgRecordFolder"), texts_("MsgRecordFolderTitle"));
            continue;
        }
        if (!QFileInfo::exists(fileName) ||
            platform_.messageBox.Show(texts_("MsgOverwriteFile"), texts_("MsgOverwriteFileTitle"),
                                      MessageButtons::YesNo, MessageIcon::Question,
                                      MessageAnswer::No) == MessageAnswer::Yes) {
            return fileName;
        }
    }
}

void ChartMenu::SavePicture() {
    const QString fileName = AskSaveName("MsgSavePictureDialogTitle", kPngFilter, "png");
    if (!fileName.isEmpty() && !chart_.grab().save(fileName, "PNG")) {
        platform_.messageBox.Show(
            texts_("MsgPictureSaveFailed") + u'\n' + QDir::toNativeSeparators(fileName),
            texts_("MsgPictureSaveFailedTitle"));
    }
}

void ChartMenu::SaveReport() {
    const QString fileName = AskSaveName("MsgSaveReportDialogTitle", kPdfFilter, "pdf");
    QString error;
    if (!fileName.isEmpty() &&
        !WriteMapReport(document_.Map(), ReportSourceOf ? ReportSourceOf() : ReportSource{},
                        texts_.Language(), chart_.Chart().DecimalSeparator,
                        QDateTime::currentDateTime(), fileName, error)) {
        platform_.messageBox.Show(texts_("MsgReportSaveFailed") + u'\n' +
                                      QDir::toNativeSeparators(fileName) + u'\n' + error,
                                  texts_("MsgReportSaveFailedTitle"));
    }
}
