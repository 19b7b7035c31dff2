// Loading over unsaved work, the names and places of the save dialog, the note's limit and
// the settings file's number.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <tuple>

#include "data_file.h"
#include "device_table.h"
#include "fake_platform.h"
#include "file_commands.h"
#include "file_messages.h"
#include "qt_printers.h"

namespace {

using A = MessageAnswer;

struct Host : FileCommandHost {
    QString NoteText() const override { return note; }
    void SetNoteText(const QString& text) override { note = text; }
    void SetWindowTitle(const QString&) override {}
    void SetLoadingFile(bool) override {}
    void ShowMapFrame() override {}
    void ShowMapInTable() override {}
    void RedrawChart() override {}
    void ShowSavedCurve() override {}
    void HideMarker() override {}
    void ClearPointPanel() override {}
    void CloseWindow() override {}
    QString note;
};

/// A fresh start with a file "eight.pax" beside it that differs from the start map.
struct Bench : Host {
    Bench() {
        FillStartLine(map);
        BuildDeviceTable(map);
        VoltageMap eight;
        eight.Resolution = 8;
        FillStartLine(eight);
        EXPECT_TRUE(WriteDataFile(eight, {}, Path("eight.pax")).Ok);
    }
    QString Path(const QString& name) const { return dir.filePath(name); }
    bool Load(const QString& name) {
        platform.fileDialog.names.push_back(Path(name));
        return commands.LoadCommand();
    }
    /// Dialogs asked, in order: 's' save, 'o' open.
    QString Dialogs() const {
        QString kinds;
        for (const AskedFile& asked : platform.fileDialog.asked) {
            kinds += asked.save ? u's' : u'o';
        }
        return kinds;
    }

    QTemporaryDir dir;
    VoltageMap map;
    FakePlatform platform;
    Texts texts{UiLanguage::Hun};
    FileCommands commands{
        map, *this, platform.messageBox, platform.fileDialog, texts, Path("SOLVA-TX.ini")};
};

}  // namespace

TEST(SaveBeforeLoad, AsksOnlyOverUnsavedWork) {
    enum Start { Fresh, NoteTyped, Loaded, LoadCancelled, LoadedEdited };
    const struct {
        const char* name;
        Start start;
        std::deque<MessageAnswer> answers;
        const char* saveAs;   // "" cancels the save dialog
        size_t messages;      // the question first
        const char* dialogs;  // after the start
        bool loads;
    } cases[] = {
        {"untouched start map", Fresh, {}, "", 0, "o", true},
        {"unchanged loaded map", Loaded, {}, "", 0, "o", true},
        {"a load cancelled after it", LoadCancelled, {}, "", 0, "o", true},
        {"note typed, Cancel", NoteTyped, {A::Cancel}, "", 1, "", false},
        {"note typed, No", NoteTyped, {A::No}, "", 1, "o", true},
        {"edited, Yes, saved", LoadedEdited, {A::Yes}, "kept", 1, "so", true},
        {"edited, Yes, save cancelled", LoadedEdited, {A::Yes}, "", 1, "s", false},
        {"edited, Yes, save fails", LoadedEdited, {A::Yes}, "none/x.pax", 2, "s", false},
    };
    for (const auto& c : cases) {
        Bench b;
        if (c.start == NoteTyped) {
            b.note = "n";
        }
        if (c.start >= Loaded) {
            ASSERT_TRUE(b.Load("eight.pax"));
            ASSERT_TRUE(c.start != LoadCancelled || !b.commands.LoadCommand());
            b.platform.fileDialog.asked.clear();
        }
        if (c.start == LoadedEdited) {
            b.map.SetOutputValue(2, 0.5);
        }
        const VoltageMap before = b.map;
        b.platform.messageBox.answers = c.answers;
        if (c.answers == std::deque{A::Yes}) {
            b.platform.fileDialog.names.push_back(*c.saveAs ? b.Path(c.saveAs) : QString());
        }
        EXPECT_EQ(b.Load("eight.pax"), c.loads) << c.name;
        EXPECT_EQ(b.Dialogs(), c.dialogs) << c.name;
        ASSERT_EQ(b.platform.messageBox.shown.size(), c.messages) << c.name;
        if (c.messages > 0) {
            const ShownMessage& m = b.platform.messageBox.shown[0];
            EXPECT_EQ(
                std::tuple(m.prompt, m.title, m.buttons, m.icon, m.defaultAnswer),
                std::tuple(QStringLiteral("Menti az adatállományt?"), QStringLiteral("Betöltés"),
                           MessageButtons::YesNoCancel, MessageIcon::Question, A::Cancel))
                << c.name;
        }
        if (*c.saveAs && c.loads) {
            EXPECT_FALSE(IsMapChanged(before, {}, b.Path("kept.pax"))) << c.name;
        }
        if (!c.loads) {
            EXPECT_EQ(b.map.OutputValues, before.OutputValues) << c.name;
        }
    }
}

// The dialog starts at the current file, else in the folder last used; ".pax" is added
// before the overwrite question, which then concerns the added name.
TEST(SaveDialog, AddsTheExtensionAndOpensWhereTheUserWorks) {
    Bench b;
    QDir(b.dir.path()).mkdir("sub");
    EXPECT_FALSE(b.Load("sub/missing.pax"));  // refused, but the folder counts
    b.platform.fileDialog.names = {b.Path("sub/curve 2.5"), b.Path("sub/curve 2.5"),
                                   b.Path("sub/MAP.PAX")};
    b.platform.messageBox.answers = {A::No};
    ASSERT_TRUE(b.commands.SaveCommand());
    EXPECT_EQ(b.commands.CurrentFileName(), b.Path("sub/curve 2.5.pax"));
    EXPECT_TRUE(QFile::exists(b.Path("sub/curve 2.5.pax")));
    ASSERT_TRUE(b.commands.SaveCommand());  // No to the overwrite, then another name
    ASSERT_EQ(b.platform.messageBox.shown.size(), 2u);
    EXPECT_EQ(b.platform.messageBox.shown[1].prompt, "Az adatállomány már létezik! Felülírja?");
    EXPECT_TRUE(QFile::exists(b.Path("sub/MAP.PAX")));
    EXPECT_FALSE(b.commands.LoadCommand());  // cancelled: the map still comes from MAP.PAX
    EXPECT_FALSE(b.commands.SaveCommand());
    QStringList starts;
    for (const AskedFile& asked : b.platform.fileDialog.asked) {
        starts << (asked.start.isEmpty() ? "-" : QDir(b.dir.path()).relativeFilePath(asked.start));
    }
    EXPECT_EQ(starts, QStringList({"-", "sub", "sub/curve 2.5.pax", "sub/curve 2.5.pax", "sub",
                                   "sub/MAP.PAX"}));
}

TEST(NoteLimit, ALongerNoteIsRefusedWithTheLimitAndTheLongestLoadsAgain) {
    Bench b;
    b.note = QString(20001, u'x');
    EXPECT_FALSE(b.commands.SaveCommand());
    EXPECT_TRUE(b.platform.fileDialog.asked.empty());
    ASSERT_EQ(b.platform.messageBox.shown.size(), 1u);
    EXPECT_EQ(
        std::tuple(b.platform.messageBox.shown[0].prompt, b.platform.messageBox.shown[0].title),
        std::tuple(QStringLiteral("A megjegyzés túl hosszú, így nem menthető! "
                                  "Legfeljebb 20000 karakter lehet."),
                   QStringLiteral("Figyelem!")));
    b.texts.SetLanguage(UiLanguage::Eng);
    EXPECT_EQ(NoteTooLongMessage(b.texts),
              "The note is too long to be saved! It may hold at most 20000 characters.");

    b.map.OutputValues.fill(15.0);
    ASSERT_TRUE(WriteDataFile(b.map, QString(20000, u'€'), b.Path("long.pax")).Ok);
    EXPECT_TRUE(ReadPaxFile(b.Path("long.pax")).Ok());
}

TEST(SettingsFile, ThePortIsANumberOfTheLocaleRoundedHalfToEven) {
    QTemporaryDir dir;
    const QString path = dir.filePath("SOLVA-TX.ini");
    const struct {
        QByteArray line;
        char separator;
        std::optional<int> port;
    } cases[] = {
        {"7.0", '.', 7},  {"6.5", '.', 6},  {"7,5", ',', 8},   {"16.5", '.', 16},
        {"7.0", ',', {}}, {"0.5", '.', {}}, {"16.6", '.', {}},
    };
    for (const auto& c : cases) {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(c.line + "\r\n");
        file.close();
        EXPECT_EQ(ReadSettings(path, c.separator), c.port) << c.line.constData();
    }
}
