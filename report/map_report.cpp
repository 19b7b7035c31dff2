#include "report/map_report.h"

#include <QDir>
#include <QFont>
#include <QFontMetricsF>
#include <QPageSize>
#include <QPainter>
#include <QPainterPath>
#include <QPdfWriter>
#include <QSaveFile>
#include <algorithm>

#include "core/device_table.h"
#include "core/number_text.h"
#include "core/send_stream.h"
#include "core/voltage_map.h"

namespace {

constexpr int kDotsPerInch = 1200;
constexpr double kLeft = 15;  // page margins in millimetres
constexpr double kRight = 195;
constexpr int kNoteLines = 4;
constexpr int kRowsPerColumn = 32;
constexpr int kGridDivisions = 10;
constexpr double kWrappedLine = 4.5;  // millimetres from baseline to baseline

const QColor kCurveRed(0xE0, 0x00, 0x00);
const QColor kAxisGreen(0x00, 0x80, 0x00);
const QColor kAxisPurple(0x80, 0x00, 0x80);

QString Date(const QDateTime& when) {
    return when.isValid() ? when.toString(QStringLiteral("yyyy-MM-dd HH:mm")) : QStringLiteral("-");
}

QString SpanText(int volts) {
    return QStringLiteral("0 - %1 V").arg(volts);
}

/// The page in millimetres from its top-left corner, text in points.
class ReportPage {
public:
    explicit ReportPage(QPainter& painter) : p_(painter) {}

    double U(double mm) const { return mm * kDotsPerInch / 25.4; }
    QPointF At(double x, double y) const { return {U(x), U(y)}; }

    void SetFont(double points, bool bold = false) {
        QFont font(QStringLiteral("DejaVu Sans"));
        font.setStyleHint(QFont::SansSerif);
        font.setPointSizeF(points);
        font.setBold(bold);
        // No ligatures: "fi" is copied out of the PDF as two letters, so it can be searched.
        font.setStyleStrategy(QFont::PreferNoShaping);
        p_.setFont(font);
    }

    /// Text whose baseline starts at (x, y), cut with an ellipsis at width millimetres.
    void Text(double x, double y, const QString& text, double width = kRight - kLeft,
              Qt::TextElideMode cut = Qt::ElideRight) {
        p_.drawText(At(x, y),
                    QFontMetricsF(p_.font(), p_.device()).elidedText(text, cut, U(width)));
    }

    /// Whether text fits in width millimetres.
    bool Fits(const QString& text, double width = kRight - kLeft) const {
        return QFontMetricsF(p_.font(), p_.device()).horizontalAdvance(text) <= U(width);
    }

    /// Text ending at x on the baseline y.
    void RightText(double x, double y, const QString& text) {
        const double width = QFontMetricsF(p_.font(), p_.device()).horizontalAdvance(text);
        p_.drawText(QPointF(U(x) - width, U(y)), text);
    }

    /// Text centred on x on the baseline y.
    void CentredText(double x, double y, const QString& text) {
        const double width = QFontMetricsF(p_.font(), p_.device()).horizontalAdvance(text);
        p_.drawText(QPointF(U(x) - width / 2, U(y)), text);
    }

    void Pen(const QColor& color, double widthMm, Qt::PenStyle style = Qt::SolidLine) {
        p_.setPen(QPen(color, U(widthMm), style, Qt::RoundCap, Qt::RoundJoin));
    }

    QPainter& Painter() { return p_; }

private:
    QPainter& p_;
};

class ReportWriter {
public:
    ReportWriter(ReportPage& page, const MapContent& map, const Texts& texts, char separator)
        : page_(page), map_(map), texts_(texts), separator_(separator) {}

    /// The baseline of its last line.
    double Head(const ReportSource& source, const QDateTime& made) {
        page_.Painter().setPen(Qt::black);
        page_.SetFont(14, true);
        page_.Text(kLeft, 20, texts_("MsgReportTitle"));
        page_.SetFont(9);
        const double fileEnd = FileLines(source, 29);
        const int byte = BuildConfigByte(map_);
        const QString config =
            QStringLiteral("0x%1 (%2)")
                .arg(QString::number(byte, 16).toUpper().rightJustified(2, QLatin1Char('0')),
                     QString::number(byte, 2).rightJustified(8, QLatin1Char('0')));
        const QString on = texts_("MsgReportOn");
        const QString off = texts_("MsgReportOff");
        const QString rows[][2] = {
            {Pair("MsgReportFileDate", Date(source.fileDate)), Pair("MsgReportMade", Date(made))},
            {Pair("MsgReportInputSpan", SpanText(map_.InputRangeMax)),
             Pair("MsgReportOutputSpan", SpanText(map_.OutputRangeMax))},
            {Pair("MsgReportResolution",
                  QString::number(map_.Resolution) + texts_("MsgReportBreakpoints")),
             Pair("MsgReportConfigByte", config)},
            {Pair("MsgReportInputFilter", map_.InputFilter == 1 ? on : off),
             Pair("MsgReportOutputFilter", map_.OutputFilter == 1 ? on : off)},
        };
        double y = fileEnd + 5;
        for (const auto& row : rows) {
            page_.Text(kLeft, y, row[0], 90);
            page_.Text(kLeft + 95, y, row[1], 85);
            y += 5;
        }
        page_.SetFont(9, true);
        page_.Text(kLeft, y,
                   Pair("MsgReportChecksum", QString::fromStdString(StreamChecksum(map_))));
        return y;
    }

    /// The first lines of the note from baseline top; the rest stays in the file.
    void Note(const QString& note, double top) {
        page_.SetFont(9);
        page_.Text(kLeft, top, texts_("MsgReportNote"));
        page_.SetFont(8);
        QStringList lines = note.split(QLatin1Char('\n'));
        if (lines.size() > kNoteLines) {
            lines = lines.mid(0, kNoteLines - 1) << texts_("MsgReportNoteCut");
        }
        double y = top;
        for (const QString& line : lines) {
            page_.Text(kLeft + 25, y, line, kRight - kLeft - 25);
            y += 4;
        }
    }

    /// The curve through 0 V and every breakpoint, on a grid of the spans.
    void Chart(double top, double bottom) {
        const double left = kLeft + 12;
        const double right = kRight - 3;
        const double plotBottom = bottom - 10;
        const auto x = [&](double volts) {
            return left + (right - left) * volts / map_.InputRangeMax;
        };
        const auto y = [&](double volts) {
            return plotBottom - (plotBottom - top) * volts / map_.OutputRangeMax;
        };
        QPainter& p = page_.Painter();
        page_.SetFont(7);
        for (int i = 0; i <= kGridDivisions; ++i) {
            const double in = map_.InputRangeMax * double(i) / kGridDivisions;
            const double out = map_.OutputRangeMax * double(i) / kGridDivisions;
            page_.Pen(QColor(0xD0, 0xD0, 0xD0), 0.1);
            p.drawLine(page_.At(x(in), top), page_.At(x(in), plotBottom));
            p.drawLine(page_.At(left, y(out)), page_.At(right, y(out)));
            p.setPen(kAxisGreen);
            page_.CentredText(x(in), plotBottom + 4,
                              QString::fromStdString(FormatOneDecimal(in, separator_)));
            p.setPen(kAxisPurple);
            page_.RightText(left - 1.5, y(out) + 1,
                            QString::fromStdString(FormatOneDecimal(out, separator_)));
        }
        page_.Pen(kAxisGreen, 0.3);
        p.drawLine(page_.At(left, plotBottom), page_.At(right, plotBottom));
        page_.Pen(kAxisPurple, 0.3);
        p.drawLine(page_.At(left, top), page_.At(left, plotBottom));
        p.setPen(kAxisGreen);
        page_.CentredText((left + right) / 2, bottom - 1, texts_("MsgReportInputVolts"));
        p.save();
        p.translate(page_.At(kLeft + 1, (top + plotBottom) / 2));
        p.rotate(-90);
        p.setPen(kAxisPurple);
        const double width =
            QFontMetricsF(p.font(), p.device()).horizontalAdvance(texts_("MsgReportOutputVolts"));
        p.drawText(QPointF(-width / 2, 0), texts_("MsgReportOutputVolts"));
        p.restore();

        QPainterPath curve(page_.At(x(0), y(0)));
        for (int k = 0; k < map_.Resolution; ++k) {
            curve.lineTo(page_.At(x(MapPointInput(map_, k)), y(map_.OutputValues[k])));
        }
        page_.Pen(kCurveRed, 0.4);
        p.setBrush(Qt::NoBrush);
        p.drawPath(curve);
    }

    /// Every breakpoint: its number, input and output voltage, 32 rows to a column.
    void Table(double top) {
        QPainter& p = page_.Painter();
        p.setPen(Qt::black);
        const int columns = (map_.Resolution + kRowsPerColumn - 1) / kRowsPerColumn;
        const int rows = std::min(map_.Resolution, kRowsPerColumn);
        const double columnWidth = (kRight - kLeft) / 4;
        const double rowHeight = 3.1;
        for (int c = 0; c < columns; ++c) {
            const double x = kLeft + c * columnWidth;
            page_.SetFont(7, true);
            page_.RightText(x + 9, top, texts_("MsgReportPoint"));
            page_.RightText(x + 24, top, texts_("MsgReportInputVolts"));
            page_.RightText(x + 39, top, texts_("MsgReportOutputVolts"));
            page_.SetFont(7);
            for (int r = 0; r < rows; ++r) {
                const int k = c * kRowsPerColumn + r;
                const double y = top + (r + 1) * rowHeight;
                page_.RightText(x + 9, y, QString::number(k + 1));
                page_.RightText(x + 24, y, Volts(MapPointInput(map_, k)));
                page_.RightText(x + 39, y, Volts(map_.OutputValues[k]));
            }
        }
    }

private:
    /// The file from baseline y: where the line is too long the folder loses the folders
    /// in its middle, and then the file's own name and the mark go on lines of their own.
    /// They are never cut. The baseline of the last line.
    double FileLines(const ReportSource& source, double y) {
        const QString label = texts_("MsgReportFile") + QLatin1Char(' ');
        if (source.fileName.isEmpty()) {
            page_.Text(kLeft, y, label + texts_("MsgReportNotSaved"));
            return y;
        }
        const QString path = QDir::toNativeSeparators(source.fileName);
        const qsizetype cut = path.lastIndexOf(QDir::separator()) + 1;
        QString folder = path.left(cut);
        const QString name =
            path.mid(cut) + (source.changed ? texts_("MsgReportChanged") : QString());
        if (!page_.Fits(label + folder + name)) {
            folder = WithoutMiddleFolders(folder);
        }
        if (page_.Fits(label + folder + name)) {
            page_.Text(kLeft, y, label + folder + name);
            return y;
        }
        page_.Text(kLeft, y, label + folder, kRight - kLeft, Qt::ElideMiddle);
        for (const QString& line : Wrapped(name)) {
            y += kWrappedLine;
            page_.Text(kLeft, y, line);
        }
        return y;
    }

    /// "/mérések/2026/december/" as "/mérések/…/december/".
    static QString WithoutMiddleFolders(const QString& folder) {
        const QStringList parts = folder.split(QDir::separator());
        if (parts.size() < 5) {
            return folder;
        }
        return QStringList{parts[0], parts[1], QStringLiteral("\u2026"), parts[parts.size() - 2],
                           QString()}
            .join(QDir::separator());
    }

    /// Lines of the page's width, broken at a blank where one fits, else where the width ends.
    QStringList Wrapped(QString text) const {
        QStringList lines;
        while (!page_.Fits(text)) {
            qsizetype end = text.size() - 1;
            while (end > 1 && !page_.Fits(text.left(end))) {
                --end;
            }
            const qsizetype blank = text.lastIndexOf(QLatin1Char(' '), end);
            end = blank > 0 ? blank : end;
            lines << text.left(end);
            text = text.mid(text[end] == QLatin1Char(' ') ? end + 1 : end);
        }
        return lines << text;
    }

    QString Pair(const char* key, const QString& value) const {
        return texts_(key) + QLatin1Char(' ') + value;
    }
    QString Volts(double volts) const {
        return QString::fromStdString(FormatVoltage(volts, separator_));
    }

    ReportPage& page_;
    const MapContent& map_;
    const Texts& texts_;
    char separator_;
};

}  // namespace

bool WriteMapReport(const MapContent& map, const ReportSource& source, UiLanguage language,
                    char separator, const QDateTime& made, const QString& pdfPath, QString& error) {
    QSaveFile file(pdfPath);
    if (!file.open(QIODevice::WriteOnly)) {
        error = file.errorString();
        return false;
    }
    const Texts texts(language);
    {
        QPdfWriter writer(&file);
        writer.setPageSize(QPageSize(QPageSize::A4));
        writer.setPageMargins(QMarginsF(0, 0, 0, 0));
        writer.setResolution(kDotsPerInch);
        writer.setCreator(QStringLiteral("SOLVA-TX"));
        writer.setTitle(texts("MsgReportTitle"));
        QPainter painter(&writer);
        painter.setRenderHint(QPainter::Antialiasing);
        ReportPage page(painter);
        ReportWriter report(page, map, texts, separator);
        // A file that takes more lines moves the note down, into the room above the chart.
        report.Note(source.note, report.Head(source, made) + 7);
        report.Chart(80, 180);
        report.Table(188);
        if (!painter.end()) {
            error = QStringLiteral("PDF");
            return false;
        }
    }
    if (!file.commit()) {
        error = file.errorString();
        return false;
    }
    return true;
}
