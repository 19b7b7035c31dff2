#include "chart_editing.h"

#include "device_table.h"
#include "voltage_map.h"

ChartEditing::ChartEditing(VoltageMap& map, ChartGeometry& chart, ChartEditHost& host,
                           bool& stepButtonHeld)
    : map_(map), chart_(chart), host_(host), stepButtonHeld_(stepButtonHeld) {}

void ChartEditing::Press(int button, float x, float y) {
    if (button != kLeftButton) {
        return;
    }
    stepButtonHeld_ = true;
    DragLastY = y;
    const ChartPick pick = chart_.PickBreakpoint(x);
    ChartPickHit = pick.Hit;
    if (!ChartPickHit) {
        return;  // the selection and the marker stay as they were
    }
    map_.SelectedPoint = pick.Candidate;
    ChartDragActive = chart_.IsNearDrawnPoint(pick.Candidate, y);
    if (ChartDragActive) {
        // Taken even if no move follows: the whole drag is one undoable action.
        SaveUndoSnapshot(map_);
    }
    chart_.DrawMarker(pick.Candidate);
    host_.FillPointPanel(pick.Candidate);
}

void ChartEditing::Move(float y) {
    const int s = map_.SelectedPoint;
    if (!stepButtonHeld_ || !ChartPickHit || !ChartDragActive || s >= map_.Resolution) {
        return;
    }
    const double range = map_.OutputRangeMax;
    const double v =
        map_.OutputValues[s] + (DragLastY - y) * range / (kOutputCodes * chart_.ChartStepY);
    // The value is stored with three decimals first and limited after, as the cell would be.
    map_.SetOutputValue(s, v);
    if (map_.OutputValues[s] < 0) {
        map_.SetOutputValue(s, 0);
    } else if (map_.OutputValues[s] > range) {
        map_.SetOutputValue(s, range);
    }
    host_.ShowCellValue(s);
    host_.ShowPointValue(s);
    chart_.RedrawSegment(s, map_.OutputValues[s]);
    chart_.DrawMarker(s);
    UpdateDeviceTableAt(map_, s);
    DragLastY = chart_.Line3[s].Y2;
}

void ChartEditing::Release(int button) {
    if (button == kLeftButton) {
        stepButtonHeld_ = false;
    }
}

void ChartEditing::Click() {
    const int edited = host_.EditedCell();
    if (edited < map_.Resolution) {
        host_.CommitCell(edited);
    }
    host_.SetEditedCell(map_.SelectedPoint);
}
