#include "BatchCommands.h"

#include "CliOptions.h"
#include "ConsoleBatch.h"
#include "ConsoleOutput.h"
#include "batch/FileBatch.h"
#include "platform/FileSystem.h"

// The loops of zip-folders, rezip and unzip join the build on their own
// schedule; each command runs its loop once the loop's header is there.
#if __has_include("batch/FolderBatch.h")
#include "batch/FolderBatch.h"
#define TOVRANE_HAS_FOLDER_BATCH
#endif
#if __has_include("batch/RezipBatch.h")
#include "batch/RezipBatch.h"
#define TOVRANE_HAS_REZIP_BATCH
#endif
#if __has_include("batch/UnzipBatch.h")
#include "batch/UnzipBatch.h"
#define TOVRANE_HAS_UNZIP_BATCH
#endif

#include <QTemporaryDir>

namespace cli {

namespace {

// A command whose loop this build does not have.
[[maybe_unused]] int notAvailable(const CliOptions &options, ConsoleOutput &output) {
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
#ifdef TOVRANE_HAS_FOLDER_BATCH
    return runBatch(
        options, output, zipBatchTexts(),
        [](BatchHost &host, const BatchSettings &settings) { FolderBatch(host, settings).run(); });
#else
    return notAvailable(options, output);
#endif
}

int runRezip(const CliOptions &options, ConsoleOutput &output) {
#ifdef TOVRANE_HAS_REZIP_BATCH
    const QTemporaryDir own;
    if (!own.isValid()) {
        output.error(QStringLiteral("tovrane-batch: cannot make a temporary folder"));
        return 1;
    }
    const CliOptions rezip = withPrivateRezipFolders(options, own.path());
    return runBatch(rezip, output, rezipBatchTexts(),
                    [&rezip](BatchHost &host, const BatchSettings &settings) {
                        RezipBatch(host, settings, rezip.removePatterns).run();
                    });
#else
    return notAvailable(options, output);
#endif
}

int runUnzip(const CliOptions &options, ConsoleOutput &output) {
#ifdef TOVRANE_HAS_UNZIP_BATCH
    return runBatch(
        options, output, unzipBatchTexts(),
        [](BatchHost &host, const BatchSettings &settings) { UnzipBatch(host, settings).run(); });
#else
    return notAvailable(options, output);
#endif
}

CliOptions withPrivateRezipFolders(CliOptions options, const QString &folder) {
    const QString own = platform::withSeparator(folder);
    options.settings.rezipFolder = own + QStringLiteral("temp.$$$");
    if (options.settings.workFolder.isEmpty())
        options.settings.workFolder = own;
    return options;
}

}  // namespace cli
