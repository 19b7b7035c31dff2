// Chart redraw and drag costs, with and without painting. Runs on the offscreen platform.
#include <benchmark/benchmark.h>

#include <QApplication>

#include "chart/chart_editing.h"
#include "chart/chart_view.h"
#include "core/map_document.h"

namespace {

class NullHost : public ChartEditHost {
public:
    int EditedCell() const override { return 128; }
    void SetEditedCell(int) override {}
    void CommitCell(int) override {}
};

/// The chart following the document, as the window makes it.
struct ChartFollower : MapObserver {
    explicit ChartFollower(ChartGeometry& chart) : chart(chart) {}
    void MapChanged(const MapChanges& changes) override { chart.ShowChanges(changes); }
    ChartGeometry& chart;
};

/// The start map with its reference curve, which is drawn too.
struct StartDocument : MapDocument {
    StartDocument() { TakeSavedCurve(); }
};

void BM_RedrawChartGeometry(benchmark::State& state) {
    const StartDocument document;
    ChartGeometry chart(document.Map());
    for (auto _ : state) {
        chart.RedrawChart();
        benchmark::DoNotOptimize(chart.Line3);
    }
}
BENCHMARK(BM_RedrawChartGeometry);

/// The full redraw and the repaint of the whole panel it causes.
void BM_RedrawChartPainted(benchmark::State& state) {
    const StartDocument document;
    ChartView view(document.Map());
    view.show();
    view.Chart().RedrawChart();
    QApplication::processEvents();
    for (auto _ : state) {
        view.Chart().RedrawChart();
        view.repaint();
    }
}
BENCHMARK(BM_RedrawChartPainted);

/// One drag move of breakpoint 63 up and down by a few twips: value, device table,
/// two segments and the marker.
void BM_DragMoveModel(benchmark::State& state) {
    StartDocument document;
    ChartGeometry chart(document.Map());
    chart.RedrawChart();
    ChartFollower follower(chart);
    document.AddObserver(follower);
    NullHost host;
    bool held = false;
    ChartEditing editing(document, chart, host, held);
    editing.Press(kLeftButton, 5472, 4554);
    float y = 4554;
    for (auto _ : state) {
        y = y == 4554 ? 4500 : 4554;
        editing.Move(y);
    }
}
BENCHMARK(BM_DragMoveModel);

/// The same move with the panel repainting what it moved.
void BM_DragMovePainted(benchmark::State& state) {
    StartDocument document;
    ChartView view(document.Map());
    view.show();
    view.Chart().RedrawChart();
    ChartFollower follower(view.Chart());
    document.AddObserver(follower);
    NullHost host;
    bool held = false;
    ChartEditing& editing = view.EnableEditing(document, host, held);
    editing.Press(kLeftButton, 5472, 4554);
    QApplication::processEvents();
    float y = 4554;
    for (auto _ : state) {
        y = y == 4554 ? 4500 : 4554;
        editing.Move(y);
        QApplication::processEvents();  // delivers the pending partial repaint
    }
}
BENCHMARK(BM_DragMovePainted);

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
