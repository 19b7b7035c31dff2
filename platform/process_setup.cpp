#include "platform/process_setup.h"

#include <QDir>
#include <QStandardPaths>
#include <QtGlobal>
#include <cstdio>

#ifdef Q_OS_WIN
#include <fcntl.h>
#include <io.h>
#include <windows.h>
#endif

bool HasDisplay() {
#ifdef Q_OS_WIN
    return true;
#else
    return !qEnvironmentVariableIsEmpty("DISPLAY") ||
           !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") ||
           !qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM");
#endif
}

void UseParentConsole() {
#ifdef Q_OS_WIN
    // A stream that is redirected has its file already; only the others go to the console.
    const bool toConsole = _fileno(stdout) < 0 || _fileno(stderr) < 0;
    if (toConsole && AttachConsole(ATTACH_PARENT_PROCESS)) {
        if (_fileno(stdout) < 0) {
            (void)std::freopen("CONOUT$", "w", stdout);
        }
        if (_fileno(stderr) < 0) {
            (void)std::freopen("CONOUT$", "w", stderr);
        }
    }
#endif
}

void SetBinaryStandardOutput() {
#ifdef Q_OS_WIN
    std::fflush(stdout);
    _setmode(_fileno(stdout), _O_BINARY);
#endif
}

QString SettingsFilePath(const QString& bareName) {
#ifdef Q_OS_WIN
    // A console the program was not attached to (its streams were redirected) still counts.
    const bool fromConsole = GetConsoleWindow() != nullptr || AttachConsole(ATTACH_PARENT_PROCESS);
    if (!fromConsole) {
        const QString folder = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
        QDir().mkpath(folder);
        return QDir(folder).filePath(bareName);
    }
#endif
    return bareName;
}
