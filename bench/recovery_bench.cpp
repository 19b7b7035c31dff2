// A recovery write after a change: what the window's thread does (the state taken from the
// map and the note, compared with its file on disk, and encoded), and the disk write that
// runs beside it on the writer's thread.
#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QTemporaryDir>

#include "core/device_table.h"
#include "files/data_file.h"
#include "platform/message_box.h"
#include "platform/qt_platform.h"
#include "recovery/work_recovery.h"
#include "texts/texts.h"

namespace {

class SilentMessageBox : public MessageBox {
public:
    MessageAnswer Show(const QString&, const QString&, MessageButtons, MessageIcon,
                       MessageAnswer answer) override {
        return answer;
    }
};

/// The writer's thread runs its calls through Qt's event loop.
void NeedApplication() {
    static int argc = 1;
    static char name[] = "bench_recovery";
    static char* argv[] = {name, nullptr};
    static const QCoreApplication app(argc, argv);
}

/// A 128-point map with a 20000-character note, changed since it was saved.
struct Work {
    QTemporaryDir dir;
    VoltageMap map;
    QString note;
    QString file = dir.filePath("map.pax");

    Work() {
        NeedApplication();
        FillStartLine(map);
        while (note.size() < 20000) {
            note += QStringLiteral("Árvíztűrő tükörfúrógép, 0.117 V → 15.000 V\n");
        }
        note.truncate(20000);
        map.Note = note.toStdString();
        WriteDataFile(map, file);
        map.SetOutputValue(5, 7.5);  // unsaved: the file is read and compared at every write
    }
    WorkingState State() const {
        return {.Map = map.Content(),
                .FileName = file,
                .Saved = !IsMapChanged(map, file),
                .Changed = {},
                .PortNumber = 1};
    }
};

void BM_RecoveryWriteOnWindowThread(benchmark::State& state) {
    Work work;
    SilentMessageBox messageBox;
    const Texts texts;
    QtClock clock;
    WorkRecovery recovery(
        work.dir.filePath("recovery"), [&] { return work.State(); }, messageBox, texts, clock);
    for (auto _ : state) {
        recovery.WriteNow();
        state.PauseTiming();
        recovery.Flush();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_RecoveryWriteOnWindowThread)->Unit(benchmark::kMillisecond);

void BM_RecoveryDiskWrite(benchmark::State& state) {
    Work work;
    OwnRecoveryFile file(work.dir.filePath("recovery"));
    const QByteArray bytes = EncodeRecovery(work.State());
    QString error;
    for (auto _ : state) {
        benchmark::DoNotOptimize(file.Write(bytes, error));
    }
    state.SetLabel(std::to_string(bytes.size()) + " bytes");
}
BENCHMARK(BM_RecoveryDiskWrite)->Unit(benchmark::kMillisecond);

}  // namespace
