#pragma once

#include <QString>
#include <QStringList>

namespace cli {

// How much the tool says (see ConsoleOutput.h).
enum class Verbosity { Quiet, Normal, Verbose };

// The options that only the command line has, for scripts: how much the
// tool says, where further paths come from and how they are separated. They
// apply to every command and may stand anywhere before "--".
struct ScriptOptions {
    Verbosity verbosity = Verbosity::Normal;
    // A list of paths to work on besides those given as arguments, one a
    // line ("-" reads standard input): for more names than a command line
    // takes, and for names that find and friends produce.
    QString filesFrom;
    // Names in that list end with NUL instead of a line end, and so do the
    // lines of the dupes listing and the test verdicts, which then carry
    // names unchanged.
    bool nul = false;
    bool version = false;
};

// When arguments[i] is a script option, applies it (taking its value from
// the same or the next argument, moving `i` past it) and returns true; a bad
// value leaves its reason in `error`.
bool takeScriptOption(const QStringList &arguments, qsizetype &i, ScriptOptions &options,
                      QString &error);

// The part of the usage text that lists them.
QString scriptOptionsUsage();
// One line of a usage text: the option in a column of its own, its help
// beside it, or on the next line when the option is too wide for the column.
QString usageLine(const QString &option, const QString &help);

// What --version prints.
QString versionText();

}  // namespace cli
