#include "cli/run_program.h"

#include <QApplication>
#include <cstdio>

#include "cli/command_line.h"
#include "platform/process_setup.h"

namespace {

/// Whether the command line asks for a mode that needs no window application. The window's
/// application takes its own options (-platform, -style ...) off the command line before it
/// is read.
bool IsConsoleMode(int argc, char** argv) {
    for (int i = 1; i < argc; ++i) {
        if (NamesConsoleMode(QString::fromLocal8Bit(argv[i]), CommandModes())) {
            return true;
        }
    }
    return false;
}

/// Reads the command line of the running application; a refusal is said in one line.
CommandRequest ReadCommandLine() {
    const CommandRequest request =
        ParseCommandLine(QCoreApplication::arguments(), CommandModes(), CommandCompanions());
    if (!request.error.isEmpty()) {
        std::fprintf(stderr, "%s\n", qPrintable(request.error));
    }
    return request;
}

int RunConsole(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const CommandRequest request = ReadCommandLine();
    if (request.mode == nullptr || request.mode->window) {
        return kExitUsage;
    }
    return request.mode->run(request);
}

int RunWindow(int argc, char** argv) {
    const bool noDisplay = !HasDisplay();
    if (noDisplay) {
        // Without a display the window is rendered offscreen into a picture.
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);
    CommandRequest request = ReadCommandLine();
    if (request.mode == nullptr) {
        return kExitUsage;
    }
    request.display = !noDisplay;
    return request.mode->run(request);
}

}  // namespace

int RunProgram(int argc, char** argv) {
    return IsConsoleMode(argc, argv) ? RunConsole(argc, argv) : RunWindow(argc, argv);
}
