#pragma once

#include <QString>

/// What the save, load and exit commands need from the main window. The commands own
/// the file logic; the window shows its result.
class FileCommandHost {
public:
    virtual ~FileCommandHost() = default;

    /// Text of the note box Text2, with any line breaks.
    virtual QString NoteText() const = 0;
    /// Sets the note box; lines are separated by "\n".
    virtual void SetNoteText(const QString& note) = 0;
    virtual void SetWindowTitle(const QString& title) = 0;

    /// LoadingFile: while True the chooser handlers of the span and resolution changes
    /// ask nothing and change nothing.
    virtual void SetLoadingFile(bool loading) = 0;
    /// Sets Combo3, Combo2 and Combo4 to InputRangeIndex, OutputRangeIndex and
    /// ResolutionIndex, and Check1, Check2 to the filters of the map just loaded.
    virtual void ShowMapFrame() = 0;
    /// Lays the table out for Resolution rows (TableResolution is already set) and shows
    /// every cell from OutputValues as it is. Unlike the refresh after a span change it
    /// must not resample the values through the device table: that would change the map
    /// that was just loaded.
    virtual void ShowMapInTable() = 0;
    virtual void RedrawChart() = 0;
    /// Draws the reference curve from SavedDeviceTable at once, leaving the rest as it is.
    virtual void ShowSavedCurve() = 0;
    virtual void HideMarker() = 0;
    /// Text6 and Label13 empty, the step buttons Command6 and Command7 disabled.
    virtual void ClearPointPanel() = 0;
    /// Closes the main window; its close event runs CloseHandler. False when the window
    /// stays open.
    virtual bool CloseWindow() = 0;
};
