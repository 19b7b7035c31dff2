#pragma once

class EntryBoxes;
class MapDocument;

/// The buttons that change the whole curve: Multiply (Command8), Add (Command9), Create
/// (Command5) and UnDo (Command10). A command whose box's re-prompt is cancelled changes
/// nothing.
class CurveCommands {
public:
    CurveCommands(MapDocument& document, EntryBoxes& boxes);

    void Multiply();
    void AddOffset();
    /// The end-voltage box is checked first, with its prompts, so that it holds an
    /// accepted value.
    void CreateLine();
    void Undo();

private:
    MapDocument& document_;
    EntryBoxes& boxes_;
};
