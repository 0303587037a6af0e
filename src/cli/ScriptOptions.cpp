#include "ScriptOptions.h"

namespace cli {

namespace {

struct ScriptOption {
    const char *shortName;  // nullptr when there is none
    const char *name;
    const char *value;  // nullptr for a switch
    const char *help;
    QString ScriptOptions::*target = nullptr;  // where a value goes
};

const ScriptOption kScriptOptions[] = {
    {"-q", "--quiet", nullptr, "say nothing but results and errors"},
    {"-v", "--verbose", nullptr, "write every status text as a line, also into a pipe"},
    {nullptr, "--files-from", "FILE",
     "also the paths listed in FILE, one a line (\"-\": standard input)",
     &ScriptOptions::filesFrom},
    {"-0", "--null", nullptr, "list names end with NUL, and so do the lines of dupes and test"},
};

void applySwitch(const QString &name, ScriptOptions &options) {
    if (name == QLatin1String("--quiet") || name == QLatin1String("-q"))
        options.verbosity = Verbosity::Quiet;
    else if (name == QLatin1String("--verbose") || name == QLatin1String("-v"))
        options.verbosity = Verbosity::Verbose;
    else if (name == QLatin1String("--null") || name == QLatin1String("-0"))
        options.nul = true;
}

// "-q", "-v", "-0" and clusters of them such as "-0q".
bool isSwitchCluster(const QString &arg) {
    if (arg.size() < 2 || arg[0] != QLatin1Char('-') || arg[1] == QLatin1Char('-'))
        return false;
    for (qsizetype k = 1; k < arg.size(); ++k)
        if (!QStringLiteral("qv0").contains(arg[k]))
            return false;
    return true;
}

}  // namespace

bool takeScriptOption(const QStringList &arguments, qsizetype &i, ScriptOptions &options,
                      QString &error) {
    const QString &arg = arguments[i];
    if (isSwitchCluster(arg)) {
        for (qsizetype k = 1; k < arg.size(); ++k)
            applySwitch(QLatin1Char('-') + arg[k], options);
        return true;
    }
    const qsizetype equals = arg.indexOf(QLatin1Char('='));
    const QString name = equals < 0 ? arg : arg.left(equals);
    if (name == QLatin1String("--version")) {
        options.version = true;
        return true;
    }
    for (const ScriptOption &option : kScriptOptions) {
        if (name != QLatin1String(option.name))
            continue;
        if (!option.value) {
            if (equals >= 0)
                error = QStringLiteral("%1 takes no value").arg(name);
            applySwitch(name, options);
            return true;
        }
        QString &value = options.*option.target;
        if (equals >= 0) {
            value = arg.mid(equals + 1);
        } else if (i + 1 < arguments.size()) {
            value = arguments[++i];
        } else {
            error = QStringLiteral("%1 needs a value (%2)").arg(name, QLatin1String(option.value));
            return true;
        }
        if (value.isEmpty())
            error = QStringLiteral("%1 needs a value (%2)").arg(name, QLatin1String(option.value));
        return true;
    }
    return false;
}

QString scriptOptionsUsage() {
    QString text = QStringLiteral("\nOptions of every command:\n");
    for (const ScriptOption &option : kScriptOptions) {
        QString name = option.shortName ? QLatin1String(option.shortName) + QStringLiteral(", ")
                                        : QStringLiteral("    ");
        name += QLatin1String(option.name);
        if (option.value)
            name += QLatin1Char(' ') + QLatin1String(option.value);
        text += usageLine(name, QLatin1String(option.help));
    }
    return text +
           usageLine(QStringLiteral("    --version"), QStringLiteral("print the version and end"));
}

QString usageLine(const QString &option, const QString &help) {
    constexpr int kColumn = 22;
    if (option.size() <= kColumn)
        return QStringLiteral("  %1 %2\n").arg(option, -kColumn).arg(help);
    return QStringLiteral("  %1\n  %2 %3\n").arg(option, QString(kColumn, QLatin1Char(' ')), help);
}

QString versionText() {
    return QStringLiteral("tovrane-batch (Tovrane) " TOVRANE_VERSION "\n");
}

}  // namespace cli
