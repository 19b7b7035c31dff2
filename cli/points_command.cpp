#include "cli/points_command.h"

#include <QLocale>
#include <QTextStream>
#include <algorithm>

#include "cli/message_prefix.h"
#include "files/data_file.h"
#include "files/file_messages.h"
#include "files/points_file.h"
#include "texts/texts.h"

namespace {

/// The number of an option when it is one of the allowed values, otherwise 0.
int AllowedNumber(const QString& text, std::initializer_list<int> allowed) {
    bool ok = false;
    const int value = text.toInt(&ok);
    return ok && std::find(allowed.begin(), allowed.end(), value) != allowed.end() ? value : 0;
}

int Say(QTextStream& err, const QString& message, int status) {
    err << kProgram << message << '\n';
    err.flush();
    return status;
}

}  // namespace

int RunFromPointsCommand(const PointsCommandOptions& options, char decimalSeparator,
                         QTextStream& err) {
    PointsFrame frame;
    frame.DecimalSeparator = decimalSeparator;
    frame.Resolution = AllowedNumber(options.Resolution, {128, 64, 32, 16, 8});
    frame.InputRangeMax = AllowedNumber(options.InputSpan, {5, 10, 15});
    frame.OutputRangeMax = AllowedNumber(options.OutputSpan, {5, 10, 15});
    const std::pair<int, QString> numbers[] = {
        {frame.Resolution,
         "--resolution must be 128, 64, 32, 16 or 8, not \"" + options.Resolution},
        {frame.InputRangeMax, "--input-span must be 5, 10 or 15, not \"" + options.InputSpan},
        {frame.OutputRangeMax, "--output-span must be 5, 10 or 15, not \"" + options.OutputSpan}};
    for (const auto& [value, message] : numbers) {
        if (value == 0) {
            return Say(err, message + '"', kExitUsage);
        }
    }
    const Texts texts(UiLanguage::Eng);
    const PointsSource points = ReadPointsFile(options.PointsFile, frame);
    if (!points.Ok()) {
        return Say(err, PointsRefusedMessage(texts, options.PointsFile, points, frame),
                   kExitBadFile);
    }
    const PointsFit fit = FitPoints(points.Reading.Points, frame.InputRangeMax,
                                    frame.OutputRangeMax, frame.Resolution);
    MapContent map;
    map.Note = options.Note.toStdString();
    map.InputRangeMax = frame.InputRangeMax;
    map.OutputRangeMax = frame.OutputRangeMax;
    map.Resolution = frame.Resolution;
    for (int k = 0; k < frame.Resolution; ++k) {
        map.SetOutputValue(k, fit.Values[k]);
    }
    const WriteResult written = WriteDataFile(map, options.MapFile);
    if (written.TooLarge) {
        return Say(err, "--note: " + NoteTooLongMessage(texts, DataFileSize(map)), kExitUsage);
    }
    if (!written.Ok) {
        return Say(err, SaveFailedMessage(texts, options.MapFile, written.Error), kExitNotWritten);
    }
    return Say(err, PointsDifferenceMessage(texts, points.Reading, fit, decimalSeparator),
               kExitDone);
}

int RunFromPointsCommand(const PointsCommandOptions& options) {
    QTextStream err(stderr);
    const QChar point = QLocale::system().toString(0.5, 'f', 1).at(1);
    return RunFromPointsCommand(options, point == u',' ? ',' : '.', err);
}
