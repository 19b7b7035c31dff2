#include "data_file.h"

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QFile>
#include <QTemporaryDir>

#include "device_table.h"
#include "number_text.h"

namespace {

QByteArray ReadBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

void WriteBytes(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

/// A map whose values are not on the straight line, so a lost value shows.
VoltageMap EditedMap(int inputSpan, int outputSpan, int filters, int resolution) {
    VoltageMap map;
    map.InputRangeMax = inputSpan;
    map.OutputRangeMax = outputSpan;
    map.InputFilter = filters & 1;
    map.OutputFilter = filters >> 1;
    map.Resolution = resolution;
    for (int k = 0; k < resolution; ++k) {
        map.SetOutputValue(k, ((k * 4999 + 1) % (outputSpan * 1000 + 1)) / 1000.0);
    }
    BuildDeviceTable(map);
    return map;
}

std::vector<std::string> CellTexts(const VoltageMap& map) {
    std::vector<std::string> texts;
    for (int k = 0; k < map.Resolution; ++k) {
        texts.push_back(FormatVoltage(map.OutputValues[k], ','));
    }
    return texts;
}

/// Every field a load may touch.
void ExpectSameMap(const VoltageMap& a, const VoltageMap& b) {
    EXPECT_EQ(a.InputRangeMax, b.InputRangeMax);
    EXPECT_EQ(a.OutputRangeMax, b.OutputRangeMax);
    EXPECT_EQ(a.InputFilter, b.InputFilter);
    EXPECT_EQ(a.OutputFilter, b.OutputFilter);
    EXPECT_EQ(a.Resolution, b.Resolution);
    EXPECT_EQ(a.InputRangeIndex, b.InputRangeIndex);
    EXPECT_EQ(a.OutputRangeIndex, b.OutputRangeIndex);
    EXPECT_EQ(a.ResolutionIndex, b.ResolutionIndex);
    EXPECT_EQ(a.TableResolution, b.TableResolution);
    EXPECT_EQ(a.SelectedPoint, b.SelectedPoint);
    EXPECT_EQ(a.OutputValues, b.OutputValues);
}

class DataFileTest : public ::testing::Test {
protected:
    QString Path(const char* name) const { return dir_.filePath(QString::fromLatin1(name)); }
    QTemporaryDir dir_;
};

}  // namespace

TEST_F(DataFileTest, RoundTripsGiveIdenticalCellsAndNotesAndNoChange) {
    const QString notes[] = {QString(),
                             QStringLiteral("abc"),
                             QStringLiteral("a\r\n\r\nb"),
                             QStringLiteral("\r\nleading"),
                             QStringLiteral("trailing\r\n"),
                             QStringLiteral("Hosszú ékezetes ŐŰ\r\nőű")};
    int variant = 0;
    for (const int inputSpan : {5, 10, 15}) {
        for (const int outputSpan : {5, 10, 15}) {
            for (const int filters : {0, 1, 2, 3}) {
                for (const int resolution : {128, 64, 32, 16, 8}) {
                    const VoltageMap saved = EditedMap(inputSpan, outputSpan, filters, resolution);
                    const QString note = notes[variant++ % std::size(notes)];
                    const QString path = Path("map.pax");
                    ASSERT_TRUE(WriteDataFile(saved, note, path).Ok);
                    EXPECT_FALSE(IsMapChanged(saved, note, path)) << variant;

                    VoltageMap loaded = EditedMap(10, 10, 3, 128);
                    QString loadedNote = QStringLiteral("old");
                    ASSERT_TRUE(ReadDataFile(loaded, loadedNote, path).Ok()) << variant;
                    EXPECT_EQ(CellTexts(loaded), CellTexts(saved)) << variant;
                    EXPECT_EQ(loadedNote, note) << variant;
                    EXPECT_EQ(loaded.InputFilter + 2 * loaded.OutputFilter, filters);
                    EXPECT_EQ(loaded.InputRangeMax, inputSpan);
                    EXPECT_EQ(loaded.OutputRangeMax, outputSpan);
                    EXPECT_FALSE(IsMapChanged(loaded, loadedNote, path)) << variant;
                }
            }
        }
    }
}

TEST_F(DataFileTest, ReadingSetsTheFrameAsTheChoosersNeedIt) {
    const QString path = Path("sixteen.pax");
    ASSERT_TRUE(WriteDataFile(EditedMap(5, 10, 0, 16), {}, path).Ok);
    VoltageMap map;
    map.SelectedPoint = 3;
    QString note;
    ASSERT_TRUE(ReadDataFile(map, note, path).Ok());
    EXPECT_EQ(map.Resolution, 16);
    EXPECT_EQ(map.TableResolution, 16);
    EXPECT_EQ(map.SelectedPoint, 16);
    EXPECT_EQ(map.ResolutionIndex, 3);
    EXPECT_EQ(map.InputRangeIndex, 0);
    EXPECT_EQ(map.OutputRangeIndex, 1);
}

TEST_F(DataFileTest, SmallChangesAreSeen) {
    const QString path = Path("map.pax");
    const VoltageMap saved = EditedMap(15, 15, 0, 128);
    const QString note = QStringLiteral("note");
    ASSERT_TRUE(WriteDataFile(saved, note, path).Ok);
    const struct {
        const char* name;
        void (*change)(VoltageMap&);
        QString note;
    } cases[] = {
        {"value +0.001 V", [](VoltageMap& m) { m.SetOutputValue(77, m.OutputValues[77] + 0.001); },
         note},
        {"last value -0.001 V",
         [](VoltageMap& m) { m.SetOutputValue(127, m.OutputValues[127] - 0.001); }, note},
        {"note", [](VoltageMap&) {}, QStringLiteral("Note")},
        {"note line break", [](VoltageMap&) {}, QStringLiteral("note\r\n")},
        {"input span", [](VoltageMap& m) { m.InputRangeMax = 10; }, note},
        {"output span", [](VoltageMap& m) { m.OutputRangeMax = 10; }, note},
        {"filter", [](VoltageMap& m) { m.OutputFilter = 1; }, note},
        {"resolution", [](VoltageMap& m) { m.Resolution = 64; }, note},
    };
    for (const auto& c : cases) {
        VoltageMap map = saved;
        c.change(map);
        EXPECT_TRUE(IsMapChanged(map, c.note, path)) << c.name;
    }
    // The editor's bare line feeds are no change.
    ASSERT_TRUE(WriteDataFile(saved, QStringLiteral("a\r\nb"), path).Ok);
    EXPECT_FALSE(IsMapChanged(saved, QStringLiteral("a\nb"), path));
}

TEST_F(DataFileTest, AFileThatIsGoneOrBadCountsAsChanged) {
    const VoltageMap map = EditedMap(15, 15, 0, 8);
    EXPECT_TRUE(IsMapChanged(map, {}, Path("never-written.pax")));
    EXPECT_TRUE(IsMapChanged(map, {}, dir_.path()));
    WriteBytes(Path("bad.pax"), "15\r\n15\r\n0\r\n0\r\n8\r\n");
    EXPECT_TRUE(IsMapChanged(map, {}, Path("bad.pax")));
}

TEST_F(DataFileTest, RefusedFilesLeaveMapAndNoteUntouched) {
    WriteBytes(Path("truncated.pax"), "15\r\n15\r\n0\r\n0\r\n8\r\n1\r\n2\r\n");
    WriteBytes(Path("range.pax"),
               "15\r\n5\r\n0\r\n0\r\n8\r\n1\r\n2\r\n3\r\n4\r\n5\r\n6\r\n7\r\n9000\r\n");
    WriteBytes(Path("binary.pax"), QByteArray("\x7f"
                                              "ELF\x02\x01\x01\0\0\0",
                                              10));
    ASSERT_EQ(mkfifo(Path("pipe.pax").toLocal8Bit().constData(), 0600), 0);
    const struct {
        const char* name;
        PaxFault fault;
        int line;
    } cases[] = {
        {"truncated.pax", PaxFault::Truncated, 8},
        {"range.pax", PaxFault::ValueOutOfRange, 13},
        {"binary.pax", PaxFault::Binary, 1},
        {"missing.pax", PaxFault::CannotRead, 0},
        {"pipe.pax", PaxFault::CannotRead, 0},  // must not wait for a writer
        {".", PaxFault::CannotRead, 0},
    };
    const VoltageMap before = EditedMap(10, 15, 2, 32);
    for (const auto& c : cases) {
        VoltageMap map = before;
        QString note = QStringLiteral("kept");
        const PaxDecodeResult result = ReadDataFile(map, note, Path(c.name));
        EXPECT_EQ(result.Fault, c.fault) << c.name;
        EXPECT_EQ(result.Line, c.line) << c.name;
        ExpectSameMap(map, before);
        EXPECT_EQ(note, QStringLiteral("kept")) << c.name;
    }
    EXPECT_FALSE(ReadPaxFile(Path("missing.pax")).Detail.isEmpty());
}

TEST_F(DataFileTest, AFailedSaveOnAFullDiskLeavesTheOldFile) {
    const QString path = Path("map.pax");
    ASSERT_TRUE(WriteDataFile(EditedMap(5, 5, 0, 8), QStringLiteral("old"), path).Ok);
    const QByteArray old = ReadBytes(path);

    // Files may grow to 100 bytes only: every write beyond fails as on a full disk.
    rlimit saved{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &saved), 0);
    const auto previousHandler = signal(SIGXFSZ, SIG_IGN);
    rlimit tiny = saved;
    tiny.rlim_cur = 100;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &tiny), 0);
    const WriteResult result =
        WriteDataFile(EditedMap(15, 15, 0, 128), QStringLiteral("new"), path);
    setrlimit(RLIMIT_FSIZE, &saved);
    signal(SIGXFSZ, previousHandler);

    EXPECT_FALSE(result.Ok);
    EXPECT_FALSE(result.Error.isEmpty());
    EXPECT_EQ(ReadBytes(path), old);
}

TEST_F(DataFileTest, AFailedSaveInAReadOnlyFolderLeavesTheOldFile) {
    const QString path = Path("map.pax");
    ASSERT_TRUE(WriteDataFile(EditedMap(5, 5, 0, 8), QStringLiteral("old"), path).Ok);
    const QByteArray old = ReadBytes(path);
    ASSERT_EQ(chmod(dir_.path().toLocal8Bit().constData(), 0500), 0);
    if (access(dir_.path().toLocal8Bit().constData(), W_OK) == 0) {
        chmod(dir_.path().toLocal8Bit().constData(), 0700);
        GTEST_SKIP() << "folder permissions do not bind this user (root); the full-disk case "
                        "covers the failed save";
    }
    const WriteResult result = WriteDataFile(EditedMap(15, 15, 0, 128), {}, path);
    chmod(dir_.path().toLocal8Bit().constData(), 0700);
    EXPECT_FALSE(result.Ok);
    EXPECT_EQ(ReadBytes(path), old);
}

TEST_F(DataFileTest, ANoteTooLargeToLoadAgainIsNotSaved) {
    const QString path = Path("map.pax");
    ASSERT_TRUE(WriteDataFile(EditedMap(5, 5, 0, 8), QStringLiteral("old"), path).Ok);
    const QByteArray old = ReadBytes(path);
    const WriteResult result =
        WriteDataFile(EditedMap(5, 5, 0, 8), QString(kMaxPaxFileBytes, u'x'), path);
    EXPECT_FALSE(result.Ok);
    EXPECT_TRUE(result.TooLarge);
    EXPECT_EQ(ReadBytes(path), old);
}

TEST_F(DataFileTest, TakeSavedCurveCopiesTheWholeDeviceTable) {
    VoltageMap map = EditedMap(15, 15, 0, 8);
    map.DeviceTable[256] = 256;
    TakeSavedCurve(map);
    EXPECT_EQ(map.SavedDeviceTable, map.DeviceTable);
}
