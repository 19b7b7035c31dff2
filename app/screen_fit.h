#pragma once

#include <QSize>

class QWidget;

/// The room a window may take on a screen whose available area is available: a frame and a
/// task bar around it are left free.
QSize RoomForWindow(QSize available, bool availableIsWholeScreen);

/// A window laid out at fixed positions that is larger than room keeps its layout inside a
/// scroll area and takes room at most; one that fits stays exactly as it is. True when it
/// scrolls.
bool FitWindowToRoom(QWidget* window, QSize room);

/// FitWindowToRoom on the screen the window is on.
bool FitWindowToScreen(QWidget* window);
