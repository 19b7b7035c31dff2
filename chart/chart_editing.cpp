#include "chart/chart_editing.h"

#include "core/map_document.h"

ChartEditing::ChartEditing(MapDocument& document, const ChartGeometry& chart, ChartEditHost& host,
                           bool& stepButtonHeld)
    : document_(document), chart_(chart), host_(host), stepButtonHeld_(stepButtonHeld) {}

void ChartEditing::Press(int button, float x, float y, bool shift) {
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
    if (shift && document_.HasSelection()) {
        ChartDragActive = false;
        document_.SelectRangeTo(pick.Candidate);
        return;
    }
    ChartDragActive = chart_.IsNearDrawnPoint(pick.Candidate, y);
    if (ChartDragActive) {
        // Taken even if no move follows: the whole drag is one undoable action.
        document_.BeginDrag();
    }
    document_.Select(pick.Candidate);
}

void ChartEditing::Move(float y) {
    const VoltageMap& map = document_.Map();
    const int s = map.SelectedPoint;
    if (!stepButtonHeld_ || !ChartPickHit || !ChartDragActive || s >= map.Resolution) {
        return;
    }
    const double range = map.OutputRangeMax;
    document_.DragSelectedPoint(map.OutputValues[s] +
                                (DragLastY - y) * range / (kOutputCodes * chart_.ChartStepY));
    DragLastY = chart_.ValueY(map.OutputValues[s]);
}

void ChartEditing::Release(int button) {
    if (button == kLeftButton) {
        stepButtonHeld_ = false;
    }
}

void ChartEditing::EndDrag() {
    stepButtonHeld_ = false;
    ChartDragActive = false;
}

void ChartEditing::Click() {
    const int edited = host_.EditedCell();
    if (edited < document_.Map().Resolution) {
        host_.CommitCell(edited);
    }
    host_.SetEditedCell(document_.SelectedPoint());
}
