#pragma once

#include <string>
#include <vector>

#include "chart_editing.h"

/// Records every call of the chart editing into the window, in order.
class FakeChartHost : public ChartEditHost {
public:
    std::vector<std::string> calls;
    int editedCell = 128;

    int EditedCell() const override { return editedCell; }
    void SetEditedCell(int i) override {
        calls.push_back("SetEditedCell " + std::to_string(i));
        editedCell = i;
    }
    void CommitCell(int i) override { calls.push_back("CommitCell " + std::to_string(i)); }
    void ShowCellValue(int k) override { calls.push_back("ShowCellValue " + std::to_string(k)); }
    void FillPointPanel(int k) override { calls.push_back("FillPointPanel " + std::to_string(k)); }
    void ShowPointValue(int k) override { calls.push_back("ShowPointValue " + std::to_string(k)); }
};
