// SOLVA-TX: editor and loader of the voltage map of the BOX.
#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QTimer>
#include <cstdio>

#include "form1.h"
#include "qt_platform.h"
#include "qt_serial_port.h"

namespace {

bool HasDisplay() {
    return !qEnvironmentVariableIsEmpty("DISPLAY") ||
           !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") ||
           !qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM");
}

bool WantsOnly(int argc, char** argv, std::initializer_list<const char*> options) {
    for (int i = 1; i < argc; ++i) {
        for (const char* option : options) {
            if (qstrcmp(argv[i], option) == 0) {
                return true;
            }
        }
    }
    return false;
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

}  // namespace

int main(int argc, char** argv) {
    QString screenshotPath;
    const bool noDisplay = !HasDisplay();
    const bool textOnly = WantsOnly(argc, argv, {"--help", "-h", "--version", "-v"});
    if (noDisplay) {
        // Without a display the window is rendered offscreen; a plain start shows a picture.
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }

    QApplication app(argc, argv);
    QApplication::setApplicationName("solva-tx");
    QApplication::setApplicationVersion(SOLVA_VERSION);

    QCommandLineParser parser;
    parser.setApplicationDescription("SOLVA-TX: edits voltage maps of the BOX, keeps them in .pax "
                                     "files and sends them over a serial port.");
    parser.addHelpOption();
    parser.addVersionOption();
    const QCommandLineOption screenshot(
        "screenshot", "Start as usual, write a picture of the main window to FILE and exit.",
        "FILE");
    parser.addOption(screenshot);
    parser.process(app);
    if (textOnly) {
        return 0;
    }

    screenshotPath = parser.value(screenshot);
    if (screenshotPath.isEmpty() && noDisplay) {
        screenshotPath = QDir::temp().filePath("solva-tx-start.png");
        std::printf("No display is available: the start screen is rendered to a picture instead.\n");
    }

    QtPlatform platform;
    QtSerialPort serialPort;
    Form1 form(platform.Get(), serialPort);
    platform.SetParent(&form);
    if (!screenshotPath.isEmpty()) {
        return SaveScreenshot(form, screenshotPath);
    }
    form.show();
    return QApplication::exec();
}
