#include "app/undo_button_menu.h"

#include <QPushButton>

#include "core/map_document.h"
#include "platform/popup_menu.h"
#include "texts/texts.h"

namespace {

const char* ActionKey(MapAction action) {
    switch (action) {
        case MapAction::Cell:
            return "MsgActionCell";
        case MapAction::Multiply:
            return "MsgActionMultiply";
        case MapAction::AddOffset:
            return "MsgActionAddOffset";
        case MapAction::CreateLine:
            return "MsgActionCreateLine";
        case MapAction::UnDo:
            return "MsgActionUnDo";
        case MapAction::Paste:
            return "MsgActionPaste";
        case MapAction::Step:
            return "MsgActionStep";
        case MapAction::Drag:
            return "MsgActionDrag";
        case MapAction::InputSpan:
            return "MsgActionInputSpan";
        case MapAction::OutputSpan:
            return "MsgActionOutputSpan";
        case MapAction::Resolution:
            return "MsgActionResolution";
        case MapAction::Filter:
            return "MsgActionFilter";
        case MapAction::Note:
            return "MsgActionNote";
        case MapAction::RangeSet:
            return "MsgActionRangeSet";
        case MapAction::RangeMultiply:
            return "MsgActionRangeMultiply";
        case MapAction::RangeAdd:
            return "MsgActionRangeAdd";
        case MapAction::Interpolate:
            return "MsgActionInterpolate";
        case MapAction::Smooth:
            return "MsgActionSmooth";
        case MapAction::ImportPoints:
            return "MsgActionImportPoints";
    }
    return "MsgActionCell";
}

}  // namespace

UndoButtonMenu::UndoButtonMenu(QPushButton* Command10, PopupMenu& menu, const MapDocument& document,
                               const Texts& texts, QObject* parent)
    : QObject(parent), Command10_(Command10), menu_(menu), document_(document), texts_(texts) {
    Command10_->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(Command10_, &QWidget::customContextMenuRequested, this, &UndoButtonMenu::Open);
}

void UndoButtonMenu::Open(const QPoint& pos) {
    const EditHistory& history = document_.History();
    // "Undo: Multiply"; without a step to go to, the bare word, greyed.
    const auto item = [this](const char* key, bool possible, MapAction action) {
        return MenuItem{texts_(key) + (possible ? ": " + texts_(ActionKey(action)) : QString()),
                        possible};
    };
    const std::vector<MenuItem> items{
        item("MsgHistoryUndo", history.CanUndo(),
             history.CanUndo() ? history.UndoAction() : MapAction::Cell),
        item("MsgHistoryRedo", history.CanRedo(),
             history.CanRedo() ? history.RedoAction() : MapAction::Cell)};
    const int choice = menu_.Choose(items, Command10_->mapToGlobal(pos));
    if (choice == 0) {
        emit StepBackChosen();
    } else if (choice == 1) {
        emit StepForwardChosen();
    }
}
