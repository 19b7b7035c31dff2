#include "app/screen_fit.h"

#include <QScreen>
#include <QScrollArea>
#include <QStyle>
#include <QVBoxLayout>
#include <QWidget>

namespace {

/// A window's frame and title bar, which the available area still has to hold.
constexpr QSize kWindowFrame(8, 32);
/// A task bar the window system does not report (its available area is the whole screen).
constexpr int kUnreportedTaskBar = 40;

}  // namespace

QSize RoomForWindow(QSize available, bool availableIsWholeScreen) {
    QSize room = available - kWindowFrame;
    if (availableIsWholeScreen) {
        room.rheight() -= kUnreportedTaskBar;
    }
    return room;
}

bool FitWindowToRoom(QWidget* window, QSize room) {
    const QSize design = window->size();
    if (design.width() <= room.width() && design.height() <= room.height()) {
        return false;
    }
    // Every control moves, at its own position, onto a page of the design size that scrolls.
    auto* page = new QWidget;
    page->setObjectName("Page");
    page->setFixedSize(design);
    const QList<QWidget*> controls = window->findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
    for (QWidget* control : controls) {
        if (control->isWindow()) {
            continue;  // a dialog or a menu parented to the window
        }
        const bool hidden = control->isHidden();
        const QRect place = control->geometry();
        control->setParent(page);
        control->setGeometry(place);
        control->setVisible(!hidden);
    }
    auto* scroll = new QScrollArea(window);
    scroll->setObjectName("PageScroll");
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setWidget(page);
    auto* layout = new QVBoxLayout(window);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(scroll);
    // The window may grow up to its design size, with the scroll bars' room.
    const int bar = scroll->style()->pixelMetric(QStyle::PM_ScrollBarExtent);
    window->setMinimumSize(200, 150);
    window->setMaximumSize(design + QSize(bar, bar));
    window->resize(room.boundedTo(design + QSize(bar, bar)));
    return true;
}

bool FitWindowToScreen(QWidget* window) {
    const QScreen* screen = window->screen();
    const QRect available = screen->availableGeometry();
    return FitWindowToRoom(window,
                           RoomForWindow(available.size(), available == screen->geometry()));
}
