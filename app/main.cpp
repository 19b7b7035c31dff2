// SOLVA-TX: editor and loader of the voltage map of the BOX.
#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QTimer>
#include <cstdio>

#include "command_line.h"
#include "data_file.h"
#include "file_messages.h"
#include "form1.h"
#include "qt_platform.h"
#include "qt_serial_port.h"

namespace {

struct Options {
    QCommandLineOption screenshot{
        "screenshot", "Start as usual, write a picture of the main window to FILE and exit.",
        "FILE"};
    QCommandLineOption stream{
        "stream", "Write to standard output the 768 bytes that sending FILE puts on the line.",
        "FILE"};
    QCommandLineOption send{"send", "Send FILE to the BOX on the port given by --port.", "FILE"};
    QCommandLineOption port{"port", "Serial port N (1..16) for --send.", "N"};
    QCommandLineOption ports{"ports",
                             "List the device each com port opens and the serial devices found."};
    QCommandLineOption lastSent{"last-sent", "Print the path of the copy of the last map sent."};
};

/// Names the program, then reads the command line; --help and --version are answered here.
void Parse(QCoreApplication& app, QCommandLineParser& parser, const Options& options) {
    QCoreApplication::setApplicationName("solva-tx");
    QCoreApplication::setApplicationVersion(SOLVA_VERSION);
    parser.setApplicationDescription(
        "SOLVA-TX: edits voltage maps of the BOX, keeps them in .pax files and sends them "
        "over a serial port.\nOn Linux port N is /dev/ttyS<N-1> unless the user gave it "
        "another device (right-click on the port chooser) or the environment variable "
        "SOLVA_TX_COM<N> names one; --ports shows which.");
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addOptions({options.screenshot, options.stream, options.send, options.port,
                       options.ports, options.lastSent});
    parser.addPositionalArgument("file", "A .pax data file to start with.", "[FILE.pax]");
    parser.process(app);
}

bool HasDisplay() {
    return !qEnvironmentVariableIsEmpty("DISPLAY") ||
           !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") ||
           !qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM");
}

/// Whether the command line asks for a mode that needs no window.
bool IsConsoleMode(int argc, char** argv) {
    for (int i = 1; i < argc; ++i) {
        const QByteArray argument(argv[i]);
        for (const char* option :
             {"--stream", "--send", "--ports", "--last-sent", "--help", "-h", "--version", "-v"}) {
            if (argument == option || argument.startsWith(QByteArray(option) + '=')) {
                return true;
            }
        }
    }
    return false;
}

int RunConsole(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    Options options;
    QCommandLineParser parser;
    Parse(app, parser, options);
    if (parser.isSet(options.stream)) {
        return RunStreamCommand(parser.value(options.stream));
    }
    if (parser.isSet(options.ports)) {
        return RunPortsCommand();
    }
    if (parser.isSet(options.lastSent)) {
        return RunLastSentCommand();
    }
    bool ok = false;
    const int port = parser.value(options.port).toInt(&ok);
    if (!ok) {
        std::fprintf(stderr, "solva-tx: --send needs --port N with N from 1 to 16\n");
        return 2;
    }
    return RunSendCommand(parser.value(options.send), port);
}

/// Renders the loaded main window into a PNG file.
int SaveScreenshot(Form1& form, const QString& path) {
    form.show();
    QCoreApplication::processEvents();
    if (!form.grab().save(path, "PNG")) {
        std::fprintf(stderr, "solva-tx: cannot write the picture %s\n", qPrintable(path));
        return 1;
    }
    std::printf("%s\n", qPrintable(QDir::current().absoluteFilePath(path)));
    return 0;
}

int RunWindow(int argc, char** argv) {
    const bool noDisplay = !HasDisplay();
    if (noDisplay) {
        // Without a display the window is rendered offscreen into a picture.
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);
    Options options;
    QCommandLineParser parser;
    Parse(app, parser, options);

    QString screenshotPath = parser.value(options.screenshot);
    if (screenshotPath.isEmpty() && noDisplay) {
        screenshotPath = QDir::temp().filePath("solva-tx-start.png");
        std::printf(
            "No display is available: the start screen is rendered to a picture instead.\n");
    }

    const QStringList files = parser.positionalArguments();
    if (files.size() > 1) {
        std::fprintf(stderr, "solva-tx: give at most one data file\n");
        return 2;
    }
    const QString fileName = files.value(0);

    QtPlatform platform;
    QtSerialPort serialPort;
    Form1 form(platform.Get(), serialPort);
    platform.SetParent(&form);
    if (!screenshotPath.isEmpty()) {
        if (!fileName.isEmpty()) {
            // No one could answer a message box here: a refused file ends the run.
            const PaxDecodeResult file = ReadPaxFile(fileName);
            if (!file.Ok()) {
                std::fprintf(stderr, "%s\n",
                             qPrintable(LoadFailedMessage(form.Messages(), fileName, file)));
                return 1;
            }
            form.OpenFile(fileName);
        }
        return SaveScreenshot(form, screenshotPath);
    }
    form.show();
    if (!fileName.isEmpty()) {
        // Once the window is up, so that a refusal is shown over it.
        QTimer::singleShot(0, &form, [&form, fileName] { form.OpenFile(fileName); });
    }
    return QApplication::exec();
}

}  // namespace

int main(int argc, char** argv) {
    return IsConsoleMode(argc, argv) ? RunConsole(argc, argv) : RunWindow(argc, argv);
}
