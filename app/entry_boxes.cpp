#include "app/entry_boxes.h"

#include <QEvent>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QScopedValueRollback>

#include "core/number_text.h"
#include "core/voltage_map.h"
#include "platform/input_box.h"
#include "texts/entry_prompts.h"
#include "texts/texts.h"

namespace {

constexpr EntryKind kKinds[3] = {EntryKind::Factor, EntryKind::Offset, EntryKind::EndVoltage};
const char* const kStartTexts[3] = {"1", "0", "0"};

}  // namespace

EntryBoxes::EntryBoxes(QLineEdit* factorBox, QLineEdit* offsetBox, QLineEdit* endVoltageBox,
                       const VoltageMap& map, EditState& state, const Texts& texts,
                       InputBox& inputBox, QObject* parent)
    : QObject(parent),
      boxes_{factorBox, offsetBox, endVoltageBox},
      map_(map),
      state_(state),
      texts_(texts),
      inputBox_(inputBox) {
    for (QLineEdit* box : boxes_) {
        box->installEventFilter(this);
    }
}

bool EntryBoxes::CheckEntryBox(EntryKind kind) {
    const int b = static_cast<int>(kind);
    if (!state_.FormReady || checking_[b]) {
        return true;
    }
    const QScopedValueRollback<bool> guard(checking_[b], true);
    QLineEdit* box = boxes_[b];
    const EntryLimits limits{.OutputRangeMax = map_.OutputRangeMax,
                             .InputRangeMax = map_.InputRangeMax};
    bool cancelled = false;
    for (;;) {
        if (box->text().isEmpty()) {
            box->setText(RestoredText(b, limits));
        }
        const EntryCheck check =
            CheckEntry(kind, box->text().toStdString(), state_.SeparatorChar(), limits);
        if (check.IsAccepted()) {
            box->setText(
                QString::fromStdString(FormatVoltage(check.Value, state_.SeparatorChar())));
            accepted_[b] = box->text();
            return !cancelled;
        }
        const EntryPromptText prompt =
            EntryPrompt(texts_, EntryMessageOf(kind, check.Problem), limits);
        const QString reply = inputBox_.Ask(prompt.Prompt, prompt.Title);
        cancelled = reply.isEmpty();
        box->setText(reply);
    }
}

double EntryBoxes::Value(EntryKind kind) const {
    const int b = static_cast<int>(kind);
    const char separator = state_.SeparatorChar();
    return ParseNumber(boxes_[b]->text().toStdString(), separator)
        .value_or(ParseNumber(accepted_[b].toStdString(), separator).value_or(0));
}

bool EntryBoxes::Accepts(int b, const QString& text, EntryLimits limits) const {
    return CheckEntry(kKinds[b], text.toStdString(), state_.SeparatorChar(), limits).IsAccepted();
}

QString EntryBoxes::RestoredText(int b, EntryLimits limits) const {
    // TextBeforeEdit is shared with the cells, and Enter stores a text before it is
    // checked, so it may hold what this box refuses; the box's last accepted text, and
    // last its start text, stand in then, so that Cancel always ends the prompting.
    for (const QString& text : {state_.TextBeforeEdit, accepted_[b]}) {
        if (Accepts(b, text, limits)) {
            return text;
        }
    }
    return kStartTexts[b];
}

int EntryBoxes::IndexOf(QObject* widget) const {
    for (int b = 0; b < 3; ++b) {
        if (boxes_[b] == widget) {
            return b;
        }
    }
    return -1;
}

void EntryBoxes::BoxClicked(int b) {
    state_.TextBeforeEdit = boxes_[b]->text();
    boxes_[b]->end(false);
    boxes_[b]->home(true);
}

void EntryBoxes::BoxKeyDown(int b, int key) {
    switch (key) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
            state_.TextBeforeEdit = boxes_[b]->text();
            CheckEntryBox(kKinds[b]);
            break;
        case Qt::Key_Escape:
            boxes_[b]->setText(state_.TextBeforeEdit);
            break;
        default:
            break;
    }
}

bool EntryBoxes::eventFilter(QObject* watched, QEvent* event) {
    const int b = IndexOf(watched);
    if (b < 0) {
        return false;
    }
    switch (event->type()) {
        case QEvent::MouseButtonRelease:
            if (static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
                BoxClicked(b);
            }
            break;
        case QEvent::KeyPress:
            BoxKeyDown(b, static_cast<QKeyEvent*>(event)->key());
            break;
        case QEvent::FocusOut: {
            // A modal box or a popup taking the focus is not the user leaving the box.
            const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
            if (reason == Qt::ActiveWindowFocusReason || reason == Qt::PopupFocusReason) {
                break;
            }
            if (!CheckEntryBox(kKinds[b]) && reason == Qt::MouseFocusReason) {
                emit ClickCancelled();
            }
            break;
        }
        default:
            break;
    }
    return false;
}
