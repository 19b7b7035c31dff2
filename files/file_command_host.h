#pragma once

#include <QString>

/// What the save, load and exit commands need from the main window. The commands own
/// the file logic; the map's document tells the window what a load changed.
class FileCommandHost {
public:
    virtual ~FileCommandHost() = default;

    virtual void SetWindowTitle(const QString& title) = 0;
    /// Closes the main window; its close event runs CloseHandler. False when the window
    /// stays open.
    virtual bool CloseWindow() = 0;
};
