#include "files/data_file.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTextStream>
#include <functional>
#include <string_view>
#include <tuple>

#include "cli/points_command.h"
#include "core/voltage_map.h"
#include "tests/fakes/failing_files.h"
#include "tests/fakes/file_bytes.h"
#include "tests/fakes/qt_printers.h"

namespace {

using Lines = QList<QByteArray>;

/// A file from its lines, each ended by CR LF.
QByteArray FileOf(const Lines& lines) {
    QByteArray bytes;
    for (const QByteArray& line : lines) {
        bytes += line + "\r\n";
    }
    return bytes;
}

/// A 15 V / 15 V map of 8 breakpoints on the straight line.
const Lines kEightPoints = {"15",   "15",   "0",    "0",     "8",     "1875", "3750",
                            "5625", "7500", "9375", "11250", "13125", "15000"};

/// A map whose values are off the straight line, so a lost value shows; the first is 0 V.
VoltageMap EditedMap(int inputSpan, int outputSpan, int filters, int resolution) {
    VoltageMap map;
    map.InputRangeMax = inputSpan;
    map.OutputRangeMax = outputSpan;
    map.InputFilter = filters & 1;
    map.OutputFilter = filters >> 1;
    map.Resolution = resolution;
    for (int k = 0; k < resolution; ++k) {
        map.SetOutputValue(k, (k * 4999 % (outputSpan * 1000 + 1)) / 1000.0);
    }
    return map;
}

MapContent WithNote(MapContent map, const QString& note) {
    map.Note = note.toStdString();
    return map;
}

class DataFileTest : public ::testing::Test {
protected:
    QString Path(const char* name) const { return dir_.filePath(QString::fromLatin1(name)); }
    QTemporaryDir dir_;
};

}  // namespace

TEST(PaxFormatTest, DefaultMapWithNoteAbcIsTheHandWrittenFile) {
    VoltageMap map;
    FillStartLine(map);
    const QByteArray written = EncodePax(WithNote(map, QStringLiteral("abc")));
    EXPECT_EQ(written, ReadBytes(SOLVA_FILES_TEST_DATA "/default_abc.pax"));
    // Every line break of a note is stored as CR LF, leading empty lines included.
    EXPECT_TRUE(EncodePax(WithNote(map, QStringLiteral("\r\n\na\rb")))
                    .endsWith("15000\r\n\r\n\r\na\r\nb\r\n"));
    EXPECT_EQ(MillivoltText(1.001), "1001");  // although 1.001 * 1000 lies just below 1001
}

TEST_F(DataFileTest, RoundTripsGiveIdenticalCellsAndNotesAndNoChange) {
    const QString notes[] = {
        "", "abc", "\r\n\r\nafter", "before\r\n\r\n", "\r\n", "Árvíz\r\ntűrő\r\nŐŰ", "\f\r\n\x01"};
    const QString path = Path("map.pax");
    // Every input span, output span, pair of filters and resolution.
    for (int v = 0; v < 3 * 3 * 4 * 5; ++v) {
        const VoltageMap saved =
            EditedMap(SpanAt(v % 3), SpanAt(v / 3 % 3), v / 9 % 4, ResolutionAt(v / 36));
        const QString note = notes[v % std::size(notes)];
        ASSERT_TRUE(WriteDataFile(WithNote(saved, note), path).Ok);
        VoltageMap loaded = EditedMap(10, 10, 3, 128);
        const PaxDecodeResult read = ReadDataFile(path);
        ASSERT_TRUE(read.Ok()) << v;
        loaded.Content() = read.Data;
        const QString loadedNote = QString::fromStdString(read.Data.Note);
        EXPECT_EQ(loadedNote, note) << v;
        // Frame and values to the millivolt, so the cells read the same.
        EXPECT_TRUE(WithNote(loaded, {}) == WithNote(saved, {})) << v;
        EXPECT_FALSE(IsMapChanged(loaded, path)) << v;
    }
}

TEST_F(DataFileTest, SmallChangesAreSeen) {
    const QString path = Path("map.pax");
    const VoltageMap saved = EditedMap(15, 15, 0, 128);
    const QString note = QStringLiteral("note");
    ASSERT_TRUE(WriteDataFile(WithNote(saved, note), path).Ok);
    VoltageMap lastValue = saved;
    lastValue.SetOutputValue(127, 4.832);  // from 4.831 V
    EXPECT_TRUE(IsMapChanged(WithNote(lastValue, note), path));
    EXPECT_TRUE(IsMapChanged(WithNote(saved, note + "\r\n"), path));
    ASSERT_TRUE(WriteDataFile(WithNote(saved, QStringLiteral("a\r\nb")), path).Ok);
    // The editor's line feeds.
    EXPECT_FALSE(IsMapChanged(WithNote(saved, QStringLiteral("a\nb")), path));
    // Only a save keeps the work when the file has gone or no longer reads.
    EXPECT_TRUE(IsMapChanged(WithNote(saved, {}), Path("never-written.pax")));
    ASSERT_TRUE(QFile::resize(path, 20));
    EXPECT_TRUE(IsMapChanged(WithNote(saved, {}), path));
}

// Every class of bad input, read as the load command reads it.
TEST_F(DataFileTest, BadFilesAreRefusedAtTheirFirstBadLine) {
    auto with = [](int line, const QByteArray& text) {
        Lines changed = kEightPoints;
        changed[line - 1] = text;
        return FileOf(changed + Lines{"note"});
    };
    ASSERT_TRUE(MakePipe(Path("pipe.pax")));
    const struct {
        const char* name;
        QByteArray bytes;
        PaxFault fault;
        int line;
        const char* file = "bad.pax";  // holds the bytes; other files are as they are
    } cases[] = {
        {"missing file", {}, PaxFault::CannotRead, 0, "missing.pax"},
        {"a pipe: no wait for a writer", {}, PaxFault::CannotRead, 0, "pipe.pax"},
        {"empty file", "", PaxFault::Truncated, 1},
        {"values end", FileOf(kEightPoints.mid(0, 9)), PaxFault::Truncated, 10},
        {"input span 12", with(1, "12"), PaxFault::BadSpan, 1},
        {"output filter 2", with(4, "2"), PaxFault::BadFilter, 4},
        {"resolution 100", with(5, "100"), PaxFault::BadResolution, 5},
        {"value exponent", with(8, "1e3"), PaxFault::NotNumber, 8},
        {"value above span", with(13, "15001"), PaxFault::ValueOutOfRange, 13},
        {"values above a 5 V output span", with(2, "5"), PaxFault::ValueOutOfRange, 8},
        {"DEL after mixed line ends", "15\r15\n0\r\n\x7f", PaxFault::Binary, 4},
        {"too large", QByteArray(kMaxPaxFileBytes + 1, 'x'), PaxFault::TooLarge, 0},
        // The note editor lays out one long line in quadratic time: 256 KiB take seconds.
        {"64 KiB note line", FileOf(kEightPoints + Lines{QByteArray(1 << 16, 'x')}),
         PaxFault::TooLarge, 0},
    };
    for (const auto& c : cases) {
        QFile file(Path(c.file));
        if (std::string_view(c.file) == "bad.pax") {
            ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
            file.write(c.bytes);
            file.close();
        }
        const PaxDecodeResult result = ReadDataFile(file.fileName());
        EXPECT_EQ(std::tuple(result.Fault, result.Line), std::tuple(c.fault, c.line)) << c.name;
    }
}

TEST(PaxFormatTest, TolerableVariationsAndOlderNotesAreRead) {
    const QByteArray crLf = FileOf(kEightPoints + Lines{"note"});
    const QByteArray note1250 =
        "\xC1rv\xEDzt\xFBr\xF5 t\xFCk\xF6rf\xFAr\xF3g\xE9p \xD5\xDB \x8A\x9A\x80";
    const struct {
        const char* name;
        QByteArray bytes;
        QString note = QStringLiteral("note");
    } cases[] = {
        {"LF endings, no last line break", QByteArray(crLf).replace("\r\n", "\n").chopped(1)},
        {"CR endings", QByteArray(crLf).replace("\r\n", "\r")},
        {"UTF-8 byte order mark", "\xEF\xBB\xBF" + crLf},
        {"blanks, decimal marks", QByteArray(crLf).replace("\n1875\r", "\n 1875,0\t\r")},
        {"Windows-1250 note", FileOf(kEightPoints + Lines{note1250, "\xE9n"}),
         "Árvíztűrő tükörfúrógép ŐŰ Šš€\r\nén"},
    };
    MapContent expected = DecodePax(crLf).Data;
    ASSERT_EQ(expected.OutputValues[7], 15.0);
    for (const auto& c : cases) {
        const PaxDecodeResult result = DecodePax(c.bytes);
        expected.Note = c.note.toStdString();
        ASSERT_TRUE(result.Ok()) << c.name;
        EXPECT_EQ(result.Data, expected) << c.name;
    }
}

TEST_F(DataFileTest, AFailedSaveLeavesTheOldFileByteForByte) {
    const QString path = Path("map.pax");
    const VoltageMap map = EditedMap(15, 15, 0, 128);
    ASSERT_TRUE(WriteDataFile(WithNote(EditedMap(5, 5, 0, 8), QStringLiteral("old")), path).Ok);
    const QByteArray old = ReadBytes(path);

    WriteResult result;
    {
        const FileSizeLimit full(100);
        ASSERT_TRUE(full.IsSet());
        result = WriteDataFile(WithNote(map, QStringLiteral("new")), path);
    }
    EXPECT_FALSE(result.Ok || result.Error.isEmpty());
    EXPECT_EQ(ReadBytes(path), old);
}

TEST_F(DataFileTest, FromPointsWritesTheMapAsASaveDoesOrNothing) {
    for (const auto& [name, text] :
         {std::pair{"points.txt", "0;0\n15;15\n"}, std::pair{"bad.txt", "0;0\n15;15\n16;1\n"}}) {
        QFile file(Path(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly) && file.write(text) > 0);
    }
    struct Case {
        std::function<void(PointsCommandOptions&)> change;
        int status;
        QString err;
    };
    const QString difference =
        "Largest difference between the points and the output of the BOX: 59 mV, at the "
        "point 15.000 V \u2192 15.000 V (line 2)\n";
    const Case cases[] = {
        {[](auto&) {}, kExitDone, difference},
        {[](auto& o) { o.Resolution = "100"; }, kExitUsage,
         "--resolution must be 128, 64, 32, 16 or 8, not \"100\"\n"},
        {[](auto& o) { o.InputSpan = "12"; }, kExitUsage,
         "--input-span must be 5, 10 or 15, not \"12\"\n"},
        {[](auto& o) { o.OutputSpan = "x"; }, kExitUsage,
         "--output-span must be 5, 10 or 15, not \"x\"\n"},
        {[](auto& o) { o.Note = QString(65536, 'n'); }, kExitUsage, "--note: The note"},
        {[this](auto& o) { o.PointsFile = Path("none.txt"); }, kExitBadFile,
         "The points were not imported; no value has changed.\n" +
             QDir::toNativeSeparators(Path("none.txt")) + "\nThe file cannot be read."},
        {[this](auto& o) { o.PointsFile = Path("bad.txt"); }, kExitBadFile,
         "The points were not imported; no value has changed.\n" +
             QDir::toNativeSeparators(Path("bad.txt")) +
             "\nBad line: 3\nThe input voltage is outside the input span: 0 - 15 V.\n"},
        {[this](auto& o) { o.MapFile = Path("no/out.pax"); }, kExitNotWritten,
         "The data file could not be saved:\n" + QDir::toNativeSeparators(Path("no/out.pax"))},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.err.toStdString());
        PointsCommandOptions options{Path("points.txt"), Path("out.pax"), "8", "15", "15",
                                     "batch 7"};
        c.change(options);
        QString err;
        QTextStream stream(&err);
        EXPECT_EQ(RunFromPointsCommand(options, '.', stream), c.status);
        EXPECT_TRUE(err.startsWith("solva-tx: " + c.err)) << err.toStdString();
        const bool written = QFile::exists(Path("out.pax"));
        EXPECT_EQ(written, c.status == kExitDone);
        if (written) {
            EXPECT_EQ(ReadBytes(Path("out.pax")), FileOf(kEightPoints + Lines{"batch 7"}));
            QFile::remove(Path("out.pax"));
        }
    }
}
