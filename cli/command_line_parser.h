#pragma once

#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>

struct CommandRequest;

/// Runs a mode; gives the exit status.
using CommandRunner = int (*)(const CommandRequest&);

/// One way the program can be run: at most one mode is chosen per command line.
struct CommandMode {
    QStringList names;    ///< option names without dashes, first the long one; none: the editor
    QString valueName;    ///< what the option's value is ("FILE"); empty for a switch
    QString description;  ///< for --help
    int files = 0;        ///< how many data files may follow
    CommandRunner run = nullptr;
    bool window = false;  ///< runs in the window application (draws text or shows the window)
};

/// An option that only serves one mode, such as the port of --send.
struct CommandCompanion {
    QString name;
    QString valueName;
    QString description;
    QStringList modes;  ///< the long names of the modes it serves
    bool required = false;
};

/// A command line read against the modes: what to run, or the one line saying why not.
struct CommandRequest {
    const CommandMode* mode = nullptr;
    QString value;                    ///< the mode option's value
    QHash<QString, QString> options;  ///< the companions given, by name
    QStringList files;
    QString error;        ///< a usage error: nothing is run
    bool display = true;  ///< false: there is no display, a window is drawn offscreen
};

/// Refuses every command line that would leave something given unused: an unknown option,
/// two modes, an option given twice, a companion without its mode, a missing companion, a
/// file the mode does not take, or an option name standing where a value belongs.
CommandRequest ParseCommandLine(const QStringList& arguments, const QList<CommandMode>& modes,
                                const QList<CommandCompanion>& companions);

/// Whether an argument spells one of the options of a mode that runs without the window
/// application.
bool NamesConsoleMode(const QString& argument, const QList<CommandMode>& modes);

/// The --help text of the modes and companions, ending with the list of exit statuses.
QString CommandLineHelp(const QList<CommandMode>& modes, const QList<CommandCompanion>& companions,
                        const QString& description, const QString& statuses);
