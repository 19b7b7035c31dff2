// The report as a reader gets it: the text pdftotext copies out of the PDF.
#include <gtest/gtest.h>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTextStream>

#include "cli/command_line.h"
#include "cli/report_command.h"
#include "core/voltage_map.h"
#include "report/map_report.h"

namespace {

/// The PDF's text line by line, blanks between the columns squeezed to one; a page ends
/// with a line of its own.
QStringList PdfLines(const QString& path) {
    QProcess pdftotext;
    pdftotext.start("pdftotext", {"-layout", path, "-"});
    EXPECT_TRUE(pdftotext.waitForFinished()) << "pdftotext (poppler-utils) is needed";
    QStringList lines;
    const QString text = QString::fromUtf8(pdftotext.readAllStandardOutput());
    for (const QString& line : text.split(QRegularExpression("\n|(?=\f)"))) {
        lines << (line.startsWith('\f') ? "<page>" : line.simplified());
    }
    return lines;
}

TEST(MapReport, ShowsTheMapItsFileAndTheChecksumOnOnePage) {
    QTemporaryDir dir;
    VoltageMap map;
    map.InputRangeMax = 5;
    map.OutputRangeMax = 10;
    map.InputFilter = 1;
    map.Resolution = 8;
    const double values[] = {0.625, 2.5, 3, 4, 5.125, 7, 9, 10};
    std::copy(std::begin(values), std::end(values), map.OutputValues.begin());
    const QDateTime fileDate(QDate(2026, 12, 1), QTime(9, 5));
    const ReportSource source{"/box/kazán.pax", fileDate, true, "Árvíztűrő tükörfúrógép\nsor 2"};
    const QString pdf = dir.filePath("r.pdf");
    QString error;
    ASSERT_TRUE(WriteMapReport(map, source, UiLanguage::Hun, ',', fileDate.addDays(6), pdf, error))
        << error.toStdString();

    const QStringList lines = PdfLines(pdf);
    EXPECT_EQ(lines.count("<page>"), 1);
    // Config byte: input 5 V 0, output 10 V 64, input filter 2. The checksum is zlib.crc32 of
    // the stream worked out in Python from the device table's rules.
    const QStringList head = {
        "SOLVA-TX feszültségtérkép – jegyzőkönyv",
        "Adatállomány: /box/kazán.pax (a térkép a mentés óta módosult)",
        "Az adatállomány dátuma: 2026-12-01 09:05 A jegyzőkönyv készült: 2026-12-07 09:05",
        "Bemeneti tartomány: 0 - 5 V Kimeneti tartomány: 0 - 10 V",
        "Felbontás: 8 töréspont Konfigurációs bájt: 0x42 (01000010)",
        "Bemeneti jelszűrés: be Kimeneti jelszűrés: ki",
        "Az áttöltött 768 bájt ellenőrzőösszege (CRC-32): 99F5D048",
        "",
        "Megjegyzés: Árvíztűrő tükörfúrógép",
        "sor 2",
    };
    EXPECT_EQ(lines.mid(0, head.size()), head);
    const QStringList table = {
        "Pont U(be) V U(ki) V", "1 0,625 0,625", "2 1,250 2,500", "3 1,875 3,000",  "4 2,500 4,000",
        "5 3,125 5,125",        "6 3,750 7,000", "7 4,375 9,000", "8 5,000 10,000",
    };
    const qsizetype at = lines.indexOf(table[0]);
    ASSERT_GT(at, head.size());
    EXPECT_EQ(lines.mid(at, table.size()), table);
    // The chart's labels: the output axis from 10 V down, then the input axis to 5 V.
    const QStringList labels =
        lines.mid(head.size(), at - head.size()).filter(QRegularExpression("^[0-9, ]+$"));
    EXPECT_EQ(labels.join('|'),
              "10,0|9,0|8,0|7,0|6,0|5,0|4,0|3,0|2,0|1,0|0,0|"
              "0,0 0,5 1,0 1,5 2,0 2,5 3,0 3,5 4,0 4,5 5,0");
}

// A long folder loses its middle folders; a long name and the mark go to a line of their
// own, never cut. About 100 c's are wider than the page, 50 leave the name and mark a line.
TEST(MapReport, ALongPathKeepsTheFileNameAndTheMarkWhole) {
    QTemporaryDir dir;
    const QString longFolder = "/mérések/" + QString(100, 'c') + "/2026/v3.pax";
    const QString longName = "/mérések/" + QString(50, 'c') + ".pax";
    const struct {
        QString path;
        QStringList lines;
    } cases[] = {
        {longFolder, {"Adatállomány: /mérések/…/2026/v3.pax (a térkép a mentés óta módosult)"}},
        {longName,
         {"Adatállomány: /mérések/", QString(50, 'c') + ".pax (a térkép a mentés óta módosult)"}},
    };
    for (const auto& c : cases) {
        const QString pdf = dir.filePath("r.pdf");
        QString error;
        ASSERT_TRUE(WriteMapReport(VoltageMap(), {c.path, {}, true, "n"}, UiLanguage::Hun, ',',
                                   QDateTime(QDate(2026, 12, 7), QTime(9, 5)), pdf, error));
        const QStringList lines = PdfLines(pdf);
        EXPECT_EQ(lines.mid(1, c.lines.size()), c.lines);
        EXPECT_TRUE(lines.at(1 + c.lines.size()).startsWith("Az adatállomány dátuma: -"));
        EXPECT_TRUE(lines.contains("Megjegyzés: n"));
    }
}

TEST(MapReport, ARefusedFileGivesTheLoadMessageAndWritesNothing) {
    QTemporaryDir dir;
    const QString pax = dir.filePath("span.pax");
    QFile file(pax);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly) && file.write("12\r\n5\r\n") == 7);
    file.close();
    const QString pdf = dir.filePath("r.pdf");
    for (const auto& [language, exit, message] :
         {std::tuple("eng", kExitBadFile,
                     "solva-tx: The data file could not be loaded:\n" +
                         QDir::toNativeSeparators(pax) +
                         "\nBad line: 1\nA voltage span must be 5, 10 or 15.\n"),
          std::tuple("fin", kExitUsage,
                     QString("solva-tx: --language must be hun or eng, not 'fin'\n"))}) {
        QString err;
        QTextStream errors(&err);
        EXPECT_EQ(RunReportCommand(pax, pdf, language, errors), exit);
        errors.flush();
        EXPECT_EQ(err, message);
        EXPECT_FALSE(QFile::exists(pdf));
    }
}

}  // namespace
