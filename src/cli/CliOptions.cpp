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
};

QString folderValue(const QString &value, QString &target) {
    if (value.isEmpty())
        return QStringLiteral("an empty folder name");
    target = platform::withSeparator(QDir::cleanPath(QDir::current().absoluteFilePath(value)));
    return {};
}

Apply flag(bool BatchSettings::*member, bool on = true) {
    return [member, on](CliOptions &o, const QString &) {
        o.settings.*member = on;
        return QString();
    };
}

const QList<OptionRule> &optionRules() {
    static const QList<OptionRule> rules = {
        {"--level", "N", "zip zip-folders rezip",
         "compression level, 1 (fastest) to 9 (smallest); 8 if not given",
         [](CliOptions &o, const QString &v) {
             const auto level = tools::parseInteger(v, 1, 9);
             if (!level)
                 return QStringLiteral("the level must be a whole number from 1 to 9, not \"%1\"")
                     .arg(v);
             o.settings.compressionLevel = static_cast<int>(*level);
             return QString();
         }},
        {"--to", "DIR", "zip zip-folders", "where the archives go; beside each item if not given",
         [](CliOptions &o, const QString &v) { return folderValue(v, o.settings.zipFolder); }},
        {"--to", "DIR", "unzip",
         "where the archives are extracted; beside each archive if not given",
         [](CliOptions &o, const QString &v) { return folderValue(v, o.settings.unzipFolder); }},
        {"--work", "DIR", "zip zip-folders rezip",
         "the engine's temporary folder; beside each item if not given (rezip: a private one)",
         [](CliOptions &o, const QString &v) { return folderValue(v, o.settings.workFolder); }},
        {"--include", "FILE", "zip zip-folders rezip", "a file added to every archive",
         [](CliOptions &o, const QString &v) {
             if (v.isEmpty())
                 return QStringLiteral("an empty include file name");
             o.settings.includeFile = QDir::cleanPath(QDir::current().absoluteFilePath(v));
             return QString();
         }},
        {"--password-file", "FILE", "zip zip-folders rezip unzip",
         "read the password from the first line of FILE (\"-\" for standard input, "
         "/dev/fd/N for an inherited descriptor)",
         [](CliOptions &o, const QString &v) {
             if (v.isEmpty())
                 return QStringLiteral("an empty password file name");
             o.passwordFile = v;
             return QString();
         }},
        {"--delete-originals", nullptr, "zip", "delete each file once its archive is complete",
         flag(&BatchSettings::deleteOriginal)},
        {"--delete-folders", nullptr, "zip-folders",
         "delete each folder once its archive holds all of it", flag(&BatchSettings::deleteFolder)},
        {"--keep-extension", nullptr, "zip", "name archives after the whole file name (a.txt.zip)",
         flag(&BatchSettings::keepExtension)},
        {"--full-paths", nullptr, "zip zip-folders", "store folder paths in the archives",
         flag(&BatchSettings::fullPaths)},
        {"--upper-case", nullptr, "zip zip-folders", "end archive names in .ZIP",
         flag(&BatchSettings::upperCaseExtension)},
        {"--date-stamp", nullptr, "zip zip-folders",
         "give each archive the date of its newest entry", flag(&BatchSettings::dateStamp)},
        {"--remove", "PATTERN", "rezip", "a file type to take out, e.g. \"*.bak\" (repeatable)",
         [](CliOptions &o, const QString &v) {
             if (v.trimmed().isEmpty())
                 return QStringLiteral("an empty --remove pattern");
             o.removePatterns << v.trimmed();
             return QString();
         }},
        {"--sub-folder", nullptr, "unzip", "extract each archive into a folder named after it",
         flag(&BatchSettings::subFolder)},
        {"--recurse", nullptr, "unzip", "recreate the folders stored in the archives (the default)",
         flag(&BatchSettings::recurse)},
        {"--no-recurse", nullptr, "unzip", "extract every entry straight into the destination",
         flag(&BatchSettings::recurse, false)},
        {"--delete-zips", nullptr, "unzip", "delete each archive once all of it is extracted",
         flag(&BatchSettings::deleteZip)},
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
        if (QLatin1String(rule.name) == name && appliesTo(rule, command))
            return &rule;
    return nullptr;
}

bool knownOption(const QString &name) {
    for (const OptionRule &rule : optionRules())
        if (QLatin1String(rule.name) == name)
            return true;
    return false;
}

}  // namespace

BatchSettings CliOptions::defaultSettings() {
    BatchSettings s;
    s.deleteOriginal = false;
    s.deleteZip = false;
    s.deleteFolder = false;
    s.beepZip = false;
    s.beepUnzip = false;
    s.recurse = true;
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
    if (!o.help && o.paths.isEmpty())
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
            "Exit status: 0 when nothing failed, 1 when an item failed or the run was\n"
            "stopped (Ctrl-C), 2 for a usage error.\n");
        return text;
    }
    for (const CommandUsage &c : kCommands)
        if (QLatin1String(c.name) == command)
            text += QStringLiteral("Usage: tovrane-batch %1 [OPTION]... %2\n%3.\n\nOptions:\n")
                        .arg(command, QLatin1String(c.operands), QLatin1String(c.summary));
    for (const OptionRule &rule : optionRules()) {
        if (!appliesTo(rule, command))
            continue;
        QString name = QLatin1String(rule.name);
        if (rule.value)
            name += QLatin1Char(' ') + QLatin1String(rule.value);
        text += QStringLiteral("  %1 %2\n").arg(name, -22).arg(QLatin1String(rule.help));
    }
    text += QStringLiteral("  %1 %2\n")
                .arg(QStringLiteral("--help"), -22)
                .arg(QStringLiteral("this text"));
    return text;
}

}  // namespace cli
