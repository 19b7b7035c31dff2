#include "table/clipboard.h"

#include <QStringList>

#include "core/map_document.h"
#include "core/number_text.h"
#include "core/voltage_map.h"
#include "platform/message_box.h"
#include "platform/system_clipboard.h"
#include "table/cell_editor.h"
#include "table/edit_state.h"
#include "table/table_view.h"
#include "texts/entry_prompts.h"
#include "texts/texts.h"

QString CopiedValues(const VoltageMap& map, char separator) {
    QString text;
    for (int k = 0; k < map.Resolution; ++k) {
        text += QString::fromStdString(FormatVoltage(map.OutputValues[k], separator)) + u'\n';
    }
    return text;
}

QString PasteRefusedMessage(const Texts& texts, const PastedValues& pasted, int outputRangeMax) {
    QString reason;
    if (pasted.PastLastRow) {
        reason = texts("MsgPastePastLastRow");
    } else {
        switch (pasted.Problem) {
            case EntryProblem::NotNumber:
                reason = texts("MsgPasteNotNumber");
                // Columns were split: how, and which decimal separator they take.
                if (pasted.Separator != FieldSeparator::Spaces) {
                    reason +=
                        u'\n' + SeparatorsNote(texts, pasted.Separator, pasted.CommaIsDecimal);
                }
                break;
            case EntryProblem::PointOnly:
                reason = texts("MsgPastePointOnly");
                break;
            case EntryProblem::CommaOnly:
                reason = texts("MsgPasteCommaOnly");
                break;
            case EntryProblem::AboveMax:
                reason = texts("MsgPasteMax") + QString::number(outputRangeMax) +
                         texts("MsgPasteMaxUnit");
                break;
            case EntryProblem::BelowMin:
                reason = texts("MsgPasteMin");
                break;
        }
    }
    return texts("MsgPasteRefused") + u'\n' + texts("MsgLoadFailedLine") + u' ' +
           QString::number(pasted.BadLine) + u'\n' + reason;
}

CellClipboard::CellClipboard(MapDocument& document, TableView& table, EditState& state,
                             CellEditor& cells, const Texts& texts, MessageBox& messageBox,
                             SystemClipboard& clipboard, QObject* parent)
    : QObject(parent),
      document_(document),
      table_(table),
      state_(state),
      cells_(cells),
      texts_(texts),
      messageBox_(messageBox),
      clipboard_(clipboard) {
    connect(&table_, &TableView::CellCopyPressed, this, &CellClipboard::Copy);
    connect(&table_, &TableView::CellPastePressed, this, &CellClipboard::Paste);
}

void CellClipboard::Copy(int /*i*/) {
    // What is typed in the cells counts, as when the cell is left.
    cells_.CommitPendingCells();
    clipboard_.SetText(CopiedValues(document_.Map(), state_.SeparatorChar()));
}

void CellClipboard::Paste(int i) {
    if (i < 0 || i >= document_.Map().Resolution) {
        return;
    }
    cells_.CommitPendingCells();
    const PastedValues pasted =
        ReadPastedValues(clipboard_.Text(), i, document_.Map(), state_.SeparatorChar());
    if (pasted.Refused()) {
        messageBox_.Show(PasteRefusedMessage(texts_, pasted, document_.Map().OutputRangeMax),
                         texts_("MsgPasteRefusedTitle"));
        return;
    }
    if (pasted.Values.empty()) {
        return;
    }
    document_.Paste(i, pasted.Values);
    // Esc and an emptied cell bring back the pasted text, not the one from before.
    state_.TextBeforeEdit = table_.CellText(i);
}
