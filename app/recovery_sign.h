#pragma once

#include <QString>

class QLabel;
class QWidget;
class Texts;

/// A caption that stays in the window for as long as unsaved work is not being kept for
/// recovery: a crash would lose it. Its tool tip names the folder and the reason.
class RecoverySign {
public:
    /// The caption sits over the top edge of the note panel Frame5, at its right: the work
    /// a crash would take is in view there.
    RecoverySign(QWidget* Frame5, const Texts& texts);

    /// reason: the folder and why; empty when writing works (again).
    void SetFailure(const QString& reason);
    /// After a change of language.
    void Show();

    QLabel* Label() const { return label_; }

private:
    QLabel* label_;
    const Texts& texts_;
    QString reason_;
};
