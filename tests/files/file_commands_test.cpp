#include "files/file_commands.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <tuple>

#include "core/map_document.h"
#include "files/data_file.h"
#include "tests/fakes/fake_platform.h"
#include "tests/fakes/file_bytes.h"
#include "tests/fakes/qt_printers.h"
#include "tests/fakes/recording_observer.h"

namespace {

/// What the user sees of a message, as one comparable value.
auto Seen(const ShownMessage& m) {
    return std::tuple(m.prompt, m.title, m.buttons, m.icon, m.defaultAnswer);
}

/// The program after a fresh start on port 12, with scripted dialogs, in a folder of its
/// own. It stands in for the main window and records the window's calls.
struct Session : FileCommandHost {
    Session() { document.SetPort(12); }
    const VoltageMap& Map() const { return document.Map(); }
    QString Note() const { return QString::fromStdString(document.Note()); }
    void SetNote(const QString& note) { document.SetNote(note.toStdString()); }
    QString Path(const char* name) const { return dir.filePath(QString::fromLatin1(name)); }
    /// The path as titles and messages show it, in the system's own form.
    QString Shown(const char* name) const { return QDir::toNativeSeparators(Path(name)); }
    void WriteFile(const char* name, const QByteArray& bytes) const {
        QFile file(Path(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }
    /// Loads a 10 V / 5 V file of 8 breakpoints with the output filter on, unlike the start map.
    bool LoadEightPoints(const QByteArray& note) {
        WriteFile("eight.pax",
                  "10\r\n5\r\n0\r\n1\r\n8\r\n1\r\n601\r\n1201\r\n1801\r\n2401\r\n3001\r\n"
                  "3601\r\n4201\r\n" +
                      note + "\r\n");
        return Load("eight.pax");
    }
    bool Load(const char* name) {
        platform.fileDialog.names = {Path(name)};
        return commands.LoadCommand();
    }
    bool SaveAs(const char* name) {
        platform.fileDialog.names = {Path(name)};
        return commands.SaveCommand();
    }

    void SetWindowTitle(const QString& text) override { title = text; }
    bool CloseWindow() override {
        calls << "CloseWindow";
        return closes;
    }

    QStringList calls;
    bool closes = true;
    QString title;
    QTemporaryDir dir;
    MapDocument document;
    RecordingObserver observer{document};
    FakePlatform platform;
    Texts texts{UiLanguage::Hun};
    FileCommands commands{
        document, *this, platform.messageBox, platform.fileDialog, texts, Path("SOLVA-TX.ini")};
};

class FileCommandsTest : public ::testing::Test, protected Session {};

}  // namespace

TEST_F(FileCommandsTest, OverwriteNoThenCancelWritesNothingAndYesSaves) {
    ASSERT_TRUE(SaveAs("old.pax"));
    document.CommitCell(5, 1.0);
    const QByteArray before = ReadBytes(Path("old.pax"));
    platform.messageBox.answers = {MessageAnswer::No};
    EXPECT_FALSE(SaveAs("old.pax"));
    ASSERT_EQ(platform.messageBox.shown.size(), 1u);
    EXPECT_EQ(Seen(platform.messageBox.shown[0]),
              Seen({"Az adatállomány már létezik! Felülírja?", "Felülírás", MessageButtons::YesNo,
                    MessageIcon::Question, MessageAnswer::No}));
    ASSERT_EQ(platform.fileDialog.asked.size(), 3u);  // a fresh dialog after No, then cancelled
    const AskedFile& asked = platform.fileDialog.asked[2];
    EXPECT_EQ(std::tuple(asked.save, asked.title, asked.filter),
              std::tuple(true, QStringLiteral("Mentés"), QStringLiteral("PAX Files(*.pax)|*.pax")));
    EXPECT_EQ(ReadBytes(Path("old.pax")), before);

    platform.messageBox.answers = {MessageAnswer::Yes};
    SetNote(QStringLiteral("abc"));
    EXPECT_TRUE(SaveAs("old.pax"));
    EXPECT_FALSE(IsMapChanged(Map(), Path("old.pax")));
    EXPECT_TRUE(Map().SavedCurveValid && Map().SavedDeviceTable == Map().DeviceTable);
}

// A failed save keeps the reference curve of the saved file; a refused load names the line.
TEST_F(FileCommandsTest, FailuresSayWhyAndChangeNothing) {
    WriteFile("bad.pax", "15\r\n15\r\n0\r\n0\r\n8\r\n1\r\n2\r\nx3\r\n4\r\n5\r\n6\r\n7\r\n8\r\n");
    ASSERT_TRUE(SaveAs("first.pax"));
    document.CommitCell(0, 5.0);
    observer.calls.clear();
    EXPECT_FALSE(SaveAs("no-such-folder/second.pax"));
    EXPECT_NE(Map().SavedDeviceTable, Map().DeviceTable);
    platform.messageBox.answers = {MessageAnswer::No};  // not to save the change first
    EXPECT_FALSE(Load("bad.pax"));
    EXPECT_EQ(platform.fileDialog.asked.back().title, QStringLiteral("Betöltés"));
    ASSERT_EQ(platform.messageBox.shown.size(), 3u);
    const QString head = QStringLiteral("Az adatállomány mentése nem sikerült:\n") +
                         Shown("no-such-folder/second.pax") + u'\n';
    const QString& prompt = platform.messageBox.shown[0].prompt;
    EXPECT_TRUE(prompt.startsWith(head) && prompt.size() > head.size()) << qPrintable(prompt);
    EXPECT_EQ(std::tuple(platform.messageBox.shown[2].prompt, platform.messageBox.shown[2].title),
              std::tuple(QStringLiteral("Az adatállomány nem tölthető be:\n") + Shown("bad.pax") +
                             QStringLiteral("\nHibás sor: 8\nA sor nem szám."),
                         QStringLiteral("Figyelem!")));
    EXPECT_EQ(platform.messageBox.shown[0].title, QStringLiteral("Figyelem!"));
    EXPECT_TRUE(observer.calls.empty());
    EXPECT_EQ(std::tuple(commands.CurrentFileName(), title),
              std::tuple(Path("first.pax"), QStringLiteral("SOLVA-TX  ") + Shown("first.pax")));
}

// Leaving or loading never loses unsaved work; the chosen port is written on every way out.
TEST(FileCommandsAskTest, UnsavedWorkIsOfferedForSavingFirst) {
    enum Command { Exit, Close, Load };
    enum Start { Fresh, NoteTyped, Loaded, Edited, LoadCancelled };
    using A = MessageAnswer;
    const struct {
        Command command;
        Start start;
        std::deque<MessageAnswer> answers;
        const char* saveAs;   // name given to the save dialog; "" or none cancels it
        const char* dialogs;  // asked in order: 's' save, 'o' open
        size_t messages;
        bool done;  // left, or loaded
    } cases[] = {
        {Exit, Loaded, {}, nullptr, "", 0, true},
        {Exit, Edited, {A::Cancel}, nullptr, "", 1, false},
        {Exit, Fresh, {A::Yes}, nullptr, "s", 1, false},
        {Exit, Fresh, {A::Yes}, "no-such-folder/x.pax", "s", 2, false},
        {Exit, Fresh, {A::Yes}, "kept.pax", "s", 1, true},
        {Exit, Fresh, {A::No}, nullptr, "", 1, true},
        {Exit, LoadCancelled, {A::Cancel}, nullptr, "", 1, false},
        {Close, Fresh, {A::No}, nullptr, "", 1, true},
        {Close, Fresh, {A::Yes}, nullptr, "s", 1, false},
        {Load, Fresh, {}, nullptr, "o", 0, true},
        {Load, NoteTyped, {A::Cancel}, nullptr, "", 1, false},
        {Load, LoadCancelled, {}, nullptr, "o", 0, true},
        {Load, Edited, {A::No}, nullptr, "o", 1, true},
        {Load, Edited, {A::Yes}, "kept.pax", "so", 1, true},
        {Load, Edited, {A::Yes}, "", "s", 1, false},
    };
    for (const auto& c : cases) {
        const std::string row = std::to_string(&c - cases);
        Session s;
        ASSERT_TRUE(WriteDataFile(s.Map(), s.Path("start.pax")).Ok);
        s.SetNote(c.start == NoteTyped ? "n" : "");
        if (c.start >= Loaded) {
            ASSERT_TRUE(s.LoadEightPoints("n"));
        }
        if (c.start == Edited) {
            s.document.CommitCell(3, s.Map().OutputValues[3] + 0.001);
        }
        if (c.start == LoadCancelled) {
            ASSERT_FALSE(s.commands.LoadCommand());
        }
        s.platform.fileDialog.asked.clear();
        s.platform.messageBox.answers = c.answers;
        if (c.saveAs) {
            s.platform.fileDialog.names = {*c.saveAs ? s.Path(c.saveAs) : QString()};
        }
        bool done = false;
        if (c.command == Load) {
            s.platform.fileDialog.names.push_back(s.Path("start.pax"));
            done = s.commands.LoadCommand();
        } else if (c.command == Close) {
            done = s.commands.CloseHandler();
        } else {
            s.commands.ExitCommand();
            done = s.calls.contains("CloseWindow");
            EXPECT_EQ(s.commands.ExitConfirmed(), done) << row;
            EXPECT_TRUE(!done || s.commands.CloseHandler()) << row;  // and asks nothing more
        }
        EXPECT_EQ(done, c.done) << row;
        QString dialogs;
        for (const AskedFile& asked : s.platform.fileDialog.asked) {
            dialogs += asked.save ? 's' : 'o';
        }
        EXPECT_EQ(dialogs, c.dialogs) << row;
        ASSERT_EQ(s.platform.messageBox.shown.size(), c.messages) << row;
        if (c.messages > 0) {
            EXPECT_EQ(
                Seen(s.platform.messageBox.shown[0]),
                Seen({"Menti az adatállományt?", c.command == Load ? "Betöltés" : "Kilépés",
                      c.command == Close ? MessageButtons::YesNo : MessageButtons::YesNoCancel,
                      MessageIcon::Question, c.command == Close ? A::Yes : A::Cancel}))
                << row;
        }
        const bool left = c.done && c.command != Load;
        EXPECT_EQ(ReadBytes(s.Path("SOLVA-TX.ini")), left ? "12\r\n" : "") << row;
        if (left && c.saveAs) {
            EXPECT_FALSE(IsMapChanged(s.Map(), s.Path(c.saveAs))) << row;
        }
    }
}

/// A window kept open (by a send under way) leaves the next close to ask again.
TEST_F(FileCommandsTest, ExitRefusedByTheWindowIsNotConfirmed) {
    closes = false;
    platform.messageBox.answers = {MessageAnswer::No, MessageAnswer::No};
    commands.ExitCommand();
    EXPECT_FALSE(commands.ExitConfirmed());
    EXPECT_TRUE(commands.CloseHandler());
    EXPECT_EQ(platform.messageBox.shown.size(), 2u);
}

// ".pax" is added before the overwrite question; the dialog starts at the file the map comes
// from, else in the folder last used.
TEST_F(FileCommandsTest, SaveAddsPaxAndStartsWhereTheUserWorks) {
    EXPECT_FALSE(Load("missing.pax"));
    platform.fileDialog.names = {Path("curve 2.5"), Path("curve 2.5"), Path("MAP.PAX")};
    platform.messageBox.answers = {MessageAnswer::No};
    ASSERT_TRUE(commands.SaveCommand());
    ASSERT_TRUE(commands.SaveCommand());  // No to the overwrite, then another name
    EXPECT_FALSE(commands.LoadCommand());
    EXPECT_FALSE(commands.SaveCommand());
    QStringList starts;
    for (const AskedFile& asked : platform.fileDialog.asked) {
        starts << asked.start;
    }
    EXPECT_EQ(starts, QStringList({"", dir.path(), Path("curve 2.5.pax"), Path("curve 2.5.pax"),
                                   dir.path(), Path("MAP.PAX")}));
    EXPECT_TRUE(QFile::exists(Path("curve 2.5.pax")) && QFile::exists(Path("MAP.PAX")));
}

// The copies of the maps sent are a record: one opens as a map never saved, the save dialog
// starts in the user's own folder, and no save lands among the copies.
TEST_F(FileCommandsTest, AKeptCopyOpensUnsavedAndNothingIsSavedAmongTheCopies) {
    ASSERT_TRUE(QDir(dir.path()).mkpath("sent/old") && QDir(dir.path()).mkpath("work"));
    commands.KeepOutOf(Path("sent"));
    ASSERT_TRUE(SaveAs("work/mine.pax"));
    document.CommitCell(0, 2.0);
    ASSERT_TRUE(WriteDataFile(Map(), Path("sent/000001_x_com3.pax")).Ok);
    const QByteArray copy = ReadBytes(Path("sent/000001_x_com3.pax"));
    platform.messageBox.answers = {MessageAnswer::No};  // mine.pax has changed
    ASSERT_TRUE(commands.LoadCommand(Path("sent/./000001_x_com3.pax")));
    EXPECT_EQ(std::tuple(commands.CurrentFileName(), title), std::tuple(QString(), "SOLVA-TX"));

    platform.fileDialog.asked.clear();
    platform.fileDialog.names = {Path("sent/000001_x_com3.pax"), Path("sent/old/new"),
                                 Path("work/copy.pax")};
    ASSERT_TRUE(commands.SaveCommand());
    ASSERT_EQ(platform.fileDialog.asked.size(), 3u);
    EXPECT_EQ(platform.fileDialog.asked[0].start, Path("work"));
    ASSERT_EQ(platform.messageBox.shown.size(), 3u);
    EXPECT_EQ(Seen(platform.messageBox.shown[2]),
              Seen({"Ebben a mappában az áttöltött adatállományok másolatai vannak, ide nem lehet "
                    "menteni. Válasszon másik mappát!",
                    "Figyelem!", MessageButtons::Ok, MessageIcon::None, MessageAnswer::Ok}));
    EXPECT_EQ(ReadBytes(Path("sent/000001_x_com3.pax")), copy);
    EXPECT_FALSE(QFile::exists(Path("sent/old/new.pax")));
    EXPECT_EQ(title, "SOLVA-TX  " + Shown("work/copy.pax"));
}

// Work left by a crash comes back unsaved on its file, whose own curve is the reference.
TEST_F(FileCommandsTest, RestoredWorkIsUnsavedWorkOnItsFile) {
    ASSERT_TRUE(SaveAs("mine.pax"));  // the start line: device-table entry m is m
    MapContent work = Map().Content();
    work.OutputValues[3] = 9;  // breakpoint 3 is entry 8: N(9 * 256 / 15) = 154
    work.Note = "restored";
    commands.RestoreWork(work, Path("mine.pax"));
    EXPECT_EQ(std::tuple(commands.CurrentFileName(), title),
              std::tuple(Path("mine.pax"), "SOLVA-TX  " + Shown("mine.pax")));
    EXPECT_EQ(std::tuple(Map().DeviceTable[8], Map().SavedDeviceTable[8], Note()),
              std::tuple(154, 8, QStringLiteral("restored")));
    EXPECT_TRUE(commands.HasUnsavedWork());
    work.Note.clear();
    commands.RestoreWork(work, "");
    EXPECT_EQ(std::tuple(commands.CurrentFileName(), title), std::tuple(QString(), "SOLVA-TX"));
    EXPECT_TRUE(commands.HasUnsavedWork());
}

// A file may hold 65536 bytes, the note counted as it is written. The start map takes 822
// before the note and CR LF after it, which leaves 64712: as many Windows-1250 letters, or
// 21570 arrows of three bytes in UTF-8. A file with LF line breaks grows when written back.
TEST_F(FileCommandsTest, EveryFileThatLoadsSavesAgainElseItSaysSoAtLoad) {
    const auto tooLong = [](int bytes) {
        return "A megjegyzés túl hosszú, így nem menthető! Az adatállomány legfeljebb 65536 bájt "
               "lehet, ezzel a megjegyzéssel " +
               QString::number(bytes) + " bájt lenne.";
    };
    for (const QString& refused : {QString(21571, u'→'), QString(64713, u'ő')}) {
        SetNote(refused);
        EXPECT_FALSE(SaveAs("long.pax"));
        EXPECT_EQ(platform.messageBox.shown.at(0).prompt, tooLong(65537));
        platform.messageBox.shown.clear();
    }
    SetNote(QString(64712, u'ő'));
    EXPECT_TRUE(SaveAs("long.pax") && Load("long.pax") && Note() == QString(64712, u'ő'));
    WriteFile("lf.pax", ReadBytes(Path("long.pax")).left(822) +
                            QByteArray("x\n").repeated(32356).chopped(1) + "\r\n");
    EXPECT_TRUE(Load("lf.pax"));  // 65535 bytes; 822 + 3 * 32356 - 2 + 2 with CR LF
    EXPECT_EQ(platform.messageBox.shown.at(0).prompt, tooLong(97890));
}

// A note goes out in Windows-1250 where that code page holds it, and in UTF-8 otherwise;
// either way it comes back equal and leaving asks nothing.
TEST(FileCommandsNoteTest, NotesKeepTheirBytesAndComeBackEqual) {
    const struct {
        const char16_t* note;
        QByteArray bytes;  // the note as the file's last line holds it
    } cases[] = {
        {u"Árvíztűrő\nŐŰőű", "\xC1\x72\x76\xED\x7A\x74\xFB\x72\xF5\r\n\xD5\xDB\xF5\xFB"},
        {u"a → Ж", "a \xE2\x86\x92 \xD0\x96"},
        {u"É–", "\xC3\x89\xE2\x80\x93"},  // in Windows-1250 C9 96, which reads as UTF-8
        {u"abc", "abc"},
    };
    for (const auto& c : cases) {
        Session saver, loader;
        saver.SetNote(QString::fromUtf16(c.note));
        ASSERT_TRUE(saver.SaveAs("note.pax"));
        EXPECT_TRUE(ReadBytes(saver.Path("note.pax")).endsWith("\r\n15000\r\n" + c.bytes + "\r\n"))
            << qPrintable(saver.Note());
        loader.platform.fileDialog.names = {saver.Path("note.pax")};
        ASSERT_TRUE(loader.commands.LoadCommand());
        EXPECT_EQ(loader.Note(), saver.Note());
        loader.commands.ExitCommand();
        EXPECT_TRUE(loader.platform.messageBox.shown.empty() && loader.commands.ExitConfirmed())
            << qPrintable(saver.Note());
    }
}
