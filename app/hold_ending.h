#pragma once

#include <QObject>
#include <functional>

class QWidget;

/// Ends a hold of the left button (a step button's repeat, a chart drag) as soon as anything
/// else takes over, since the release may then never come: a modal box or dialog opening
/// over the window, the window losing the focus, a pop-up taking the mouse, or Esc, which it
/// takes. Watches every event of the application while held is true.
class HoldEnding : public QObject {
    Q_OBJECT

public:
    HoldEnding(QWidget* window, const bool& held, std::function<void()> end);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* window_;
    const bool& held_;
    std::function<void()> end_;
};
