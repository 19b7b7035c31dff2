#include "sent_maps.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "failing_files.h"
#include "fake_platform.h"
#include "qt_printers.h"
#include "texts.h"
#include "voltage_map.h"

// 500 files kept already, numbered without padding so that only a numeric order finds the
// oldest (by name "100_" comes first), and one file of the user's own that is never touched.
TEST(SentMaps, KeepsTheNewestFiveHundredInNumberOrder) {
    QTemporaryDir dir;
    SentMaps sent(dir.filePath("sent"));
    QDir(dir.path()).mkdir("sent");
    for (int n = 2; n <= 501; ++n) {
        QFile(dir.filePath(QString("sent/%1_old.pax").arg(n))).open(QIODevice::WriteOnly);
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
    EXPECT_FALSE(left.contains("2_old.pax"));
    EXPECT_TRUE(left.contains("100_old.pax") && left.contains("mine.pax"));
}

// A copy that cannot be written is told, and the newest copy kept stays the one before.
TEST(SentMaps, ACopyThatCannotBeWrittenIsTold) {
    QTemporaryDir dir;
    SentMaps sent(dir.path());
    VoltageMap map;
    FillStartLine(map);
    WriteResult result;
    const QString older = sent.Keep(map, 2, QDateTime::currentDateTime(), result);
    FakeMessageBox messageBox;
    {
        const FileSizeLimit full(100);
        ASSERT_TRUE(full.IsSet());
        KeepSentMap(sent, map, 2, messageBox, Texts(UiLanguage::Eng));
    }
    ASSERT_EQ(messageBox.shown.size(), 1u);
    EXPECT_TRUE(messageBox.shown[0].prompt.startsWith(
        "A copy of the data sent could not be kept:\n" + dir.path() + '\n'));
    EXPECT_EQ(sent.NewestFor(2), older);
}
