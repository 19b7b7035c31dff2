#pragma once

#include "chart/chart_geometry.h"

class MapDocument;

/// What mouse editing on the chart needs from the main window.
class ChartEditHost {
public:
    virtual ~ChartEditHost() = default;
    /// The table cell whose typed text still awaits its check; Resolution means none.
    virtual int EditedCell() const = 0;
    virtual void SetEditedCell(int i) = 0;
    /// Checks and applies the text typed into cell i, re-prompting as a table edit does.
    virtual void CommitCell(int i) = 0;
};

/// Button values of a chart mouse event: 1 left, 2 right, 4 middle, summed.
inline constexpr int kLeftButton = 1;

/// Picking and dragging breakpoints with the left mouse button. Coordinates are twips.
class ChartEditing {
public:
    /// stepButtonHeld is the window's one flag for a held left button, shared with the
    /// step buttons.
    ChartEditing(MapDocument& document, const ChartGeometry& chart, ChartEditHost& host,
                 bool& stepButtonHeld);

    /// With shift, a picked breakpoint ends a range from the selected one; nothing is dragged.
    void Press(int button, float x, float y, bool shift = false);
    void Move(float y);
    void Release(int button);
    /// Runs after the release of a click on the panel.
    void Click();
    /// Something else took over (a dialog, another window, Esc): the drag ends where the
    /// point is now, and later moves change nothing.
    void EndDrag();
    /// The left button is held on the panel: another button pressed meanwhile does nothing.
    bool LeftHeld() const { return stepButtonHeld_; }

    /// The last left press lay within half a step of a breakpoint.
    bool ChartPickHit = false;
    /// That press also lay within two output codes of the drawn point: a drag is armed.
    bool ChartDragActive = false;
    /// The y against which the next move is measured.
    float DragLastY = 0;

private:
    MapDocument& document_;
    const ChartGeometry& chart_;
    ChartEditHost& host_;
    bool& stepButtonHeld_;
};
