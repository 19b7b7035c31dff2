// Which command lines run what, and the one line that refuses the others.
#include <gtest/gtest.h>

#include "command_line.h"
#include "qt_printers.h"

TEST(CommandLine, RunsOneModeAndRefusesWhatItWouldIgnore) {
    const struct {
        QStringList arguments;
        QString mode;  // the mode run, empty for a refusal
        QString valueOrError;
    } cases[] = {
        {{}, "the editor", ""},
        {{"m.pax"}, "the editor", ""},
        {{"--send=m.pax", "--port", "3"}, "--send", "m.pax"},
        {{"--screenshot", "s.png", "m.pax"}, "--screenshot", "s.png"},
        {{"-?"}, "--help", ""},
        {{"--report", "m.pax", "o.pdf", "--language", "eng"}, "--report", "m.pax"},
        {{"--checksum", "m.pax"}, "", "--checksum is used only with --stream"},
        {{"--port", "3"}, "", "--port is used only with --send"},
        {{"--port", "3", "--stream", "m.pax"}, "", "--port is used only with --send"},
        {{"--send", "m.pax"}, "", "--send needs --port N"},
        {{"--stream", "A", "--send", "A"}, "", "--stream and --send cannot be used together"},
        {{"--last-sent", "--ports"}, "", "--last-sent and --ports cannot be used together"},
        {{"--version", "--stream", "x"}, "", "--version and --stream cannot be used together"},
        {{"--ports", "extra"}, "", "--ports takes no file, 'extra' would be ignored"},
        {{"a.pax", "b.pax"},
         "",
         "the editor takes one data file at most, 'b.pax' would be ignored"},
        {{"--stream", "a", "--stream", "b"}, "", "--stream is given twice"},
        {{"-v", "--version"}, "", "--version is given twice"},
        {{"--screenshot", "--stream", "m.pax"}, "", "--screenshot needs a value before --stream"},
        {{"--stream="}, "", "--stream needs a value"},
        {{"--bogus"}, "", "Unknown option 'bogus'."},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.arguments.join(' ').toStdString());
        const CommandRequest request = ParseCommandLine(QStringList{"solva-tx"} + c.arguments,
                                                        CommandModes(), CommandCompanions());
        if (c.mode.isEmpty()) {
            EXPECT_EQ(request.mode, nullptr);
            EXPECT_EQ(request.error, "solva-tx: " + c.valueOrError);
            continue;
        }
        ASSERT_NE(request.mode, nullptr);
        EXPECT_EQ(request.mode->names.isEmpty() ? "the editor" : "--" + request.mode->names[0],
                  c.mode);
        EXPECT_EQ(request.value, c.valueOrError);
        EXPECT_EQ(request.error, QString());
    }
}
