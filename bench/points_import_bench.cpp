#include <benchmark/benchmark.h>

#include <QFile>
#include <QTemporaryDir>
#include <QTextStream>

#include "cli/points_command.h"

namespace {

/// A sensor's curve sampled at 10000 inputs over 0 - 15 V, as a datasheet export writes it.
QByteArray TenThousandPoints() {
    QByteArray text = "U in (V)\tU out (V)\n";
    for (int i = 0; i < 10000; ++i) {
        const double x = i * 15.0 / 9999;
        text +=
            QByteArray::number(x, 'f', 4) + '\t' + QByteArray::number(x * x / 15, 'f', 4) + '\n';
    }
    return text;
}

/// The whole --from-points run after the process has started: read, check, fit, write.
void BM_FromPoints(benchmark::State& state) {
    QTemporaryDir dir;
    QFile points(dir.filePath("points.txt"));
    points.open(QIODevice::WriteOnly);
    points.write(TenThousandPoints());
    points.close();
    PointsCommandOptions options;
    options.PointsFile = points.fileName();
    options.MapFile = dir.filePath("out.pax");
    for (auto _ : state) {
        QString err;
        QTextStream stream(&err);
        benchmark::DoNotOptimize(RunFromPointsCommand(options, '.', stream));
    }
}
BENCHMARK(BM_FromPoints)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
