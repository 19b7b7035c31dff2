#include "pax_format.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QStringList>

#include "file_text.h"
#include "voltage_map.h"

namespace {

QByteArray ReadBytes(const QString& path) {
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << qPrintable(path);
    return file.readAll();
}

/// A file from its lines, each ended by CR LF.
QByteArray FileOf(const QList<QByteArray>& lines) {
    QByteArray bytes;
    for (const QByteArray& line : lines) {
        bytes += line + "\r\n";
    }
    return bytes;
}

/// Header of a 15 V / 15 V map with 8 breakpoints, then its eight values.
QList<QByteArray> EightPointLines() {
    return {"15",   "15",   "0",    "0",     "8",     "1875", "3750",
            "5625", "7500", "9375", "11250", "13125", "15000"};
}

PaxData EightPointData(const QString& note) {
    PaxData data;
    data.Resolution = 8;
    for (int k = 0; k < 8; ++k) {
        data.Values[k] = (k + 1) * 1.875;
    }
    data.Note = note;
    return data;
}

}  // namespace

TEST(PaxFormatTest, DefaultMapWithNoteAbcIsTheHandWrittenFile) {
    VoltageMap map;
    FillStartLine(map);
    const QByteArray expected = ReadBytes(SOLVA_FILES_TEST_DATA "/default_abc.pax");
    const QByteArray written = EncodePax(PaxDataFromMap(map, QStringLiteral("abc")));
    EXPECT_EQ(written, expected);
    EXPECT_EQ(written.count("\r\n"), 134);
    EXPECT_EQ(written.count('\n'), 134);
    EXPECT_TRUE(written.startsWith("15\r\n15\r\n0\r\n0\r\n128\r\n117\r\n234\r\n352\r\n469\r\n"));
    EXPECT_TRUE(written.endsWith("\r\n14883\r\n15000\r\nabc\r\n"));
}

TEST(PaxFormatTest, MillivoltsAreTheShortestTextOfFifteenDigits) {
    ASSERT_LT(1.001 * 1000, 1001.0);  // why plain truncation would write 1000
    const struct {
        double volts;
        const char* text;
    } cases[] = {{1.001, "1001"}, {0.117, "117"}, {15.0, "15000"},   {0.0, "0"},
                 {4.999, "4999"}, {0.001, "1"},   {14.999, "14999"}, {2.812, "2812"},
                 {9.009, "9009"}, {0.938, "938"}};
    for (const auto& c : cases) {
        EXPECT_EQ(MillivoltText(c.volts), QByteArray(c.text)) << c.volts;
    }
}

TEST(PaxFormatTest, EveryFrameAndNoteReadsBackAsWritten) {
    const QString notes[] = {
        QString(),
        QStringLiteral("abc"),
        QStringLiteral("first\r\nsecond\r\nthird"),
        QStringLiteral("\r\n\r\nafter two empty lines"),
        QStringLiteral("ends with empty lines\r\n\r\n"),
        QStringLiteral("\r\n"),
        QStringLiteral("Árvíztűrő tükörfúrógép\r\nŐŰ őű"),
    };
    int variant = 0;
    for (const int inputSpan : {5, 10, 15}) {
        for (const int outputSpan : {5, 10, 15}) {
            for (const int filters : {0, 1, 2, 3}) {
                for (int index = 0; index <= 4; ++index) {
                    PaxData data;
                    data.InputRangeMax = inputSpan;
                    data.OutputRangeMax = outputSpan;
                    data.InputFilter = filters & 1;
                    data.OutputFilter = filters >> 1;
                    data.Resolution = ResolutionAt(index);
                    for (int k = 0; k < data.Resolution; ++k) {
                        // Every millivolt step of the span is reachable, both ends included.
                        const int millivolts = (k * 7919 + variant * 131) % (outputSpan * 1000 + 1);
                        data.Values[k] = millivolts / 1000.0;
                    }
                    data.Values[data.Resolution - 1] = outputSpan;
                    data.Note = notes[variant % std::size(notes)];
                    ++variant;
                    const PaxDecodeResult read = DecodePax(EncodePax(data));
                    ASSERT_TRUE(read.Ok()) << variant;
                    EXPECT_EQ(read.Data, data)
                        << "spans " << inputSpan << "/" << outputSpan << " filters " << filters
                        << " resolution " << data.Resolution;
                }
            }
        }
    }
}

TEST(PaxFormatTest, LeadingEmptyNoteLinesAreKeptInTheFile) {
    const QByteArray bytes = EncodePax(EightPointData(QStringLiteral("\r\n\r\nx")));
    EXPECT_TRUE(bytes.endsWith("15000\r\n\r\n\r\nx\r\n"));
    EXPECT_TRUE(EncodePax(EightPointData({})).endsWith("15000\r\n\r\n"));
    // A note from the editor with bare line feeds is stored with CR LF.
    EXPECT_TRUE(EncodePax(EightPointData(QStringLiteral("a\nb"))).endsWith("\r\na\r\nb\r\n"));
}

TEST(PaxFormatTest, BadFilesAreRefusedAtTheirFirstBadLine) {
    QList<QByteArray> lines = EightPointLines();
    auto with = [&](int line, const QByteArray& text) {
        QList<QByteArray> changed = lines;
        changed[line - 1] = text;
        return FileOf(changed + QList<QByteArray>{"note"});
    };
    const QByteArray longLine(100000, '7');
    const struct {
        const char* name;
        QByteArray bytes;
        PaxFault fault;
        int line;
    } cases[] = {
        {"empty file", "", PaxFault::Truncated, 1},
        {"header ends", "15\r\n15\r\n0\r\n0\r\n", PaxFault::Truncated, 5},
        {"values end", FileOf(lines.mid(0, 9)), PaxFault::Truncated, 10},
        {"input span 12", with(1, "12"), PaxFault::BadSpan, 1},
        {"input span 15.5", with(1, "15.5"), PaxFault::BadSpan, 1},
        {"output span 0", with(2, "0"), PaxFault::BadSpan, 2},
        {"output span word", with(2, "fifteen"), PaxFault::BadSpan, 2},
        {"input filter 2", with(3, "2"), PaxFault::BadFilter, 3},
        {"output filter -1", with(4, "-1"), PaxFault::BadFilter, 4},
        {"resolution 100", with(5, "100"), PaxFault::BadResolution, 5},
        {"resolution 256", with(5, "256"), PaxFault::BadResolution, 5},
        {"resolution empty", with(5, ""), PaxFault::BadResolution, 5},
        {"value word", with(8, "abc"), PaxFault::NotNumber, 8},
        {"value exponent", with(8, "1e3"), PaxFault::NotNumber, 8},
        {"value inf", with(8, "inf"), PaxFault::NotNumber, 8},
        {"value two marks", with(8, "1.2.3"), PaxFault::NotNumber, 8},
        {"value empty", with(13, ""), PaxFault::NotNumber, 13},
        {"value very long", with(6, longLine), PaxFault::NotNumber, 6},
        {"value above span", with(13, "15001"), PaxFault::ValueOutOfRange, 13},
        {"value below zero", with(6, "-1"), PaxFault::ValueOutOfRange, 6},
        {"NUL in a value",
         with(7, QByteArray("37\0"
                            "50",
                            5)),
         PaxFault::Binary, 7},
        {"control in the note", FileOf(lines + QList<QByteArray>{"a\x01"}), PaxFault::Binary, 14},
        {"DEL in the header", with(2, "1\x7f"), PaxFault::Binary, 2},
        {"too large", QByteArray(kMaxPaxFileBytes + 1, 'x'), PaxFault::TooLarge, 0},
    };
    for (const auto& c : cases) {
        const PaxDecodeResult result = DecodePax(c.bytes);
        EXPECT_EQ(result.Fault, c.fault) << c.name;
        EXPECT_EQ(result.Line, c.line) << c.name;
    }
    // On a 0 - 5 V output a value of 5000 mV is allowed, one millivolt more is not.
    lines = {"15",   "5",    "0",    "0",    "8",    "625", "1250",
             "1875", "2500", "3125", "3750", "4375", "5000"};
    EXPECT_EQ(DecodePax(with(12, "4999")).Fault, PaxFault::None);
    EXPECT_EQ(DecodePax(with(12, "5001")).Fault, PaxFault::ValueOutOfRange);
    EXPECT_EQ(DecodePax(with(12, "5001")).Line, 12);
}

TEST(PaxFormatTest, TolerableVariationsAreRead) {
    const PaxData expected = EightPointData(QStringLiteral("note"));
    QByteArray crLf = FileOf(EightPointLines() + QList<QByteArray>{"note"});
    QByteArray lf = crLf;
    lf.replace("\r\n", "\n");
    QByteArray cr = crLf;
    cr.replace("\r\n", "\r");
    const struct {
        const char* name;
        QByteArray bytes;
    } cases[] = {
        {"LF endings", lf},
        {"CR endings", cr},
        {"no last line break", crLf.chopped(2)},
        {"UTF-8 byte order mark", "\xEF\xBB\xBF" + crLf},
        {"blanks and decimals", QByteArray(crLf)
                                    .replace("15\r\n15\r\n", " 15 \r\n15.0\r\n")
                                    .replace("\r\n1875\r\n", "\r\n1875,0\r\n")
                                    .replace("\r\n3750\r\n", "\r\n\t3750.4\r\n")},
    };
    for (const auto& c : cases) {
        const PaxDecodeResult result = DecodePax(c.bytes);
        ASSERT_TRUE(result.Ok()) << c.name;
        EXPECT_EQ(result.Data, expected) << c.name;
    }
    // No line after the values: an empty note.
    EXPECT_EQ(DecodePax(FileOf(EightPointLines())).Data.Note, QString());
}

TEST(PaxFormatTest, NotesFromOlderWindowsSystemsReadAsWindows1250) {
    const QByteArray note1250 =
        "\xC1rv\xEDzt\xFBr\xF5 t\xFCk\xF6rf\xFAr\xF3g\xE9p \xD5\xDB \x8A\x9A";
    const PaxDecodeResult result =
        DecodePax(FileOf(EightPointLines() + QList<QByteArray>{note1250, "\xE9n"}));
    ASSERT_TRUE(result.Ok());
    EXPECT_EQ(result.Data.Note, QStringLiteral("Árvíztűrő tükörfúrógép ŐŰ Šš\r\nén"));
    // The same note in UTF-8 is read as UTF-8, not as two Windows-1250 characters each.
    const QByteArray noteUtf8 = QStringLiteral("Árvíztűrő ŐŰ").toUtf8();
    EXPECT_EQ(DecodePax(FileOf(EightPointLines() + QList<QByteArray>{noteUtf8})).Data.Note,
              QStringLiteral("Árvíztűrő ŐŰ"));
}

TEST(PaxFormatTest, LinesEndAtCrLfLfOrCr) {
    EXPECT_EQ(SplitLines(QStringLiteral("a\r\nb\nc\rd")), QStringList({"a", "b", "c", "d"}));
    EXPECT_EQ(SplitLines(QStringLiteral("a\r\n\r\n")), QStringList({"a", ""}));
    EXPECT_EQ(SplitLines(QStringLiteral("\n")), QStringList({""}));
    EXPECT_EQ(SplitLines(QString()), QStringList());
    EXPECT_EQ(FirstBinaryLine("a\r\nb\nc\rd\x02"), 4);
    EXPECT_EQ(FirstBinaryLine("a\tb\r\n"), 0);
}

// The seeds of the fuzz target: ok-* files are accepted, bad-* files refused.
TEST(PaxFormatTest, FuzzSeedsAreAcceptedOrRefusedAsNamed) {
    const QDir corpus(QStringLiteral(SOLVA_FUZZ_CORPUS));
    const QStringList names = corpus.entryList(QDir::Files);
    ASSERT_GE(names.size(), 10);
    for (const QString& name : names) {
        const PaxDecodeResult result = DecodePax(ReadBytes(corpus.filePath(name)));
        if (name.startsWith(QStringLiteral("ok-"))) {
            EXPECT_TRUE(result.Ok()) << qPrintable(name) << " line " << result.Line;
            EXPECT_EQ(DecodePax(EncodePax(result.Data)).Data, result.Data) << qPrintable(name);
        } else {
            EXPECT_TRUE(name.startsWith(QStringLiteral("bad-"))) << qPrintable(name);
            EXPECT_FALSE(result.Ok()) << qPrintable(name);
        }
    }
    const PaxDecodeResult old = DecodePax(ReadBytes(corpus.filePath("ok-hungarian-1250.pax")));
    EXPECT_EQ(old.Data.Note, QStringLiteral("Árvíztűrő tükörfúrógép"));
    const PaxDecodeResult lines = DecodePax(ReadBytes(corpus.filePath("ok-note-lines.pax")));
    EXPECT_EQ(lines.Data.Note, QStringLiteral("\r\nfirst\r\n\r\nlast\r\n"));
}
