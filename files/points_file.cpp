#include "files/points_file.h"

#include <QDir>

#include "core/number_text.h"
#include "core/rounding.h"
#include "files/whole_file.h"
#include "texts/entry_prompts.h"

namespace {

const char* ProblemKey(PointsProblem problem) {
    switch (problem) {
        case PointsProblem::None:
        case PointsProblem::NotTwoNumbers:
            break;
        case PointsProblem::InputOutsideSpan:
            return "MsgPointsInputOutside";
        case PointsProblem::OutputOutsideSpan:
            return "MsgPointsOutputOutside";
        case PointsProblem::InputTwice:
            return "MsgPointsInputTwice";
        case PointsProblem::TooFewPoints:
            return "MsgPointsTooFew";
    }
    return "MsgPointsNotTwoNumbers";
}

QString Volts(double v, char separator) {
    return QString::fromStdString(FormatVoltage(v, separator)) + QStringLiteral(" V");
}

}  // namespace

PointsSource ReadPointsFile(const QString& fileName, const PointsFrame& frame) {
    QByteArray bytes;
    PointsSource source;
    if (!ReadFileHead(fileName, kMaxPointsFileBytes + 1, bytes, source.Detail)) {
        source.CannotRead = true;
    } else if (bytes.size() > kMaxPointsFileBytes) {
        source.TooLarge = true;
    } else {
        source.Reading = ReadDatasheetPoints(bytes.toStdString(), frame.DecimalSeparator,
                                             frame.InputRangeMax, frame.OutputRangeMax);
    }
    return source;
}

PointsSource ReadPointsText(const QString& text, const PointsFrame& frame) {
    PointsSource source;
    source.Reading = ReadDatasheetPoints(text.toStdString(), frame.DecimalSeparator,
                                         frame.InputRangeMax, frame.OutputRangeMax);
    return source;
}

QString PointsRefusedMessage(const Texts& texts, const QString& source, const PointsSource& points,
                             const PointsFrame& frame) {
    QString message = texts("MsgPointsRefused") + u'\n' + QDir::toNativeSeparators(source) + u'\n';
    if (points.CannotRead || points.TooLarge) {
        message += texts(points.TooLarge ? "MsgPaxTooLarge" : "MsgPaxCannotRead");
        if (!points.Detail.isEmpty()) {
            message += QStringLiteral(" (") + points.Detail + u')';
        }
        return message;
    }
    const PointsReading& reading = points.Reading;
    if (reading.BadLine > 0) {
        message += texts("MsgLoadFailedLine") + u' ' + QString::number(reading.BadLine) + u'\n';
    }
    message += texts(ProblemKey(reading.Problem));
    if (reading.Problem == PointsProblem::InputOutsideSpan ||
        reading.Problem == PointsProblem::OutputOutsideSpan) {
        const int span = reading.Problem == PointsProblem::InputOutsideSpan ? frame.InputRangeMax
                                                                            : frame.OutputRangeMax;
        message += QString::number(span) + texts("MsgPointsSpanTail");
    }
    if (reading.Problem == PointsProblem::NotTwoNumbers) {
        message +=
            u'\n' + SeparatorsNote(texts, reading.BadLineSeparator, reading.BadLineCommaIsDecimal);
    }
    return message;
}

QString PointsDifferenceMessage(const Texts& texts, const PointsReading& reading,
                                const PointsFit& fit, char decimalSeparator) {
    const DatasheetPoint& worst = reading.Points[fit.WorstPoint];
    return texts("MsgPointsDifference") + QString::number(RoundHalfEven(fit.LargestDifferenceMv)) +
           texts("MsgPointsDifferencePoint") + Volts(worst.Input, decimalSeparator) +
           QStringLiteral(" \u2192 ") + Volts(worst.Output, decimalSeparator) +
           texts("MsgPointsDifferenceLine") + QString::number(worst.Line) + u')';
}
