#include "CliOptions.h"

#include "platform/FileSystem.h"
#include "tools/trim/IntegerParser.h"

#include <QDir>

#include <functional>

namespace cli {

namespace {

struct CommandUsage {
    const char *name;
    const char *operands;
    const char *summary;
};

const CommandUsage kCommands[] = {
    {"zip", "FILE...", "pack each file into a zip archive of its own"},
    {"zip-folders", "FOLDER...",
     "pack each folder, with everything below it, into an archive of its own"},
    {"rezip", "ARCHIVE...", "pack each archive again at --level, without the --remove types"},
    {"unzip", "ARCHIVE...", "extract each archive"},
    {"test", "ARCHIVE...", "test the integrity of each archive"},
    {"crc", "FILE...", "CRC-32 report: name, checksum and size of each file"},
    {"dupes", "FILE...", "list the files that hold the same bytes, group by group"},
};

using Apply = std::function<QString(CliOptions &, const QString &)>;

struct OptionRule {
    const char *name;
    const char *value;     // nullptr for a switch
    const char *commands;  // blank-separated
    const char *help;
    Apply apply;
    const char *shortName = nullptr;  // "-m"; nullptr when there is none
};

QString folderValue(const QString &value, QString &target) {
    if (value.isEmpty())
        return QStringLiteral("an empty folder name");
    target = platform::withSeparator(QDir::cleanPath(QDir::current().absoluteFilePath(value)));
    return {};
}

QString argument(const char *name) {
    return QString::fromLatin1(name).mid(2);
}

// The rule of an option of the window's, as kOptionTable names it; `off`
// for the form that switches it off.
OptionRule windowOption(Option option, bool off = false) {
    const OptionDescriptor &d = descriptorOf(option);
    const CliOption &cli = off ? d.cliOff : d.cli;
    Apply apply = [&d, off](CliOptions &o, const QString &v) -> QString {
        switch (d.kind) {
            case OptionKind::Switch:
                o.values.setOn(d.id, !off);
                return {};
            case OptionKind::Number: {
                const auto number = tools::parseInteger(v, d.minimum, d.maximum);
                if (!number)
                    return QStringLiteral("the %1 must be a whole number from %2 to %3, not \"%4\"")
                        .arg(argument(d.cli.name))
                        .arg(d.minimum)
                        .arg(d.maximum)
                        .arg(v);
                o.values.setNumber(d.id, static_cast<int>(*number));
                return {};
            }
            case OptionKind::Folder: {
                QString folder;
                const QString error = folderValue(v, folder);
                if (error.isEmpty())
                    o.values.setText(d.id, folder);
                return error;
            }
            case OptionKind::File:
                if (v.isEmpty())
                    return QStringLiteral("an empty %1 file name").arg(argument(d.cli.name));
                o.values.setText(d.id, QDir::cleanPath(QDir::current().absoluteFilePath(v)));
                return {};
            case OptionKind::Text:
                o.values.setText(d.id, v);
                return {};
        }
        return {};
    };
    return {cli.name, cli.value, cli.commands, cli.help, apply};
}

OptionRule withShortName(OptionRule rule, const char *shortName) {
    rule.shortName = shortName;
    return rule;
}

bool named(const OptionRule &rule, const QString &name) {
    return QLatin1String(rule.name) == name ||
           (rule.shortName && QLatin1String(rule.shortName) == name);
}

const QList<OptionRule> &optionRules() {
    static const QList<OptionRule> rules = {
        windowOption(Option::compressionLevel),
        windowOption(Option::zipFolder),
        windowOption(Option::unzipFolder),
        windowOption(Option::workFolder),
        windowOption(Option::includeFile),
        {"--password-file", "FILE", "zip zip-folders rezip unzip test",
         "read the password from the first line of FILE (\"-\" for standard input, "
         "/dev/fd/N for an inherited descriptor)",
         [](CliOptions &o, const QString &v) {
             if (v.isEmpty())
                 return QStringLiteral("an empty password file name");
             o.passwordFile = v;
             return QString();
         }},
        // -m moves the files into their archives, as zip -m does.
        withShortName(windowOption(Option::deleteOriginal), "-m"),
        windowOption(Option::testBeforeDelete),
        windowOption(Option::testBeforeDelete, true),
        withShortName(windowOption(Option::deleteFolder), "-m"),
        windowOption(Option::keepExtension),
        windowOption(Option::fullPaths),
        windowOption(Option::upperCaseExtension),
        windowOption(Option::dateStamp),
        {"--remove", "PATTERN", "rezip", "a file type to take out, e.g. \"*.bak\" (repeatable)",
         [](CliOptions &o, const QString &v) {
             if (v.trimmed().isEmpty())
                 return QStringLiteral("an empty --remove pattern");
             o.removePatterns << v.trimmed();
             return QString();
         }},
        windowOption(Option::subFolder),
        windowOption(Option::recurse),
        windowOption(Option::recurse, true),
        windowOption(Option::deleteZip),
        {"--notify", nullptr, "zip zip-folders rezip unzip test",
         "report the end as a desktop notification; the error log is saved to a file it names",
         [](CliOptions &o, const QString &) {
             o.notify = true;
             return QString();
         }},
        {"--output", "FILE", "crc", "also save the report as comma-separated text",
         [](CliOptions &o, const QString &v) {
             if (v.isEmpty())
                 return QStringLiteral("an empty report file name");
             o.reportFile = v;
             return QString();
         }},
    };
    return rules;
}

bool appliesTo(const OptionRule &rule, const QString &command) {
    return QString::fromLatin1(rule.commands).split(QLatin1Char(' ')).contains(command);
}

const OptionRule *findOption(const QString &name, const QString &command) {
    for (const OptionRule &rule : optionRules())
        if (named(rule, name) && appliesTo(rule, command))
            return &rule;
    return nullptr;
}

bool knownOption(const QString &name) {
    for (const OptionRule &rule : optionRules())
        if (named(rule, name))
            return true;
    return false;
}

}  // namespace

OptionValues CliOptions::defaultValues() {
    OptionValues values;
    for (const OptionDescriptor &d : kOptionTable)
        if (d.offInBatchTool)
            values.setOn(d.id, false);
    return values;
}

BatchSettings CliOptions::settings() const {
    BatchSettings s = values.snapshot();
    s.rezipFolder = rezipFolder;
    return s;
}

QStringList commandNames() {
    QStringList names;
    for (const CommandUsage &c : kCommands)
        names << QLatin1String(c.name);
    return names;
}

ParsedCommandLine parseCommandLine(const QStringList &arguments) {
    ParsedCommandLine parsed;
    CliOptions &o = parsed.options;
    if (arguments.isEmpty()) {
        parsed.error = QStringLiteral("no command given");
        return parsed;
    }
    const QString first = arguments.first();
    if (first == QLatin1String("--version")) {
        o.script.version = true;
        return parsed;
    }
    if (first == QLatin1String("--help") || first == QLatin1String("-h") ||
        first == QLatin1String("help")) {
        o.help = true;
        if (arguments.size() > 1 && commandNames().contains(arguments[1]))
            o.command = arguments[1];
        return parsed;
    }
    if (!commandNames().contains(first)) {
        parsed.error = QStringLiteral("unknown command \"%1\"").arg(first);
        return parsed;
    }
    o.command = first;
    bool optionsEnded = false;
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        const QString &arg = arguments[i];
        if (optionsEnded || !arg.startsWith(QLatin1Char('-')) || arg == QLatin1String("-")) {
            o.paths << arg;
            continue;
        }
        if (arg == QLatin1String("--")) {
            optionsEnded = true;
            continue;
        }
        if (arg == QLatin1String("--help") || arg == QLatin1String("-h")) {
            o.help = true;
            continue;
        }
        // The options of the command line alone (ScriptOptions.h).
        if (takeScriptOption(arguments, i, o.script, parsed.error)) {
            if (!parsed.error.isEmpty())
                return parsed;
            continue;
        }
        const qsizetype equals = arg.indexOf(QLatin1Char('='));
        const QString name = equals < 0 ? arg : arg.left(equals);
        const OptionRule *rule = findOption(name, o.command);
        if (!rule) {
            parsed.error = knownOption(name)
                               ? QStringLiteral("%1 does not apply to %2").arg(name, o.command)
                               : QStringLiteral("unknown option \"%1\"").arg(name);
            return parsed;
        }
        QString value;
        if (rule->value) {
            if (equals >= 0) {
                value = arg.mid(equals + 1);
            } else if (i + 1 < arguments.size()) {
                value = arguments[++i];
            } else {
                parsed.error =
                    QStringLiteral("%1 needs a value (%2)").arg(name, QLatin1String(rule->value));
                return parsed;
            }
        } else if (equals >= 0) {
            parsed.error = QStringLiteral("%1 takes no value").arg(name);
            return parsed;
        }
        parsed.error = rule->apply(o, value);
        if (!parsed.error.isEmpty())
            return parsed;
    }
    if (!o.help && !o.script.version && o.paths.isEmpty() && o.script.filesFrom.isEmpty())
        parsed.error = QStringLiteral("%1: nothing to work on").arg(o.command);
    return parsed;
}

QString usageText(const QString &command) {
    QString text;
    if (command.isEmpty()) {
        text += QStringLiteral(
            "Usage: tovrane-batch COMMAND [OPTION]... PATH...\n\n"
            "Tovrane's batches and tools without the window.\n\nCommands:\n");
        for (const CommandUsage &c : kCommands)
            text += QStringLiteral("  %1 %2\n")
                        .arg(QLatin1String(c.name), -12)
                        .arg(QLatin1String(c.summary));
        text += QStringLiteral(
            "\nPaths may lie in several folders; each folder is worked through as if the\n"
            "window had browsed there and selected its paths, in the order given.\n"
            "\"tovrane-batch COMMAND --help\" lists the options of a command.\n"
            "Exit status: 0 when nothing failed, 1 when an item failed, 2 for a usage\n"
            "error, 130 when Ctrl-C stopped the run.\n");
        return text + scriptOptionsUsage();
    }
    for (const CommandUsage &c : kCommands)
        if (QLatin1String(c.name) == command)
            text += QStringLiteral("Usage: tovrane-batch %1 [OPTION]... %2\n%3.\n\nOptions:\n")
                        .arg(command, QLatin1String(c.operands), QLatin1String(c.summary));
    for (const OptionRule &rule : optionRules()) {
        if (!appliesTo(rule, command))
            continue;
        QString name = QLatin1String(rule.name);
        if (rule.shortName)
            name = QLatin1String(rule.shortName) + QStringLiteral(", ") + name;
        if (rule.value)
            name += QLatin1Char(' ') + QLatin1String(rule.value);
        text += usageLine(name, QLatin1String(rule.help));
    }
    text += usageLine(QStringLiteral("--help"), QStringLiteral("this text"));
    return text + scriptOptionsUsage();
}

}  // namespace cli
