#include "app/curve_commands.h"

#include "app/entry_boxes.h"
#include "core/map_document.h"

CurveCommands::CurveCommands(MapDocument& document, EntryBoxes& boxes)
    : document_(document), boxes_(boxes) {}

// Leaving a box for its button has checked it already; checking again costs nothing then,
// and keeps a text whose check never ran (a button that takes no focus, a click from the
// program) from reaching the curve. A cancelled re-prompt cancels the command: the restored
// text is not what the user asked for.

void CurveCommands::Multiply() {
    if (!boxes_.CheckEntryBox(EntryKind::Factor)) {
        return;
    }
    document_.Multiply(boxes_.Value(EntryKind::Factor));
}

void CurveCommands::AddOffset() {
    if (!boxes_.CheckEntryBox(EntryKind::Offset)) {
        return;
    }
    document_.AddOffset(boxes_.Value(EntryKind::Offset));
}

void CurveCommands::CreateLine() {
    if (!boxes_.CheckEndVoltageBox()) {
        return;
    }
    document_.CreateLine(boxes_.Value(EntryKind::EndVoltage));
}

void CurveCommands::Undo() {
    document_.UndoLastChange();
}
