#include "cli/window_modes.h"

#include <QApplication>
#include <QDir>
#include <QTextStream>
#include <QTimer>
#include <cstdio>

#include "app/form1.h"
#include "app/screen_fit.h"
#include "cli/command_line.h"
#include "cli/report_command.h"
#include "cli/window_picture.h"
#include "device/qt_serial_port.h"
#include "files/data_file.h"
#include "files/file_messages.h"
#include "platform/process_setup.h"
#include "platform/qt_platform.h"

namespace {

/// The picture of the window in a state (--state) and language (--language), with the map of
/// fileName when one is given.
int TakeScreenshot(const QString& path, const QString& fileName, const CommandRequest& request) {
    const QString language = request.options.value("language");
    const std::optional<PictureState> state =
        PictureStateNamed(request.options.value("state", QStringLiteral("main")));
    if (!language.isEmpty() && language != "hun" && language != "eng") {
        std::fprintf(stderr, "solva-tx: --language must be hun or eng, not '%s'\n",
                     qPrintable(language));
        return kExitUsage;
    }
    if (!state) {
        std::fprintf(stderr,
                     "solva-tx: --state must be main, parts, reprompt, save-question, "
                     "progress, port-menu, chart-menu or undo-menu\n");
        return kExitUsage;
    }
    WindowPicture picture(*state, path);
    QtPlatform platform;
    const Platform real = platform.Get();
    Form1 form({real.messageBox, real.inputBox, real.fileDialog, real.clock, real.browser,
                real.clipboard, picture.Settings(), real.popupMenu, picture.Folders()},
               picture.Port());
    platform.SetParent(&form);
    if (language == "eng") {
        form.EnglishFlagClicked();
    }
    if (!fileName.isEmpty()) {
        // No one could answer a message box here: a refused file ends the run.
        const PaxDecodeResult file = ReadDataFile(fileName);
        if (!file.Ok()) {
            std::fprintf(stderr, "%s\n",
                         qPrintable(LoadFailedMessage(form.Messages(), fileName, file)));
            return kExitBadFile;
        }
        if (const qsizetype size = EncodePax(file.Data).size(); size > kMaxPaxFileBytes) {
            std::fprintf(stderr, "%s\n", qPrintable(NoteTooLongMessage(form.Messages(), size)));
            return kExitBadFile;
        }
        form.OpenFile(fileName);
    }
    const int status = picture.Take(form);
    if (status != kExitDone) {
        std::fprintf(stderr, "solva-tx: cannot write the picture %s\n",
                     qPrintable(QDir::toNativeSeparators(path)));
        return status;
    }
    std::printf("%s\n",
                qPrintable(QDir::toNativeSeparators(QDir::current().absoluteFilePath(path))));
    return kExitDone;
}

int RunScreenshot(const QString& path, const CommandRequest& request) {
    return RefusedAmongSentCopies(path) ? kExitUsage
                                        : TakeScreenshot(path, request.files.value(0), request);
}

}  // namespace

int RunEditorMode(const CommandRequest& request) {
    if (!request.display) {
        std::printf(
            "No display is available: the start screen is rendered to a picture instead.\n");
        return RunScreenshot(QDir::temp().filePath("solva-tx-start.png"), request);
    }
    const QString fileName = request.files.value(0);
    QtPlatform platform;
    QtSerialPort serialPort;
    Form1 form(platform.Get(), serialPort, QLocale::system(), SettingsFilePath(kSettingsFileName));
    platform.SetParent(&form);
    FitWindowToScreen(&form);
    form.show();
    // Once the window is up, so that the questions are shown over it; work left by a crash
    // first, so that a file named here asks whether to save the restored work.
    QTimer::singleShot(0, &form, [&form] { form.OfferLeftWork(); });
    if (!fileName.isEmpty()) {
        QTimer::singleShot(0, &form, [&form, fileName] { form.OpenFile(fileName); });
    }
    return QApplication::exec();
}

int RunScreenshotMode(const CommandRequest& request) {
    return RunScreenshot(request.value, request);
}

int RunReportMode(const CommandRequest& request) {
    QTextStream err(stderr);
    if (request.files.size() != 1) {
        err << "solva-tx: --report needs the PDF file to write: --report MAP.pax OUT.pdf\n";
        return kExitUsage;
    }
    if (RefusedAmongSentCopies(request.files[0])) {
        return kExitUsage;
    }
    return RunReportCommand(request.value, request.files[0], request.options.value("language"),
                            err);
}
