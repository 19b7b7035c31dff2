#pragma once

#include <algorithm>
#include <string>
#include <vector>

#include "map_views.h"

/// Records every view update an editing operation asks for, in order, as "DrawMarker 5".
class RecordingMapViews : public MapViews {
public:
    std::vector<std::string> calls;

    void ShowValue(int k) override { Record("ShowValue", k); }
    void ShowValues() override { Record("ShowValues"); }
    void RefreshTable() override { Record("RefreshTable"); }
    void ShowInputLabels() override { Record("ShowInputLabels"); }
    void RedrawChart() override { Record("RedrawChart"); }
    void RedrawSegment(int k, double) override { Record("RedrawSegment", k); }
    void DrawMarker(int k) override { Record("DrawMarker", k); }
    void HideMarker() override { Record("HideMarker"); }
    void ShowPointPanel(int k) override { Record("ShowPointPanel", k); }
    void ShowPointInput(int k) override { Record("ShowPointInput", k); }
    void ShowPointValue(int k) override { Record("ShowPointValue", k); }
    void ClearPointPanel() override { Record("ClearPointPanel"); }

    /// How often a call was recorded, for example Count("DrawMarker 5").
    int Count(const std::string& call) const {
        return static_cast<int>(std::ranges::count(calls, call));
    }

private:
    void Record(const char* name) { calls.emplace_back(name); }
    void Record(const char* name, int k) {
        calls.push_back(std::string(name) + " " + std::to_string(k));
    }
};
