#include "curve_commands.h"

#include "curve_operations.h"
#include "entry_boxes.h"
#include "map_views.h"
#include "voltage_map.h"

CurveCommands::CurveCommands(VoltageMap& map, EntryBoxes& boxes, MapViews& views)
    : map_(map), boxes_(boxes), views_(views) {}

// Leaving a box for its button has checked it already; checking again costs nothing then,
// and keeps a text whose check never ran (a button that takes no focus, a click from the
// program) from reaching the curve. A cancelled re-prompt cancels the command: the restored
// text is not what the user asked for.

void CurveCommands::Multiply() {
    if (!boxes_.CheckEntryBox(EntryKind::Factor)) {
        return;
    }
    MultiplyOutputs(map_, boxes_.Value(EntryKind::Factor));
    Finish();
}

void CurveCommands::AddOffset() {
    if (!boxes_.CheckEntryBox(EntryKind::Offset)) {
        return;
    }
    AddOffsetToOutputs(map_, boxes_.Value(EntryKind::Offset));
    Finish();
}

void CurveCommands::CreateLine() {
    if (!boxes_.CheckEndVoltageBox()) {
        return;
    }
    CreateStraightLine(map_, boxes_.Value(EntryKind::EndVoltage));
    Finish();
}

void CurveCommands::Undo() {
    UndoLastChange(map_);
    Finish();
}

void CurveCommands::Finish() {
    views_.ShowValues();
    views_.RedrawChart();
    if (map_.HasSelection()) {
        views_.DrawMarker(map_.SelectedPoint);
        views_.ShowPointValue(map_.SelectedPoint);
    }
}
