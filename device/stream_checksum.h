#pragma once

#include <QString>

/// The checksum of the stream (StreamChecksum) of a data file; empty when the file is refused.
QString PaxFileChecksum(const QString& paxPath);
