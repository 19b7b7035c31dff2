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
    void SetEditedCell(int i) override { Log("SetEditedCell", editedCell = i); }
    void CommitCell(int i) override { Log("CommitCell", i); }
    void ShowCellValue(int k) override { Log("ShowCellValue", k); }
    void FillPointPanel(int k) override { Log("FillPointPanel", k); }
    void ShowPointValue(int k) override { Log("ShowPointValue", k); }

private:
    void Log(const char* call, int i) { calls.push_back(call + (" " + std::to_string(i))); }
};
