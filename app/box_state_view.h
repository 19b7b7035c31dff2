#pragma once

#include "device/box_state.h"

class QLabel;
class QWidget;
class SentMaps;
class Texts;
struct VoltageMap;

/// A line under the port chooser that says whether the map on screen is what the box on
/// the chosen com number holds, as far as the copies of the sends from this computer tell.
class BoxStateView {
public:
    /// The line is placed at the top of the command panel Frame3, next below the chooser.
    BoxStateView(QWidget* Frame3, const SentMaps& sent, const Texts& texts);

    /// After a send or a change of the com number: the copy is read again.
    void Refresh(int portNumber);
    /// After a change of the map or of the language.
    void Show(const VoltageMap& map);

    QLabel* Label() const { return label_; }
    /// The copy that stands for what the box holds; empty when nothing was sent.
    const QString& LastSentFile() const { return last_.File(); }

private:
    QLabel* label_;
    LastSentStream last_;
    const Texts& texts_;
    int portNumber_ = 1;
};
