// The command-line modes of the device layer in a process of their own:
//   device_cli_driver [--instant] --stream FILE.pax
//   device_cli_driver [--instant] --send FILE.pax --port N
// --instant replaces the waits by a clock that does not sleep, for tests.
#include <QCoreApplication>
#include <QStringList>
#include <QTextStream>
#include <cstdio>

#include "command_line.h"
#include "fake_platform.h"
#include "qt_serial_port.h"

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QStringList args = QCoreApplication::arguments().mid(1);
    const bool instant = args.removeAll(QStringLiteral("--instant")) > 0;
    if (args.size() == 2 && args[0] == QStringLiteral("--stream")) {
        return RunStreamCommand(args[1]);
    }
    if (args.size() == 4 && args[0] == QStringLiteral("--send") &&
        args[2] == QStringLiteral("--port")) {
        if (!instant) {
            return RunSendCommand(args[1], args[3].toInt());
        }
        QtSerialPort port;
        FakeClock clock;
        QTextStream err(stderr);
        return RunSendCommand(args[1], args[3].toInt(), port, clock, err);
    }
    std::fprintf(stderr,
                 "usage: device_cli_driver [--instant] --stream FILE | --send FILE --port N\n");
    return 64;
}
