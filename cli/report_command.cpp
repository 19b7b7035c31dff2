#include "cli/report_command.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QLocale>
#include <QTextStream>

#include "cli/exit_status.h"
#include "cli/message_prefix.h"
#include "core/voltage_map.h"
#include "files/data_file.h"
#include "files/file_messages.h"
#include "report/map_report.h"

int RunReportCommand(const QString& paxPath, const QString& pdfPath, const QString& language,
                     QTextStream& err) {
    if (!language.isEmpty() && language != LanguageCode(UiLanguage::Hun) &&
        language != LanguageCode(UiLanguage::Eng)) {
        err << kProgram << "--language must be hun or eng, not '" << language << "'\n";
        return kExitUsage;
    }
    const UiLanguage lang =
        language == LanguageCode(UiLanguage::Eng) ? UiLanguage::Eng : UiLanguage::Hun;
    const PaxDecodeResult file = ReadDataFile(paxPath);
    if (!file.Ok()) {
        err << kProgram << LoadFailedMessage(Texts(lang), paxPath, file) << '\n';
        return kExitBadFile;
    }
    const QFileInfo info(paxPath);
    const ReportSource source{info.absoluteFilePath(), info.lastModified(), false,
                              QString::fromStdString(file.Data.Note)};
    // Voltages with the separator the window would show them with on this computer.
    const char separator = QLocale::system().toString(0.5, 'f', 1).at(1).toLatin1();
    QString error;
    if (!WriteMapReport(file.Data, source, lang, separator, QDateTime::currentDateTime(), pdfPath,
                        error)) {
        err << kProgram << Texts(lang)("MsgReportSaveFailed") << ' '
            << QDir::toNativeSeparators(pdfPath) << ": " << error << '\n';
        return kExitNotWritten;
    }
    return kExitDone;
}
