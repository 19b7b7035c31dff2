#pragma once

#include <QObject>

class QEvent;

/// While it lives, user input that reaches the application goes nowhere: mouse buttons,
/// keys, the wheel, touch, context menus and the window system's close requests. A command
/// that keeps the window busy takes no input and does not replay it when it ends.
class InputDropper : public QObject {
public:
    InputDropper();
    ~InputDropper() override;
    InputDropper(const InputDropper&) = delete;
    InputDropper& operator=(const InputDropper&) = delete;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};
