#pragma once

#include <functional>
#include <sstream>
#include <string>

#include "core/map_document.h"

/// Records every notification of a document, in order, as its changes' names, each ended by
/// "; ": "Value 9; Values OutputSpan; ".
class RecordingObserver : public MapObserver {
public:
    explicit RecordingObserver(MapDocument& document) { document.AddObserver(*this); }

    std::string calls;

    void MapChanged(const MapChanges& changes) override {
        std::istringstream names(
            "Value Values InputSpan OutputSpan Resolution Filters Note Port "
            "Selection Reference");
        std::string call, name;
        for (unsigned bit = 0; names >> name; ++bit) {
            call += changes.Flags & (1u << bit) ? (call.empty() ? "" : " ") + name : "";
        }
        if (changes.Has(MapChange::Value)) {
            call.append(" ").append(std::to_string(changes.Point));
        }
        calls += call + "; ";
    }
};

/// Passes every notification of a document on to a view, as the window does.
class Follower : public MapObserver {
public:
    Follower(MapDocument& document, std::function<void(const MapChanges&)> follow)
        : follow_(std::move(follow)) {
        document.AddObserver(*this);
    }
    void MapChanged(const MapChanges& changes) override { follow_(changes); }

private:
    std::function<void(const MapChanges&)> follow_;
};
