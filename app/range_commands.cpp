#include "app/range_commands.h"

#include "chart/chart_view.h"
#include "core/entry_rules.h"
#include "core/map_document.h"
#include "files/points_file.h"
#include "platform/file_dialog.h"
#include "platform/input_box.h"
#include "platform/message_box.h"
#include "platform/system_clipboard.h"
#include "texts/entry_prompts.h"
#include "texts/texts.h"

namespace {

using enum RangeOperation;

struct OperationText {
    RangeOperation operation;
    const char* menuKey;
    const char* keyName;
    const char* promptKey;  ///< nullptr: the operation takes no number
    const char* titleKey;
    EntryKind kind;
};

// A typed value follows the rules of the box that does the same to the whole curve; a value
// to set has the limits of a cell.
constexpr OperationText kOperations[] = {
    {SetValue, "MsgMenuRangeSet", "=", "MsgRangeSetPrompt", "MsgRangeSetTitle", EntryKind::Cell},
    {Multiply, "MsgMenuRangeMultiply", "*", "MsgRangeMultiplyPrompt", "MsgRangeMultiplyTitle",
     EntryKind::Factor},
    {Add, "MsgMenuRangeAdd", "Ctrl++", "MsgRangeAddPrompt", "MsgRangeAddTitle", EntryKind::Offset},
    {Interpolate, "MsgMenuRangeInterpolate", "/", nullptr, nullptr, EntryKind::Cell},
    {Smooth, "MsgMenuRangeSmooth", "S", nullptr, nullptr, EntryKind::Cell},
};

const OperationText& TextOf(RangeOperation operation) {
    return kOperations[static_cast<int>(operation)];
}

}  // namespace

RangeCommands::RangeCommands(MapDocument& document, ChartView& chart, const Texts& texts,
                             Platform platform, char decimalSeparator, QObject* parent)
    : QObject(parent),
      document_(document),
      chart_(chart),
      texts_(texts),
      platform_(platform),
      separator_(decimalSeparator) {}

std::vector<MenuItem> RangeCommands::MenuItems() const {
    std::vector<MenuItem> items;
    for (const OperationText& row : kOperations) {
        items.push_back({texts_(row.menuKey) + u'\t' + QString::fromLatin1(row.keyName),
                         document_.HasSelection()});
    }
    items.push_back({});
    items.push_back({texts_("MsgMenuImportPoints")});
    items.push_back({texts_("MsgMenuImportFromClipboard")});
    return items;
}

void RangeCommands::RunMenuItem(int index) {
    if (index >= 0 && index < static_cast<int>(std::size(kOperations))) {
        Run(kOperations[index].operation);
    } else if (index == kMenuItemCount - 2 || index == kMenuItemCount - 1) {
        ImportPoints(index == kMenuItemCount - 1);
    }
}

std::optional<double> RangeCommands::AskParameter(RangeOperation operation) {
    const OperationText& row = TextOf(operation);
    const VoltageMap& map = document_.Map();
    const EntryLimits limits{.OutputRangeMax = map.OutputRangeMax,
                             .InputRangeMax = map.InputRangeMax};
    EntryPromptText ask{texts_(row.promptKey), texts_(row.titleKey)};
    for (;;) {
        const QString text = platform_.inputBox.Ask(ask.Prompt, ask.Title);
        const EntryCheck check = CheckEntry(row.kind, text.toStdString(), separator_, limits);
        if (check.Outcome == EntryOutcome::Empty) {
            return std::nullopt;
        }
        if (check.IsAccepted()) {
            return check.Value;
        }
        ask = EntryPrompt(texts_, EntryMessageOf(row.kind, check.Problem), limits);
    }
}

void RangeCommands::Run(RangeOperation operation) {
    BeforeChange();
    if (!document_.HasSelection()) {
        return;
    }
    double parameter = 0;
    if (TextOf(operation).promptKey != nullptr) {
        const std::optional<double> typed = AskParameter(operation);
        if (!typed) {
            return;
        }
        parameter = *typed;
    }
    document_.ApplyToRange(operation, parameter);
}

void RangeCommands::ImportPoints(bool fromClipboard) {
    BeforeChange();
    const VoltageMap& map = document_.Map();
    const PointsFrame frame{map.InputRangeMax, map.OutputRangeMax, map.Resolution, separator_};
    QString source = texts_("MsgClipboardSource");
    PointsSource points;
    if (fromClipboard) {
        points = ReadPointsText(platform_.clipboard.Text(), frame);
    } else {
        source = platform_.fileDialog.AskOpenName(texts_("MsgPointsDialogTitle"),
                                                  texts_("MsgPointsFilter"));
        if (source.isEmpty()) {
            return;
        }
        points = ReadPointsFile(source, frame);
    }
    if (!points.Ok()) {
        platform_.messageBox.Show(PointsRefusedMessage(texts_, source, points, frame),
                                  texts_("MsgPointsRefusedTitle"));
        return;
    }
    const PointsFit fit = FitPoints(points.Reading.Points, frame.InputRangeMax,
                                    frame.OutputRangeMax, frame.Resolution);
    chart_.ShowPreview(fit.Values, points.Reading.Points);
    chart_.repaint();  // the question is modal: the preview must be on the screen before it
    const MessageAnswer answer =
        platform_.messageBox.Show(PointsDifferenceMessage(texts_, points.Reading, fit, separator_) +
                                      QStringLiteral("\n\n") + texts_("MsgPointsApply"),
                                  texts_("MsgPointsDialogTitle"), MessageButtons::ApplyCancel,
                                  MessageIcon::Question, MessageAnswer::Apply);
    chart_.HidePreview();
    if (answer == MessageAnswer::Apply) {
        document_.ImportPoints(fit.Values);
    }
}
