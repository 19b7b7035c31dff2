#pragma once

#include <QList>
#include <QString>

#include "cli/command_line_parser.h"
#include "cli/exit_status.h"

class Clock;
class PortAssignments;
class SentMaps;
struct SerialDevice;
class QIODevice;
class QTextStream;
class SerialPort;

/// --stream FILE.pax: writes to out exactly the 768 bytes that a send of the file puts on
/// the line after the break; with checksum, their CRC-32 as one line of eight hex digits.
/// A refused file writes nothing and says why on err.
int RunStreamCommand(const QString& paxPath, QIODevice& out, QTextStream& err,
                     bool checksum = false);

/// --send FILE.pax --port N: sends the file to port N (1..16) with the same sequence as the
/// send button, the progress and any error in English on err. A refused file or a port
/// number out of range sends nothing and gives kExitUsage. A completed send is kept in sent, when
/// given.
int RunSendCommand(const QString& paxPath, int portNumber, SerialPort& port, Clock& clock,
                   QTextStream& err, SentMaps* sent);

/// --ports: the device of com 1 to 16 and where it comes from, then the serial devices found.
void RunPortsCommand(QTextStream& out, const PortAssignments& assignments,
                     const QList<SerialDevice>& devices);

/// Whether a file a command-line mode would write lies among the copies of the maps sent,
/// where only a send writes; says so on standard error when it does.
bool RefusedAmongSentCopies(const QString& outputPath);

/// --last-sent: the path of the newest map kept; none gives kExitBadFile and a line on err.
/// While a send is on record as cut off, no copy stands for what its box holds: each such
/// send is named on err, nothing goes to out, and the status is kExitPortError.
int RunLastSentCommand(const SentMaps& sent, QTextStream& out, QTextStream& err);

/// Every way of running the program, each with its runner; the first is the editor. The
/// modes without a window run on standard output and standard error, with the real port,
/// clock, the user's port assignments and the user's folder of maps sent.
const QList<CommandMode>& CommandModes();
/// The options that serve one mode each.
const QList<CommandCompanion>& CommandCompanions();
