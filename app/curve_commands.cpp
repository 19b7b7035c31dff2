#include "curve_commands.h"

#include "curve_operations.h"
#include "entry_boxes.h"
#include "map_views.h"
#include "voltage_map.h"

CurveCommands::CurveCommands(VoltageMap& map, EntryBoxes& boxes, MapViews& views)
    : map_(map), boxes_(boxes), views_(views) {}

// Leaving a box for its button has checked it already; checking again costs nothing then,
// and keeps a text whose check never ran (a button that takes no focus, a click from the
// program) from reaching the curve.

void CurveCommands::Multiply() {
    boxes_.CheckEntryBox(EntryKind::Factor);
    MultiplyOutputs(map_, boxes_.Value(EntryKind::Factor));
    Finish();
}

void CurveCommands::AddOffset() {
    boxes_.CheckEntryBox(EntryKind::Offset);
    AddOffsetToOutputs(map_, boxes_.Value(EntryKind::Offset));
    Finish();
}

void CurveCommands::CreateLine() {
    boxes_.CheckEndVoltageBox();
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
