#pragma once

#include <QString>

class QTextStream;

/// --report MAP.pax OUT.pdf [--language hun|eng]: the report of the file in the language
/// ("hun" when empty). A refused file gives the load's message on err and writes nothing.
int RunReportCommand(const QString& paxPath, const QString& pdfPath, const QString& language,
                     QTextStream& err);
