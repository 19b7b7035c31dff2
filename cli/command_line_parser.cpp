#include "cli/command_line_parser.h"

#include <QCommandLineParser>

namespace {

QString Dashed(const QString& name) {
    return (name.size() == 1 ? QStringLiteral("-") : QStringLiteral("--")) + name;
}

bool Spells(const QString& argument, const QString& name) {
    const QString dashed = Dashed(name);
    return argument == dashed || (name.size() > 1 && argument.startsWith(dashed + '='));
}

QString ModeName(const CommandMode& mode) {
    return mode.names.isEmpty() ? QStringLiteral("the editor") : Dashed(mode.names.first());
}

/// Every option of the tables on one parser; gives each option's long name.
QHash<QString, QString> AddOptions(QCommandLineParser& parser, const QList<CommandMode>& modes,
                                   const QList<CommandCompanion>& companions) {
    QHash<QString, QString> longNames;
    for (const CommandMode& mode : modes) {
        if (!mode.names.isEmpty()) {
            parser.addOption({mode.names, mode.description, mode.valueName});
            for (const QString& name : mode.names) {
                longNames.insert(name, mode.names.first());
            }
        }
    }
    for (const CommandCompanion& companion : companions) {
        parser.addOption({companion.name, companion.description, companion.valueName});
        longNames.insert(companion.name, companion.name);
    }
    return longNames;
}

const CommandMode* FindMode(const QList<CommandMode>& modes, const QString& longName) {
    for (const CommandMode& mode : modes) {
        if (mode.names.value(0) == longName) {
            return &mode;
        }
    }
    return nullptr;
}

}  // namespace

CommandRequest ParseCommandLine(const QStringList& arguments, const QList<CommandMode>& modes,
                                const QList<CommandCompanion>& companions) {
    CommandRequest request;
    QCommandLineParser parser;
    const QHash<QString, QString> longNames = AddOptions(parser, modes, companions);
    auto refuse = [&request](const QString& why) {
        request.error = QStringLiteral("solva-tx: ") + why;
        request.mode = nullptr;
        return request;
    };
    if (!parser.parse(arguments)) {
        return refuse(parser.errorText());
    }
    QStringList seen;
    for (const QString& given : parser.optionNames()) {
        const QString name = longNames.value(given);
        if (seen.contains(name)) {
            return refuse(Dashed(name) + " is given twice");
        }
        seen.append(name);
        for (const QString& value : parser.values(name)) {
            if (value.isEmpty()) {
                return refuse(Dashed(name) + " needs a value");
            }
            for (const QString& option : longNames.keys()) {
                if (Spells(value, option)) {
                    return refuse(Dashed(name) + " needs a value before " + value);
                }
            }
        }
        const CommandMode* mode = FindMode(modes, name);
        if (mode != nullptr && request.mode != nullptr) {
            return refuse(ModeName(*request.mode) + " and " + Dashed(name) +
                          " cannot be used together");
        }
        if (mode != nullptr) {
            request.mode = mode;
            request.value = parser.value(name);
        }
    }
    if (request.mode == nullptr) {
        request.mode = FindMode(modes, QString());
    }
    const QString modeName = request.mode->names.value(0);
    for (const CommandCompanion& companion : companions) {
        const bool serves = companion.modes.contains(modeName);
        if (parser.isSet(companion.name) && !serves) {
            QStringList dashed;
            for (const QString& mode : companion.modes) {
                dashed.append(Dashed(mode));
            }
            return refuse(Dashed(companion.name) + " is used only with " + dashed.join(" or "));
        }
        if (!parser.isSet(companion.name) && serves && companion.required) {
            return refuse(ModeName(*request.mode) + " needs " + Dashed(companion.name) + ' ' +
                          companion.valueName);
        }
        if (parser.isSet(companion.name)) {
            request.options.insert(companion.name, parser.value(companion.name));
        }
    }
    request.files = parser.positionalArguments();
    if (request.files.size() > request.mode->files) {
        return refuse(QStringLiteral("%1 takes %2, '%3' would be ignored")
                          .arg(ModeName(*request.mode),
                               request.mode->files == 0 ? QStringLiteral("no file")
                                                        : QStringLiteral("one data file at most"),
                               request.files.at(request.mode->files)));
    }
    return request;
}

bool NamesConsoleMode(const QString& argument, const QList<CommandMode>& modes) {
    for (const CommandMode& mode : modes) {
        for (const QString& name : mode.names) {
            if (!mode.window && Spells(argument, name)) {
                return true;
            }
        }
    }
    return false;
}

QString CommandLineHelp(const QList<CommandMode>& modes, const QList<CommandCompanion>& companions,
                        const QString& description, const QString& statuses) {
    QCommandLineParser parser;
    parser.setApplicationDescription(description);
    AddOptions(parser, modes, companions);
    parser.addPositionalArgument("file", "A .pax data file to start with.", "[FILE.pax]");
    return parser.helpText() + '\n' + statuses + '\n';
}
