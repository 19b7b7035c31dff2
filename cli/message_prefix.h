#pragma once

#include <QString>

/// What every message of the command line starts with, so a script's log tells whose it is.
inline const QString kProgram = QStringLiteral("solva-tx: ");
