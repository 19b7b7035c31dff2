#include "file_commands.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QStringList>
#include <QTemporaryDir>

#include "data_file.h"
#include "device_table.h"
#include "fake_platform.h"

namespace {

/// The main window as the commands see it: records every call in order.
class FakeHost : public FileCommandHost {
public:
    explicit FakeHost(const VoltageMap& map) : map_(map) {}

    QStringList calls;
    QString note;
    QString title = QStringLiteral("SOLVA-TX");
    bool loadingFile = false;
    int resolutionShownInFrame = 0;
    bool frameShownWhileLoading = false;

    QString NoteText() const override { return note; }
    void SetNoteText(const QString& text) override {
        calls << QStringLiteral("SetNoteText");
        note = text;
    }
    void SetWindowTitle(const QString& text) override {
        calls << QStringLiteral("SetWindowTitle");
        title = text;
    }
    void SetLoadingFile(bool loading) override {
        calls << (loading ? QStringLiteral("LoadingFile=True")
                          : QStringLiteral("LoadingFile=False"));
        loadingFile = loading;
    }
    void ShowMapFrame() override {
        calls << QStringLiteral("ShowMapFrame");
        resolutionShownInFrame = map_.Resolution;
        frameShownWhileLoading = loadingFile;
    }
    void ShowMapInTable() override { calls << QStringLiteral("ShowMapInTable"); }
    void RedrawChart() override { calls << QStringLiteral("RedrawChart"); }
    void HideMarker() override { calls << QStringLiteral("HideMarker"); }
    void ClearPointPanel() override { calls << QStringLiteral("ClearPointPanel"); }
    void CloseWindow() override { calls << QStringLiteral("CloseWindow"); }

private:
    const VoltageMap& map_;
};

QByteArray ReadBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

class FileCommandsTest : public ::testing::Test {
protected:
    FileCommandsTest() {
        FillStartLine(map);
        BuildDeviceTable(map);
        SaveUndoSnapshot(map);
        map.PortNumber = 12;
    }

    QString Path(const char* name) const { return dir.filePath(QString::fromLatin1(name)); }
    QString SettingsPath() const { return Path("SOLVA-TX.ini"); }

    /// A saved 8-point file on disk, different from the start map.
    QString WriteEightPointFile(const char* name, const QString& note) {
        VoltageMap other;
        other.InputRangeMax = 10;
        other.OutputRangeMax = 5;
        other.OutputFilter = 1;
        other.Resolution = 8;
        for (int k = 0; k < 8; ++k) {
            other.SetOutputValue(k, 0.001 + k * 0.6);
        }
        EXPECT_TRUE(WriteDataFile(other, note, Path(name)).Ok);
        return Path(name);
    }

    QTemporaryDir dir;
    VoltageMap map;
    FakeHost host{map};
    FakePlatform platform;
    Texts texts{UiLanguage::Hun};
    FileCommands commands{map,   host,          platform.messageBox, platform.fileDialog,
                          texts, SettingsPath()};
};

}  // namespace

TEST_F(FileCommandsTest, SaveToANewNameWritesAndShowsThePath) {
    platform.fileDialog.names = {Path("new.pax")};
    host.note = QStringLiteral("abc");
    EXPECT_TRUE(commands.SaveCommand());

    ASSERT_EQ(platform.fileDialog.asked.size(), 1u);
    EXPECT_TRUE(platform.fileDialog.asked[0].save);
    EXPECT_EQ(platform.fileDialog.asked[0].title, QStringLiteral("Mentés"));
    EXPECT_EQ(platform.fileDialog.asked[0].filter, QStringLiteral("PAX Files(*.pax)|*.pax"));
    EXPECT_TRUE(platform.messageBox.shown.empty());
    EXPECT_EQ(commands.CurrentFileName(), Path("new.pax"));
    EXPECT_EQ(host.title, QStringLiteral("SOLVA-TX  ") + Path("new.pax"));
    EXPECT_TRUE(map.SavedCurveValid);
    EXPECT_EQ(map.SavedDeviceTable, map.DeviceTable);
    EXPECT_FALSE(IsMapChanged(map, host.note, Path("new.pax")));
}

TEST_F(FileCommandsTest, OverwriteNoThenCancelWritesNothing) {
    const QString existing = WriteEightPointFile("old.pax", QStringLiteral("old"));
    const QByteArray before = ReadBytes(existing);
    platform.fileDialog.names = {existing};
    platform.messageBox.answers = {MessageAnswer::No};
    EXPECT_FALSE(commands.SaveCommand());

    ASSERT_EQ(platform.messageBox.shown.size(), 1u);
    const ShownMessage& question = platform.messageBox.shown[0];
    EXPECT_EQ(question.prompt, QStringLiteral("Az adatállomány már létezik! Felülírja?"));
    EXPECT_EQ(question.title, QStringLiteral("Felülírás"));
    EXPECT_EQ(question.buttons, MessageButtons::YesNo);
    EXPECT_EQ(question.icon, MessageIcon::Question);
    EXPECT_EQ(question.defaultAnswer, MessageAnswer::No);
    EXPECT_EQ(platform.fileDialog.asked.size(), 2u);  // a fresh dialog, then cancelled
    EXPECT_EQ(ReadBytes(existing), before);
    EXPECT_TRUE(commands.CurrentFileName().isEmpty());
    EXPECT_TRUE(host.calls.isEmpty());
    EXPECT_FALSE(map.SavedCurveValid);
}

TEST_F(FileCommandsTest, OverwriteYesReplacesTheFile) {
    const QString existing = WriteEightPointFile("old.pax", QStringLiteral("old"));
    platform.fileDialog.names = {existing};
    platform.messageBox.answers = {MessageAnswer::Yes};
    EXPECT_TRUE(commands.SaveCommand());
    EXPECT_FALSE(IsMapChanged(map, host.note, existing));
    EXPECT_EQ(commands.CurrentFileName(), existing);
}

TEST_F(FileCommandsTest, AFailedSaveSaysWhyAndChangesNothing) {
    platform.fileDialog.names = {Path("first.pax"), Path("no-such-folder/second.pax")};
    ASSERT_TRUE(commands.SaveCommand());
    const auto savedCurve = map.SavedDeviceTable;
    map.SetOutputValue(0, 5.0);
    BuildDeviceTable(map);

    EXPECT_FALSE(commands.SaveCommand());
    ASSERT_EQ(platform.messageBox.shown.size(), 1u);
    const ShownMessage& message = platform.messageBox.shown[0];
    EXPECT_TRUE(
        message.prompt.startsWith(QStringLiteral("Az adatállomány mentése nem sikerült:\n") +
                                  Path("no-such-folder/second.pax") + u'\n'))
        << qPrintable(message.prompt);
    EXPECT_GT(message.prompt.size(), message.prompt.lastIndexOf(u'\n') + 1);  // a reason
    EXPECT_EQ(message.title, QStringLiteral("Figyelem!"));
    EXPECT_EQ(message.buttons, MessageButtons::Ok);
    EXPECT_EQ(commands.CurrentFileName(), Path("first.pax"));
    EXPECT_EQ(host.title, QStringLiteral("SOLVA-TX  ") + Path("first.pax"));
    EXPECT_EQ(map.SavedDeviceTable, savedCurve);
}

TEST_F(FileCommandsTest, LoadSetsTheWholeWindowFromTheFile) {
    const QString file = WriteEightPointFile("eight.pax", QStringLiteral("\r\nsecond\r\nthird"));
    map.SelectedPoint = 40;
    platform.fileDialog.names = {file};
    EXPECT_TRUE(commands.LoadCommand());

    EXPECT_FALSE(platform.fileDialog.asked[0].save);
    EXPECT_EQ(platform.fileDialog.asked[0].title, QStringLiteral("Betöltés"));
    EXPECT_EQ(platform.fileDialog.asked[0].filter, QStringLiteral("PAX Files(*.pax)|*.pax"));
    EXPECT_EQ(host.calls, QStringList({"LoadingFile=True", "ShowMapFrame", "SetNoteText",
                                       "SetWindowTitle", "ShowMapInTable", "RedrawChart",
                                       "LoadingFile=False", "ClearPointPanel", "HideMarker"}));
    EXPECT_TRUE(host.frameShownWhileLoading);
    EXPECT_EQ(host.resolutionShownInFrame, 8);
    EXPECT_EQ(host.note, QStringLiteral("\nsecond\nthird"));
    EXPECT_EQ(host.title, QStringLiteral("SOLVA-TX  ") + file);
    EXPECT_EQ(commands.CurrentFileName(), file);
    EXPECT_EQ(map.Resolution, 8);
    EXPECT_EQ(map.ResolutionIndex, 4);
    EXPECT_EQ(map.OutputRangeIndex, 0);
    EXPECT_EQ(map.InputRangeIndex, 1);
    EXPECT_EQ(map.SelectedPoint, 8);
    EXPECT_EQ(map.OutputValues[0], 0.001);
    EXPECT_EQ(map.OutputValues[7], 4.201);
    EXPECT_EQ(map.UndoValues[7], 4.201);
    EXPECT_EQ(map.DeviceTable[256], 215);  // N(4.201 * 256 / 5) = N(215.09)
    EXPECT_EQ(map.SavedDeviceTable, map.DeviceTable);
    EXPECT_TRUE(map.SavedCurveValid);
    EXPECT_FALSE(IsMapChanged(map, host.note, file));
}

TEST_F(FileCommandsTest, ABadFileIsNamedWithItsLineAndChangesNothing) {
    QFile bad(Path("bad.pax"));
    ASSERT_TRUE(bad.open(QIODevice::WriteOnly));
    bad.write("15\r\n15\r\n0\r\n0\r\n8\r\n1\r\n2\r\nx3\r\n4\r\n5\r\n6\r\n7\r\n8\r\n");
    bad.close();
    platform.fileDialog.names = {Path("first.pax"), Path("bad.pax")};
    ASSERT_TRUE(commands.SaveCommand());
    host.calls.clear();
    const VoltageMap before = map;

    EXPECT_FALSE(commands.LoadCommand());
    ASSERT_EQ(platform.messageBox.shown.size(), 1u);
    EXPECT_EQ(platform.messageBox.shown[0].prompt,
              QStringLiteral("Az adatállomány nem tölthető be:\n") + Path("bad.pax") +
                  QStringLiteral("\nHibás sor: 8\nA sor nem szám."));
    EXPECT_EQ(platform.messageBox.shown[0].title, QStringLiteral("Figyelem!"));
    EXPECT_TRUE(host.calls.isEmpty());
    EXPECT_EQ(commands.CurrentFileName(), Path("first.pax"));
    EXPECT_EQ(map.OutputValues, before.OutputValues);
    EXPECT_EQ(map.Resolution, before.Resolution);
    EXPECT_EQ(map.DeviceTable, before.DeviceTable);
}

TEST_F(FileCommandsTest, AMissingFileIsNamedInEnglishToo) {
    texts.SetLanguage(UiLanguage::Eng);
    platform.fileDialog.names = {Path("gone.pax")};
    EXPECT_FALSE(commands.LoadCommand());
    ASSERT_EQ(platform.messageBox.shown.size(), 1u);
    EXPECT_TRUE(platform.messageBox.shown[0].prompt.startsWith(
        QStringLiteral("The data file could not be loaded:\n") + Path("gone.pax") +
        QStringLiteral("\nThe file cannot be read. (")))
        << qPrintable(platform.messageBox.shown[0].prompt);
    EXPECT_EQ(platform.messageBox.shown[0].title, QStringLiteral("Attention!"));
}

TEST_F(FileCommandsTest, ExitAfterALoadWithoutChangeAsksNothingAndKeepsThePort) {
    platform.fileDialog.names = {WriteEightPointFile("eight.pax", QStringLiteral("n"))};
    ASSERT_TRUE(commands.LoadCommand());
    commands.ExitCommand();
    EXPECT_TRUE(platform.messageBox.shown.empty());
    EXPECT_EQ(host.calls.last(), QStringLiteral("CloseWindow"));
    EXPECT_EQ(ReadBytes(SettingsPath()), QByteArray("12\r\n"));
    EXPECT_TRUE(commands.ExitConfirmed());
    EXPECT_TRUE(commands.CloseHandler());  // the close that follows asks nothing either
    EXPECT_TRUE(platform.messageBox.shown.empty());
}

TEST_F(FileCommandsTest, ExitWithChangesAndCancelGoesOn) {
    platform.fileDialog.names = {WriteEightPointFile("eight.pax", QStringLiteral("n"))};
    ASSERT_TRUE(commands.LoadCommand());
    map.SetOutputValue(3, map.OutputValues[3] + 0.001);
    platform.messageBox.answers = {MessageAnswer::Cancel};
    commands.ExitCommand();

    ASSERT_EQ(platform.messageBox.shown.size(), 1u);
    const ShownMessage& question = platform.messageBox.shown[0];
    EXPECT_EQ(question.prompt, QStringLiteral("Menti az adatállományt?"));
    EXPECT_EQ(question.title, QStringLiteral("Kilépés"));
    EXPECT_EQ(question.buttons, MessageButtons::YesNoCancel);
    EXPECT_EQ(question.icon, MessageIcon::Question);
    EXPECT_EQ(question.defaultAnswer, MessageAnswer::Cancel);
    EXPECT_FALSE(host.calls.contains(QStringLiteral("CloseWindow")));
    EXPECT_FALSE(commands.ExitConfirmed());
    EXPECT_FALSE(QFile::exists(SettingsPath()));
}

TEST_F(FileCommandsTest, ExitYesThenCancelledSaveStaysOpen) {
    platform.messageBox.answers = {MessageAnswer::Yes};
    commands.ExitCommand();  // the save dialog is cancelled: no names queued
    EXPECT_EQ(platform.fileDialog.asked.size(), 1u);
    EXPECT_FALSE(host.calls.contains(QStringLiteral("CloseWindow")));
    EXPECT_FALSE(commands.ExitConfirmed());
    EXPECT_FALSE(QFile::exists(SettingsPath()));
}

TEST_F(FileCommandsTest, ExitYesThenFailedSaveStaysOpen) {
    platform.messageBox.answers = {MessageAnswer::Yes};
    platform.fileDialog.names = {Path("no-such-folder/x.pax")};
    commands.ExitCommand();
    EXPECT_EQ(platform.messageBox.shown.size(), 2u);  // the question, then why the save failed
    EXPECT_FALSE(host.calls.contains(QStringLiteral("CloseWindow")));
}

TEST_F(FileCommandsTest, ExitYesSavesThenLeaves) {
    platform.messageBox.answers = {MessageAnswer::Yes};
    platform.fileDialog.names = {Path("kept.pax")};
    commands.ExitCommand();
    EXPECT_FALSE(IsMapChanged(map, host.note, Path("kept.pax")));
    EXPECT_EQ(ReadBytes(SettingsPath()), QByteArray("12\r\n"));
    EXPECT_EQ(host.calls.last(), QStringLiteral("CloseWindow"));
    EXPECT_TRUE(commands.ExitConfirmed());
}

TEST_F(FileCommandsTest, ExitNoLeavesWithThePortKept) {
    platform.messageBox.answers = {MessageAnswer::No};
    commands.ExitCommand();
    EXPECT_TRUE(platform.fileDialog.asked.empty());
    EXPECT_EQ(ReadBytes(SettingsPath()), QByteArray("12\r\n"));
    EXPECT_EQ(host.calls, QStringList({"CloseWindow"}));
}

TEST_F(FileCommandsTest, CloseAfterAFreshStartAsksAndEitherAnswerKeepsThePort) {
    platform.messageBox.answers = {MessageAnswer::No};
    EXPECT_TRUE(commands.CloseHandler());
    ASSERT_EQ(platform.messageBox.shown.size(), 1u);
    const ShownMessage& question = platform.messageBox.shown[0];
    EXPECT_EQ(question.prompt, QStringLiteral("Menti az adatállományt?"));
    EXPECT_EQ(question.title, QStringLiteral("Kilépés"));
    EXPECT_EQ(question.buttons, MessageButtons::YesNo);
    EXPECT_EQ(question.icon, MessageIcon::Question);
    EXPECT_EQ(question.defaultAnswer, MessageAnswer::Yes);
    EXPECT_EQ(ReadBytes(SettingsPath()), QByteArray("12\r\n"));

    map.PortNumber = 4;
    platform.messageBox.answers = {MessageAnswer::Yes};
    platform.fileDialog.names = {Path("on-close.pax")};
    EXPECT_TRUE(commands.CloseHandler());
    EXPECT_FALSE(IsMapChanged(map, host.note, Path("on-close.pax")));
    EXPECT_EQ(ReadBytes(SettingsPath()), QByteArray("4\r\n"));
}

TEST_F(FileCommandsTest, CloseYesThenCancelledSaveStaysOpen) {
    platform.messageBox.answers = {MessageAnswer::Yes};
    EXPECT_FALSE(commands.CloseHandler());
    EXPECT_FALSE(QFile::exists(SettingsPath()));
}

TEST_F(FileCommandsTest, CloseWithTheMapEqualToItsFileAsksNothingButKeepsThePort) {
    platform.fileDialog.names = {Path("saved.pax")};
    ASSERT_TRUE(commands.SaveCommand());
    EXPECT_TRUE(commands.CloseHandler());
    EXPECT_TRUE(platform.messageBox.shown.empty());
    EXPECT_EQ(ReadBytes(SettingsPath()), QByteArray("12\r\n"));
}

TEST_F(FileCommandsTest, ACancelledLoadForgetsTheFileSoExitAsks) {
    platform.fileDialog.names = {WriteEightPointFile("eight.pax", QStringLiteral("n"))};
    ASSERT_TRUE(commands.LoadCommand());
    EXPECT_FALSE(commands.LoadCommand());  // cancelled
    EXPECT_TRUE(commands.CurrentFileName().isEmpty());
    platform.messageBox.answers = {MessageAnswer::Cancel};
    commands.ExitCommand();
    EXPECT_EQ(platform.messageBox.shown.size(), 1u);
}

TEST_F(FileCommandsTest, ExitAsksWhenTheFileWasDeletedMeanwhile) {
    platform.fileDialog.names = {Path("saved.pax")};
    ASSERT_TRUE(commands.SaveCommand());
    ASSERT_TRUE(QFile::remove(Path("saved.pax")));
    platform.messageBox.answers = {MessageAnswer::Cancel};
    commands.ExitCommand();
    EXPECT_EQ(platform.messageBox.shown.size(), 1u);
}
