#pragma once

class EntryBoxes;
class MapViews;
struct VoltageMap;

/// The buttons that change the whole curve: Multiply (Command8), Add (Command9), Create
/// (Command5) and UnDo (Command10). Each ends with the table, the chart and, when a
/// breakpoint is selected, its marker and the point panel's output box. A command whose
/// box's re-prompt is cancelled changes nothing.
class CurveCommands {
public:
    CurveCommands(VoltageMap& map, EntryBoxes& boxes, MapViews& views);

    void Multiply();
    void AddOffset();
    /// The end-voltage box is checked first, with its prompts, so that it holds an
    /// accepted value.
    void CreateLine();
    void Undo();

private:
    void Finish();

    VoltageMap& map_;
    EntryBoxes& boxes_;
    MapViews& views_;
};
