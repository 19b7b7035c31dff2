#pragma once

#include <QPoint>
#include <QString>
#include <vector>

/// One line of a pop-up menu; an empty text is a separator.
struct MenuItem {
    QString text;
    bool enabled = true;
    bool checked = false;
};

/// A pop-up menu at a point of the screen, as a right-click opens it.
class PopupMenu {
public:
    virtual ~PopupMenu() = default;
    /// The index of the item chosen, or -1 when the menu was closed without a choice.
    virtual int Choose(const std::vector<MenuItem>& items, const QPoint& screenPos) = 0;
};
