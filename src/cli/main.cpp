// tovrane-batch: Tovrane's batches and tools from a script, without the
// window, on the same loops and engine.
#include "BatchCommands.h"
#include "CliOptions.h"
#include "ConsoleDialogs.h"
#include "ConsoleOutput.h"
#include "PasswordFile.h"
#include "PathList.h"
#include "RunOutcome.h"
#include "StopSignal.h"
#include "ToolCommands.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>

#include <sys/stat.h>

#include <cstdio>
#include <initializer_list>
#include <map>

namespace {

constexpr int kUsageError = 2;

using Command = int (*)(const cli::CliOptions &, cli::ConsoleOutput &);

const std::map<QString, Command> &commands() {
    static const std::map<QString, Command> table = {
        {QStringLiteral("zip"), cli::runZip},
        {QStringLiteral("zip-folders"), cli::runZipFolders},
        {QStringLiteral("rezip"), cli::runRezip},
        {QStringLiteral("unzip"), cli::runUnzip},
        {QStringLiteral("test"), cli::runTest},
        {QStringLiteral("crc"), cli::runCrc},
        {QStringLiteral("dupes"), cli::runDupes},
    };
    return table;
}

int usageError(const QString &message, const QString &command, bool notify = false) {
    std::fprintf(stderr, "tovrane-batch: %s\n%s", qPrintable(message),
                 qPrintable(cli::usageText(command)));
    if (notify)
        cli::notifyNothingDone(message);
    return kUsageError;
}

// Paths the command cannot take at all stop the run before anything is
// done: a folder where files are listed, or the other way round.
QString wrongKind(const cli::CliOptions &options) {
    const bool wantsFolders = options.command == QLatin1String("zip-folders");
    for (const QString &path : options.paths) {
        // One look per path: there may be a hundred thousand.
        struct stat info {};
        if (::stat(QFile::encodeName(path).constData(), &info) == 0 &&
            S_ISDIR(info.st_mode) != wantsFolders)
            return wantsFolders ? QStringLiteral("not a folder: %1").arg(path)
                                : QStringLiteral("a folder, not a file: %1").arg(path);
    }
    return {};
}

// Folders named by options must be there: the window only ever offers
// folders that exist, and a batch into a missing one would fail item by item.
QString missingFolder(const cli::CliOptions &options) {
    const BatchSettings s = options.settings();
    for (const QString &folder : {s.zipFolder, s.unzipFolder, s.workFolder})
        if (!folder.isEmpty() && !QFileInfo(folder).isDir())
            return QStringLiteral("no such folder: %1").arg(folder);
    return {};
}

// Where the command's password goes: the one it writes, the one it reads,
// or both for a re-zip, which reads and writes the same archives.
void setPassword(cli::CliOptions &options, const QString &password) {
    const QString &command = options.command;
    const bool reads = command == QLatin1String("unzip") || command == QLatin1String("test");
    if (!reads)
        options.values.setText(Option::zipPassword, password);
    if (reads || command == QLatin1String("rezip"))
        options.values.setText(Option::unzipPassword, password);
}

bool readsOnly(const QString &command) {
    return command == QLatin1String("test") || command == QLatin1String("crc") ||
           command == QLatin1String("dupes");
}

}  // namespace

int main(int argc, char **argv) {
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("Tovrane"));
    // No translator, whatever the locale: scripts read what this program
    // writes, so the status texts and error-log lines it shares with the
    // window stay in English here.
    QStringList arguments = QCoreApplication::arguments();
    arguments.removeFirst();

    // A name that is not valid UTF-8 has no text that names it again: the
    // batch would act on another file, or on none.
    QStringList unreachable;
    for (int i = 1; i < argc; ++i)
        if (!cli::reachableName(QByteArray(argv[i])))
            unreachable << QFile::decodeName(argv[i]);

    cli::ParsedCommandLine parsed = cli::parseCommandLine(arguments);
    cli::CliOptions &options = parsed.options;
    if (!parsed.error.isEmpty())
        return usageError(parsed.error, options.command);
    if (options.script.version) {
        std::fputs(qPrintable(cli::versionText()), stdout);
        return 0;
    }
    if (options.help) {
        std::fputs(qPrintable(cli::usageText(options.command)), stdout);
        return 0;
    }
    const QString &list = options.script.filesFrom;
    if (!list.isEmpty()) {
        if (list == QLatin1String("-") && options.passwordFile == QLatin1String("-"))
            return usageError(
                QStringLiteral("standard input cannot hold both the list and the password"),
                options.command, options.notify);
        const auto paths = cli::readPathList(list, options.script.nul, &unreachable);
        if (!paths)
            return usageError(QStringLiteral("cannot read the list %1").arg(list), options.command,
                              options.notify);
        options.paths += *paths;
    }
    if (!unreachable.isEmpty())
        return usageError(QStringLiteral("not valid UTF-8, so no file can be named by it "
                                         "(rename it first, e.g. with convmv): %1")
                              .arg(unreachable.first()),
                          options.command, options.notify);
    for (const QString &wrong : {wrongKind(options), missingFolder(options)})
        if (!wrong.isEmpty())
            return usageError(wrong, options.command, options.notify);
    if (!options.passwordFile.isEmpty()) {
        const auto password = cli::readPasswordFile(options.passwordFile);
        if (!password)
            return usageError(
                QStringLiteral("cannot read the password file %1").arg(options.passwordFile),
                options.command);
        setPassword(options, *password);
    }

    cli::ConsoleOutput output = cli::ConsoleOutput::standard(options.script.verbosity);
    cli::ConsoleDialogs dialogs(output);
    platform::installDialogs(&dialogs);
    cli::installStopHandler();
    // The tools only read, so a second Ctrl-C may end them where they are.
    cli::setEndAtOnce(readsOnly(options.command));
    const int status = commands().at(options.command)(options, output);
    if (options.notify)
        cli::notifyEnd(options, output, cli::stopRequested());
    platform::installDialogs(nullptr);
    return cli::stopRequested() ? cli::stoppedStatus() : status;
}
