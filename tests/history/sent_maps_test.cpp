#include "history/sent_maps.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "core/voltage_map.h"
#include "history/send_record.h"
#include "tests/fakes/failing_files.h"
#include "tests/fakes/fake_platform.h"
#include "tests/fakes/qt_printers.h"
#include "texts/texts.h"

// 500 files kept already, numbered without padding so that only a numeric order finds the
// oldest (by name "100_" comes first), and one file of the user's own that is never touched.
TEST(SentMaps, KeepsTheNewestFiveHundredInNumberOrder) {
    QTemporaryDir dir;
    SentMaps sent(dir.filePath("sent"));
    QDir(dir.path()).mkdir("sent");
    for (int n = 2; n <= 501; ++n) {
        QFile(dir.filePath(QString("sent/%1_2026-01-01_00-00-00_com1.pax").arg(n)))
            .open(QIODevice::WriteOnly);
    }
    QFile(dir.filePath("sent/mine.pax")).open(QIODevice::WriteOnly);

    VoltageMap map;
    FillStartLine(map);
    WriteResult result;
    const QDateTime when(QDate(2026, 12, 7), QTime(14, 3, 59));
    map.Note = "box\r\n2";
    const QString kept = sent.Keep(map, 3, when, result);

    EXPECT_EQ(kept, dir.filePath("sent/000502_2026-12-07_14-03-59_com3.pax"));
    EXPECT_EQ(SentMaps::SentLabel(kept), "2026-12-07 14:03:59, com 3");
    EXPECT_EQ(sent.Newest(), kept);
    const QStringList left = QDir(dir.filePath("sent")).entryList(QDir::Files);
    EXPECT_EQ(left.size(), 500 + 1);
    EXPECT_FALSE(left.contains("2_2026-01-01_00-00-00_com1.pax"));
    EXPECT_TRUE(left.contains("100_2026-01-01_00-00-00_com1.pax") && left.contains("mine.pax"));
}

// Begun, cut off, withdrawn, completed: the record of a send from before the port opens
// to its copy, per port.
TEST(SentMaps, ASendIsOnRecordFromBeforeThePortOpensToItsCopy) {
    QTemporaryDir dir;
    SentMaps sent(dir.filePath("sent"));
    MapContent map;
    FillStartLine(map);
    map.Note = "a note";
    WriteResult result;
    const QDateTime nine(QDate(2026, 12, 7), QTime(9, 0)), ten(QDate(2026, 12, 7), QTime(10, 0));
    const QString cutOff = sent.BeginSend(map, 3, nine, result);
    EXPECT_EQ(cutOff, dir.filePath("sent/sending_2026-12-07_09-00-00_com3.pax"));
    const QString other = sent.BeginSend(map, 4, nine, result);
    const QString withdrawn = sent.BeginSend(map, 3, ten, result);
    EXPECT_EQ(sent.CutOffFor(3), withdrawn);
    SentMaps::WithdrawSend(withdrawn);
    EXPECT_EQ(sent.CutOffFor(3), cutOff);
    EXPECT_EQ(sent.CutOffSends(), QStringList({cutOff, other}));
    EXPECT_EQ(SentMaps::SentLabel(cutOff), "2026-12-07 09:00:00, com 3");
    EXPECT_TRUE(sent.Newest().isEmpty());  // a record is no copy

    const QString intent = sent.BeginSend(map, 3, ten, result);
    const QString kept = sent.CompleteSend(intent, map, 3, ten, result);
    EXPECT_EQ(kept, dir.filePath("sent/000001_2026-12-07_10-00-00_com3.pax"));
    EXPECT_EQ(sent.CutOffSends(), QStringList{other});  // com 4 stays cut off
    EXPECT_EQ(ReadDataFile(kept).Data.Note, "a note");
    // Without a record (the folder refused it) the copy is written afresh.
    EXPECT_EQ(sent.CompleteSend({}, map, 3, nine, result),
              dir.filePath("sent/000002_2026-12-07_09-00-00_com3.pax"));
}

// Names a send never writes, with numbers up to the end of the 64 bits.
TEST(SentMaps, PlantedNamesSteerNeitherTheNumbersNorTheNewest) {
    QTemporaryDir dir;
    SentMaps sent(dir.filePath("sent"));
    QDir(dir.path()).mkdir("sent");
    for (const char* name :
         {"9223372036854775807_.pax", "9223372036854775807_2026-12-07_09-00-00_com3.pax",
          "-5_2026-12-07_09-00-00_com3.pax", "000007_x_com3.pax", "sending_x_com3.pax",
          "999999999999999_2026-12-07_09-00-00_com3.pax"}) {
        QFile(dir.filePath("sent/") + name).open(QIODevice::WriteOnly);
    }
    MapContent map;
    FillStartLine(map);
    WriteResult result;
    const QDateTime when(QDate(2026, 12, 7), QTime(9, 30));
    // The last number there is: the copy takes it too, and its later time orders it.
    const QString kept = sent.Keep(map, 3, when, result);
    EXPECT_EQ(kept, dir.filePath("sent/999999999999999_2026-12-07_09-30-00_com3.pax"));
    EXPECT_EQ(sent.Newest(), kept);
    EXPECT_EQ(sent.NewestFor(3), kept);
    EXPECT_TRUE(sent.CutOffSends().isEmpty());
}

// A copy that cannot be written is told, and the newest copy kept stays the one before.
TEST(SentMaps, ACopyThatCannotBeWrittenIsTold) {
    QTemporaryDir dir;
    SentMaps sent(dir.path());
    VoltageMap map;
    FillStartLine(map);
    WriteResult result;
    const QString older = sent.Keep(map, 2, QDateTime::currentDateTime(), result);
    map.PortNumber = 2;
    SentMapsRecord record(sent);
    {
        const FileSizeLimit full(100);
        ASSERT_TRUE(full.IsSet());
        record.Begin(map);
        record.Complete(map);
    }
    ASSERT_FALSE(record.Kept());
    FakeMessageBox messageBox;
    ReportSentNotKept(sent, record.Result(), messageBox, Texts(UiLanguage::Eng));
    ASSERT_EQ(messageBox.shown.size(), 1u);
    EXPECT_TRUE(
        messageBox.shown[0].prompt.startsWith("A copy of the data sent could not be kept:\n" +
                                              QDir::toNativeSeparators(dir.path()) + '\n'));
    EXPECT_EQ(sent.NewestFor(2), older);
}
