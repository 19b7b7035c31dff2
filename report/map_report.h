#pragma once

#include <QDateTime>
#include <QString>

#include "texts/texts.h"

struct MapContent;

/// Where the map of a report comes from, besides the map itself.
struct ReportSource {
    QString fileName;      ///< the data file; empty when the map was never saved
    QDateTime fileDate;    ///< the file's last change; invalid when unknown
    bool changed = false;  ///< the map differs from the file: their checksums will too
    QString note;
};

/// Writes the one-page A4 report of the map to pdfPath in the language: the file and the
/// dates, spans, resolution, filters and note, the chart as vector drawing, every
/// breakpoint's input and output voltage, the configuration byte and the checksum of the
/// bytes a send puts on the line. Voltages take the given decimal separator, as the window
/// shows them. An existing file is replaced only by a whole report; on failure error says
/// why and nothing is written.
bool WriteMapReport(const MapContent& map, const ReportSource& source, UiLanguage language,
                    char separator, const QDateTime& made, const QString& pdfPath, QString& error);
