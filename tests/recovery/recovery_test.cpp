#include <gtest/gtest.h>

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QSysInfo>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include "recovery/work_recovery.h"
#include "tests/fakes/failing_files.h"
#include "tests/fakes/fake_platform.h"
#include "tests/fakes/file_bytes.h"
#include "tests/fakes/qt_printers.h"
#include "texts/texts.h"

namespace {

/// The version line every recovery file of this build carries.
const QByteArray kVersionLine = QByteArray("\r\n") + SOLVA_TEST_VERSION + "\r\n";

WorkingState State(double firstVolts, const QString& fileName, bool saved = false) {
    WorkingState state;
    state.Map.OutputRangeMax = 10;
    state.Map.Resolution = 8;
    state.Map.OutputValues = {firstVolts, 2.5, 3.75, 5, 6.25, 7.5, 8.75, 10};
    state.Map.Note = "első sor\nárvíztűrő\ttükörfúrógép";
    state.PortNumber = 12;
    state.SelectedPoint = 6;
    state.RangeEnd = 2;
    state.CurveBoxes = {"1,5", "", "- 2%0A"};  // as typed: a comma, nothing, a blank, a %
    state.FileName = fileName;
    state.Saved = saved;
    state.Changed = QDateTime(QDate(2026, 12, 7), QTime(8, 30, 12)).toUTC();
    return state;
}

/// The bytes with a checksum that holds again, as a file written so would have it.
QByteArray Resealed(QByteArray bytes) {
    bytes.chop(42);
    return bytes + QCryptographicHash::hash(bytes, QCryptographicHash::Sha1).toHex() + "\r\n";
}

/// Writes a file last changed secondsAgo.
void Put(const QString& path, const QByteArray& bytes, int secondsAgo = 0) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
    file.flush();
    file.setFileTime(QDateTime::currentDateTime().addSecs(-secondsAgo),
                     QFileDevice::FileModificationTime);
}

TEST(WorkingState, ComesBackWholeOrNotAtAll) {
    const WorkingState state = State(1.25, "/maps/a\nb%.pax");
    const QByteArray bytes = EncodeRecovery(state);
    const RecoveryDecodeResult back = DecodeRecovery(bytes);
    ASSERT_EQ(back.Fault, RecoveryFault::None);
    EXPECT_EQ(back.State, state);
    EXPECT_TRUE(DecodeRecovery(EncodeRecovery(State(0, "", true))).State.Saved);

    QByteArray flipped = bytes;
    flipped[flipped.indexOf("1250\r\n")] = '2';  // 1.25 V becomes 2.25 V
    QByteArray sizes = bytes;
    const qsizetype sizesAt = sizes.indexOf("\r\n", sizes.indexOf(".pax\r\n")) + 2;
    sizes.replace(sizesAt, sizes.indexOf("\r\n", sizesAt) - sizesAt,
                  "9223372036854775807 9223372036854775807");
    QByteArray otherFormat = bytes;
    otherFormat.replace("recovery 3\r\n", "recovery 2\r\n");  // before the selection
    const struct {
        const char* name;
        QByteArray bytes;
        RecoveryFault fault;
        QString version;
    } cases[] = {
        {"empty", "", RecoveryFault::Damaged, ""},
        {"cut by one byte", bytes.chopped(1), RecoveryFault::Damaged, ""},
        {"cut after the values", bytes.first(bytes.indexOf("10000\r\n") + 7),
         RecoveryFault::Damaged, ""},
        {"one value changed", flipped, RecoveryFault::Damaged, ""},
        {"a data file", "15\r\n15\r\n0\r\n0\r\n8\r\n", RecoveryFault::Damaged, ""},
        {"another layout", otherFormat, RecoveryFault::OtherVersion, ""},
        {"another program", Resealed(QByteArray(bytes).replace(kVersionLine, "\r\n0.9.1\r\n")),
         RecoveryFault::OtherVersion, "0.9.1"},
        // Nothing of a file is shown before its checksum holds, and then only a piece.
        {"another version, damaged", QByteArray(bytes).replace(kVersionLine, "\r\n0.9.1\r\n"),
         RecoveryFault::Damaged, ""},
        {"a megabyte of version",
         Resealed(
             QByteArray(bytes).replace(kVersionLine, "\r\n" + QByteArray(1 << 20, 'v') + "\r\n")),
         RecoveryFault::OtherVersion, QString(40, 'v') + QChar(0x2026)},
        {"sizes whose sum overflows", Resealed(sizes), RecoveryFault::Damaged, ""},
    };
    for (const auto& c : cases) {
        const RecoveryDecodeResult result = DecodeRecovery(c.bytes);
        EXPECT_EQ(result.Fault, c.fault) << c.name;
        EXPECT_EQ(result.Version, c.version) << c.name;
    }
}

// The lock of an instance that was killed: its process is gone, its lock file stays.
void LeaveDeadLock(const QString& recoveryFile) {
    QProcess gone;
    gone.start(QCoreApplication::applicationFilePath(), {"--gtest_list_tests"});
    ASSERT_TRUE(gone.waitForStarted());
    const qint64 pid = gone.processId();
    gone.waitForFinished();
    Put(recoveryFile + ".lock",
        QByteArray::number(pid) + "\ntrue\n" + QSysInfo::machineHostName().toUtf8() + "\n");
}

/// The recovery files in the folder, by name.
QStringList Names(const QString& folder, const QString& pattern = "*.recovery") {
    return QDir(folder).entryList({pattern}, QDir::Files, QDir::Name);
}

TEST(RecoveryFiles, RunningInstancesKeepTheirOwnAndLeftWorkIsTakenOnce) {
    QTemporaryDir dir;
    OwnRecoveryFile first(dir.path()), second(dir.path());
    LeftRecoveryFiles third(dir.path()), fourth(dir.path());
    QString error;
    ASSERT_TRUE(first.Write("1", error) && second.Write("2", error));
    ASSERT_EQ(Names(dir.path()).size(), 2);
    EXPECT_TRUE(third.Claim().isEmpty());  // both are running

    const QString killed = dir.filePath("killed.recovery"), lockless = dir.filePath("x.recovery");
    Put(killed, "3", 30);
    LeaveDeadLock(killed);
    Put(lockless, "", 60);
    second.Remove();
    EXPECT_EQ(third.Claim(), QStringList({killed, lockless}));  // newest first
    EXPECT_TRUE(fourth.Claim().isEmpty());                      // claimed by third

    EXPECT_EQ(third.SetAside(lockless), dir.filePath("x.refused"));
    Put(lockless, "", 60);  // damaged again under the same name
    EXPECT_EQ(third.Claim(), QStringList{lockless});
    EXPECT_EQ(third.SetAside(lockless), dir.filePath("x-2.refused"));
    third.Release(killed);
    EXPECT_EQ(fourth.Claim(), QStringList{killed});
    fourth.Discard(killed);
    const QStringList own = Names(dir.path());
    ASSERT_EQ(own.size(), 1);
    EXPECT_EQ(ReadBytes(dir.filePath(own[0])), "1");
    EXPECT_EQ(Names(dir.path(), "*"),
              QStringList({own[0], own[0] + ".lock", "x-2.refused", "x.refused"}));
}

class Recovery : public ::testing::Test {
protected:
    QTemporaryDir dir;
    FakeMessageBox messageBox;
    Texts texts;
    FakeClock clock;
    WorkingState current = State(4, "now.pax");
    std::vector<WorkingState> restored;

    void Offer(WorkRecovery& recovery) {
        recovery.OfferLeftWork([this](const WorkingState& s) { restored.push_back(s); });
    }
    void Left(const char* name, const QByteArray& bytes, int secondsAgo) {
        Put(dir.filePath(name), bytes, secondsAgo);
    }
};

TEST_F(Recovery, AsksNewestFirstUntilOneIsRestoredAndSetsDamagedFilesAside) {
    Left("saved.recovery", EncodeRecovery(State(1, "saved.pax", true)), 10);
    Left("newest.recovery", EncodeRecovery(State(2, "")), 20);
    Left("cut.recovery", EncodeRecovery(State(9, "cut.pax")).chopped(3), 30);
    Left("older.recovery", EncodeRecovery(State(3, "/maps/older.pax")), 40);
    Left("oldest.recovery", EncodeRecovery(State(5, "oldest.pax")), 50);
    texts.SetLanguage(UiLanguage::Eng);
    messageBox.answers = {MessageAnswer::No, MessageAnswer::Ok, MessageAnswer::Yes};
    WorkRecovery recovery(
        dir.path(), [this] { return current; }, messageBox, texts, clock);
    Offer(recovery);

    ASSERT_EQ(messageBox.shown.size(), 3u);
    const QString question =
        "The program did not close properly last time. Do you want to restore the unsaved "
        "data?\n\nLast changed: 2026-12-07 08:30:12\nFile: ";
    EXPECT_EQ(messageBox.shown[0].prompt, question + "(never saved)");
    EXPECT_EQ(messageBox.shown[0].title, "Restore");
    EXPECT_EQ(messageBox.shown[0].buttons, MessageButtons::YesNo);
    EXPECT_EQ(messageBox.shown[0].defaultAnswer, MessageAnswer::Yes);
    EXPECT_EQ(messageBox.shown[1].prompt,
              "The recovery file is damaged and cannot be restored.\nIt was kept aside as:\n" +
                  QDir::toNativeSeparators(dir.filePath("cut.refused")));
    EXPECT_EQ(messageBox.shown[2].prompt, question + QDir::toNativeSeparators("/maps/older.pax"));
    ASSERT_EQ(restored.size(), 1u);
    EXPECT_EQ(restored[0], State(3, "/maps/older.pax"));
    // The restored work is this instance's own at once; the oldest waits for the next start.
    const QStringList left = Names(dir.path());
    ASSERT_EQ(left.size(), 2);
    const QString own = left[left[0] == "oldest.recovery" ? 1 : 0];
    EXPECT_EQ(DecodeRecovery(ReadBytes(dir.filePath(own))).State, State(4, "now.pax"));
    EXPECT_EQ(Names(dir.path(), "*.refused"), QStringList{"cut.refused"});
}

TEST_F(Recovery, OtherVersionsAreRefusedInHungarianToo) {
    Left("a.recovery",
         Resealed(EncodeRecovery(State(1, "a.pax")).replace(kVersionLine, "\r\n0.0.1\r\n")), 0);
    WorkRecovery recovery(
        dir.path(), [this] { return current; }, messageBox, texts, clock);
    Offer(recovery);
    ASSERT_EQ(messageBox.shown.size(), 1u);
    EXPECT_EQ(messageBox.shown[0].prompt,
              "A helyreállítási állományt a program egy másik változata írta, nem állítható "
              "vissza.\nVáltozat: 0.0.1\nFélretéve ide:\n" +
                  QDir::toNativeSeparators(dir.filePath("a.refused")));
    EXPECT_TRUE(restored.empty());
}

// A change is written once its timer runs out, or by a change that comes kWriteDelayMs after
// the first unwritten one: a long drag is kept as it goes.
TEST_F(Recovery, AChangeIsWrittenSoonAndACleanExitLeavesNothing) {
    WorkRecovery recovery(
        dir.filePath("sub"), [this] { return current; }, messageBox, texts, clock);
    const QString folder = dir.filePath("sub");
    const auto written = [&] {
        recovery.Flush();
        const QStringList names = Names(folder);
        return names.isEmpty() ? WorkingState{}
                               : DecodeRecovery(ReadBytes(folder + "/" + names[0])).State;
    };
    auto* timer = recovery.findChild<QTimer*>("RecoveryWrite");
    ASSERT_NE(timer, nullptr);
    recovery.Changed();
    current = State(6, "later.pax");  // what the write finds is what it keeps
    ASSERT_TRUE(timer->isActive());
    EXPECT_EQ(timer->interval(), 500);
    QMetaObject::invokeMethod(timer, "timeout");
    WorkingState first = written();
    EXPECT_LE(first.Changed.secsTo(QDateTime::currentDateTimeUtc()), 5);
    first.Changed = current.Changed;
    EXPECT_EQ(first, current);

    current = State(7, "later.pax");
    for (const int ms : {0, 300, 199, 1}) {
        clock.now += std::chrono::milliseconds(ms);
        recovery.Changed();
        EXPECT_EQ(written().Map.OutputValues[0], ms == 1 ? 7 : 6) << ms;
    }
    recovery.CleanExit();
    EXPECT_TRUE(QDir(dir.filePath("sub")).isEmpty());
}

// The work a crash left stays on disk until it is kept again as this instance's own.
TEST_F(Recovery, LeftWorkStaysWhenItCannotBeKeptAgain) {
    const QByteArray left = EncodeRecovery(State(3, "a.pax"));
    Left("left.recovery", left, 10);
    messageBox.answers = {MessageAnswer::Yes};
    current.Map.Note = std::string(2000, 'x');  // too long to write; a lock file is not
    WorkRecovery recovery(
        dir.path(), [this] { return current; }, messageBox, texts, clock);
    {
        const FileSizeLimit full(1000);
        ASSERT_TRUE(full.IsSet());
        Offer(recovery);
    }
    EXPECT_EQ(restored.size(), 1u);
    EXPECT_EQ(messageBox.shown.size(), 2u);  // the question, then the failed write
    EXPECT_EQ(Names(dir.path()), QStringList{"left.recovery"});
    EXPECT_EQ(ReadBytes(dir.filePath("left.recovery")), left);
}

// One message a run, and a sign for as long as each failure lasts.
TEST_F(Recovery, AFolderThatCannotBeWrittenIsToldOnceAndSignedWhileItLasts) {
    Put(dir.filePath("file"), "");
    const QString folder = QDir::toNativeSeparators(dir.filePath("file/sub"));
    WorkRecovery recovery(
        dir.filePath("file/sub"), [this] { return current; }, messageBox, texts, clock);
    QStringList signs;
    QObject::connect(&recovery, &WorkRecovery::WritingFailed,
                     [&](const QString& reason) { signs << reason; });
    QObject::connect(&recovery, &WorkRecovery::WritingWorks, [&] { signs << "works"; });
    const auto write = [&] {
        recovery.WriteNow();
        recovery.Flush();
        QCoreApplication::processEvents();
    };
    write();
    write();
    EXPECT_EQ(signs, QStringList{folder});
    QFile::remove(dir.filePath("file"));
    write();
    EXPECT_EQ(signs, QStringList({folder, "works"}));
    // The folder goes after the first write: the same file cannot be replaced.
    ASSERT_TRUE(QDir(dir.filePath("file")).removeRecursively());
    Put(dir.filePath("file"), "");
    write();
    ASSERT_EQ(signs.size(), 3);
    EXPECT_TRUE(signs[2].startsWith(folder + "\n")) << signs[2].toStdString();
    ASSERT_EQ(messageBox.shown.size(), 1u);
    EXPECT_EQ(messageBox.shown[0].prompt,
              "A nem mentett munka nem menthető a helyreállításhoz:\n" + folder);
}

}  // namespace
