#include "BatchCommands.h"

#include "CliOptions.h"
#include "ConsoleBatch.h"
#include "ConsoleOutput.h"
#include "batch/FileBatch.h"
#include "platform/FileSystem.h"

namespace cli {

namespace {

// A command whose loop this build does not have.
int notAvailable(const CliOptions &options, ConsoleOutput &output) {
    output.error(
        QStringLiteral("tovrane-batch: %1 is not available in this build").arg(options.command));
    return 2;
}

}  // namespace

int runZip(const CliOptions &options, ConsoleOutput &output) {
    return runBatch(
        options, output, zipBatchTexts(),
        [](BatchHost &host, const BatchSettings &settings) { FileBatch(host, settings).run(); });
}

int runZipFolders(const CliOptions &options, ConsoleOutput &output) {
    return notAvailable(options, output);
}

int runRezip(const CliOptions &options, ConsoleOutput &output) {
    return notAvailable(options, output);
}

int runUnzip(const CliOptions &options, ConsoleOutput &output) {
    return notAvailable(options, output);
}

CliOptions withPrivateRezipFolders(CliOptions options, const QString &folder) {
    const QString own = platform::withSeparator(folder);
    options.settings.rezipFolder = own + QStringLiteral("temp.$$$");
    if (options.settings.workFolder.isEmpty())
        options.settings.workFolder = own;
    return options;
}

}  // namespace cli
