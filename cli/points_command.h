#pragma once

#include <QString>

#include "cli/exit_status.h"

class QTextStream;

/// The command line's words, as given; the numbers are checked by the command.
struct PointsCommandOptions {
    QString PointsFile;
    QString MapFile;
    QString Resolution = QStringLiteral("128");
    QString InputSpan = QStringLiteral("15");
    QString OutputSpan = QStringLiteral("15");
    QString Note;
};

/// --from-points POINTS.txt OUT.pax: the map the points give (as "Import points…" makes it)
/// written exactly as a save writes it, the largest difference from what the BOX will put
/// out on err. Any refusal says why on err and writes nothing.
int RunFromPointsCommand(const PointsCommandOptions& options, char decimalSeparator,
                         QTextStream& err);

/// The same on standard error, with the system locale's decimal separator.
int RunFromPointsCommand(const PointsCommandOptions& options);
