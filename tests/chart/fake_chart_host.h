#pragma once

#include <string>
#include <vector>

#include "chart/chart_editing.h"

/// Records every call of the chart editing into the window, in order.
class FakeChartHost : public ChartEditHost {
public:
    std::vector<std::string> calls;
    int editedCell = 128;

    int EditedCell() const override { return editedCell; }
    void SetEditedCell(int i) override { Log("SetEditedCell", editedCell = i); }
    void CommitCell(int i) override { Log("CommitCell", i); }

private:
    void Log(const char* call, int i) {
        // Appending only: "text" + std::string&& inserts at the front, where GCC 12 at -O3
        // reports a false -Wrestrict inside std::string.
        calls.push_back(std::string(call).append(" ").append(std::to_string(i)));
    }
};
