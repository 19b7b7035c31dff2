// Which command lines run what, and the one line that refuses the others.
#include <gtest/gtest.h>
#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>

#include "cli/command_line.h"
#include "platform/user_folders.h"
#include "tests/fakes/qt_printers.h"

TEST(CommandLine, RunsOneModeAndRefusesWhatItWouldIgnore) {
    const std::pair<QStringList, QString> cases[] = {
        // the mode run and its value
        {{"m.pax"}, "the editor "},
        {{"--send=m.pax", "--port", "3"}, "--send m.pax"},
        {{"--screenshot", "s.png", "m.pax"}, "--screenshot s.png"},
        {{"-?"}, "--help "},
        {{"--report", "m.pax", "o.pdf", "--language", "eng"}, "--report m.pax"},
        // or the line that refuses the command line
        {{"--checksum", "m.pax"}, "solva-tx: --checksum is used only with --stream"},
        {{"--port", "3"}, "solva-tx: --port is used only with --send"},
        {{"--send", "m.pax"}, "solva-tx: --send needs --port N"},
        {{"--stream", "A", "--send", "A"}, "solva-tx: --stream and --send cannot be used together"},
        {{"--last-sent", "--ports"}, "solva-tx: --last-sent and --ports cannot be used together"},
        {{"--version", "--stream", "x"},
         "solva-tx: --version and --stream cannot be used together"},
        {{"--ports", "extra"}, "solva-tx: --ports takes no file, 'extra' would be ignored"},
        {{"a.pax", "b.pax"},
         "solva-tx: the editor takes one data file at most, 'b.pax' would be ignored"},
        {{"--stream", "a", "--stream", "b"}, "solva-tx: --stream is given twice"},
        {{"-v", "--version"}, "solva-tx: --version is given twice"},
        {{"--screenshot", "--stream", "m"}, "solva-tx: --screenshot needs a value before --stream"},
        {{"--screenshot", "--stream=x"}, "solva-tx: --screenshot needs a value before --stream=x"},
        {{"--stream="}, "solva-tx: --stream needs a value"},
        {{"--bogus"}, "solva-tx: Unknown option 'bogus'."},
    };
    for (const auto& [arguments, expected] : cases) {
        const CommandRequest request = ParseCommandLine(QStringList{"solva-tx"} + arguments,
                                                        CommandModes(), CommandCompanions());
        const CommandMode* mode = request.mode;
        EXPECT_EQ(mode == nullptr         ? request.error
                  : mode->names.isEmpty() ? "the editor " + request.value
                                          : "--" + mode->names[0] + ' ' + request.value,
                  expected)
            << arguments.join(' ').toStdString();
    }
}

// Only a mode that runs without the window keeps the window from opening, spelt either way.
TEST(CommandLine, ConsoleModesAreKnownBeforeTheWindowOpens) {
    for (const auto& [argument, console] : {std::pair("--stream=m.pax", true),
                                            {"--stream", true},
                                            {"-v", true},
                                            {"--streams", false},
                                            {"--screenshot=s.png", false},
                                            {"m.pax", false}}) {
        EXPECT_EQ(NamesConsoleMode(argument, CommandModes()), console) << argument;
    }
}

// A picture of a send halfway leaves the user's folders as they were: a record of that send
// left there would show the box as cut off at the next start, and a recovery file would offer
// work that was never the user's.
TEST(CommandLine, APictureLeavesTheUsersFoldersAsTheyWere) {
    const auto filesIn = [](const QString& folder) {
        return QDir(folder).entryList(QDir::Files | QDir::Hidden);
    };
    const QStringList sent = filesIn(UserSentFolder());
    const QStringList recovery = filesIn(UserRecoveryFolder());
    QTemporaryDir dir;
    const QString picture = dir.filePath("progress.png");
    const CommandRequest request =
        ParseCommandLine({"solva-tx", "--screenshot", picture, "--state", "progress"},
                         CommandModes(), CommandCompanions());
    ASSERT_EQ(request.mode->run(request), 0);
    EXPECT_TRUE(QFileInfo(picture).size() > 0);
    EXPECT_EQ(filesIn(UserSentFolder()), sent);
    EXPECT_EQ(filesIn(UserRecoveryFolder()), recovery);
}
