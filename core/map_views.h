#pragma once

/// The views of the voltage map that editing operations keep up to date. The main window
/// implements it by forwarding to the table, the chart and the point panel; tests record.
class MapViews {
public:
    virtual ~MapViews() = default;

    /// Table cell k shows the map's value of breakpoint k.
    virtual void ShowValue(int k) = 0;
    /// Every table cell shows the map's value (after an operation on the whole curve).
    virtual void ShowValues() = 0;
    /// Lays the rows out for the resolution and re-derives every value from the device
    /// table; the caller has set TableResolution.
    virtual void RefreshTable() = 0;
    /// Rewrites every row's number and input voltage (after an input span change).
    virtual void ShowInputLabels() = 0;
    virtual void RedrawChart() = 0;
    /// Moves the curve vertex of breakpoint k to the exact voltage.
    virtual void RedrawSegment(int k, double volts) = 0;
    virtual void DrawMarker(int k) = 0;
    virtual void HideMarker() = 0;
    /// Point panel for a newly selected breakpoint: input label, caption numbered k+1,
    /// output box, step buttons enabled.
    virtual void ShowPointPanel(int k) = 0;
    /// Input label of the point panel shows breakpoint k's input voltage; the caption stays.
    virtual void ShowPointInput(int k) = 0;
    /// Output box of the point panel shows breakpoint k's value; step buttons enabled.
    virtual void ShowPointValue(int k) = 0;
    /// Point panel emptied, its caption unnumbered, step buttons disabled: nothing is selected.
    virtual void ClearPointPanel() = 0;
};
