#pragma once

#include <functional>
#include <vector>

class QWidget;

/// The window's one Tab cycle in reading order. Each stop is a control, or a panel holding
/// several (the table), which is entered at the control entryOf gives for it. Tab moves to
/// the next stop that is shown and enabled, Shift+Tab to the previous one, round the cycle.
class TabCycle {
public:
    TabCycle(std::vector<QWidget*> stops, std::function<QWidget*(QWidget* stop)> entryOf);

    /// Moves the focus on from the stop holding focus (the first stop when none does).
    /// False when no stop can take it.
    bool Move(const QWidget* focus, bool forward) const;

private:
    int StopHolding(const QWidget* focus) const;

    std::vector<QWidget*> stops_;
    std::function<QWidget*(QWidget* stop)> entryOf_;
};
