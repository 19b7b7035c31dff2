// The command-line modes in a process of their own, with a clock that does not sleep:
//   device_cli_driver --stream FILE.pax | --send FILE.pax --port N
#include <QCoreApplication>
#include <QStringList>
#include <QTextStream>

#include "command_line.h"
#include "fake_platform.h"
#include "qt_serial_port.h"

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments();
    if (args.size() == 3 && args[1] == QStringLiteral("--stream")) {
        return RunStreamCommand(args[2]);
    }
    QtSerialPort port;
    FakeClock clock;
    QTextStream err(stderr);
    return args.size() == 5 ? RunSendCommand(args[2], args[4].toInt(), port, clock, err, nullptr)
                            : 64;
}
