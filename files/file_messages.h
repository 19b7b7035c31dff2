#pragma once

#include <QString>

#include "files/pax_format.h"
#include "texts/texts.h"

/// Message key of the reason a data file was refused.
const char* PaxFaultKey(PaxFault fault);

/// Why the data file could not be saved: the file and the system's reason.
QString SaveFailedMessage(const Texts& texts, const QString& fileName, const QString& reason);

/// Why the data file could not be loaded: the file, its first bad line and the reason.
QString LoadFailedMessage(const Texts& texts, const QString& fileName,
                          const PaxDecodeResult& result);

/// The note is too long to be saved: how long the file may be, and would be.
QString NoteTooLongMessage(const Texts& texts, qsizetype fileBytes);
