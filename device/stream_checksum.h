#pragma once

#include <QString>

struct MapContent;

/// The CRC-32 of the 768 bytes that a send of the map puts on the line, as eight hex digits
/// ("D36C63F8"). The report, --stream --checksum and the list of maps sent all show it, so
/// that a printed report, a file and a send can be matched.
QString StreamChecksum(const MapContent& map);

/// The same for a data file; empty when the file is refused.
QString PaxFileChecksum(const QString& paxPath);
