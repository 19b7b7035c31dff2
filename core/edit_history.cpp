#include "core/edit_history.h"

#include <algorithm>
#include <utility>

bool MapState::SameMap(const MapState& other) const {
    return Content == other.Content && (Note == other.Note || *Note == *other.Note);
}

MapContent MapState::WholeContent() const {
    MapContent content = Content;
    content.Note = *Note;
    return content;
}

MapState StateOf(const VoltageMap& map, const MapState* like) {
    MapState state{.Content = map.Content()};
    state.Content.Note.clear();
    std::copy_n(map.UndoValues.begin(), kMaxResolution, state.UndoValues.begin());
    if (like != nullptr && *like->Note == map.Note) {
        state.Note = like->Note;
    } else {
        state.Note = std::make_shared<const std::string>(map.Note);
    }
    return state;
}

EditHistory::EditHistory() : entries_(1) {}

void EditHistory::Reset(MapState state) {
    entries_.clear();
    entries_.push_back({MapAction::Cell, std::move(state)});
    current_ = 0;
}

void EditHistory::Record(MapAction action, MapState state, bool joinsLast) {
    Entry& here = entries_[current_];
    if (state.SameMap(here.State)) {
        here.State.UndoValues = std::move(state.UndoValues);
        return;
    }
    entries_.resize(current_ + 1);
    if (joinsLast && current_ > 0 && here.Action == action) {
        here.State = std::move(state);
        return;
    }
    entries_.push_back({action, std::move(state)});
    if (entries_.size() > kMaxSteps + 1) {
        entries_.erase(entries_.begin());
    }
    current_ = entries_.size() - 1;
}

const MapState& EditHistory::Undo() {
    if (CanUndo()) {
        --current_;
    }
    return Current();
}

const MapState& EditHistory::Redo() {
    if (CanRedo()) {
        ++current_;
    }
    return Current();
}
