#pragma once

#include <QObject>
#include <QString>
#include <array>

#include "core/entry_rules.h"
#include "table/edit_state.h"

class InputBox;
class QLineEdit;
class Texts;
struct VoltageMap;

/// The three parameter boxes of the bulk operations: factor Text3, offset Text4 and end
/// voltage Text5. A click remembers the text, Enter and leaving a box check it, Esc brings
/// the remembered text back; a refused number is asked for again until it is acceptable.
class EntryBoxes : public QObject {
    Q_OBJECT

public:
    EntryBoxes(QLineEdit* factorBox, QLineEdit* offsetBox, QLineEdit* endVoltageBox,
               const VoltageMap& map, EditState& state, const Texts& texts, InputBox& inputBox,
               QObject* parent = nullptr);

    /// The check of one box (CheckEntryBox): on return the box holds an accepted value
    /// formatted "0.000". False when a re-prompt was answered with Cancel or nothing: the
    /// box then holds its previous text, and what asked for the check must not go on.
    /// Does nothing before the window has loaded.
    bool CheckEntryBox(EntryKind kind);
    /// The check of the end-voltage box, which the straight-line button runs first.
    bool CheckEndVoltageBox() { return CheckEntryBox(EntryKind::EndVoltage); }

    /// The number a box holds, read with the locale's separator.
    double Value(EntryKind kind) const;

signals:
    /// A click took the focus from a box and the re-prompt of its check was cancelled:
    /// that click must not act.
    void ClickCancelled();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    int IndexOf(QObject* widget) const;
    /// The text an emptied box gets back, always one its check accepts.
    QString RestoredText(int b, EntryLimits limits) const;
    bool Accepts(int b, const QString& text, EntryLimits limits) const;
    void BoxClicked(int b);
    void BoxKeyDown(int b, int key);

    std::array<QLineEdit*, 3> boxes_;
    const VoltageMap& map_;
    EditState& state_;
    const Texts& texts_;
    InputBox& inputBox_;
    /// The last text each box accepted; the start texts are valid for every span.
    std::array<QString, 3> accepted_{"1", "0", "0"};
    /// True while a box's own input box is open: that takes the focus from the box.
    std::array<bool, 3> checking_{};
};
