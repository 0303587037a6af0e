#include "BatchCommands.h"

#include "CliOptions.h"
#include "ConsoleBatch.h"
#include "ConsoleOutput.h"
#include "batch/FileBatch.h"
#include "platform/FileSystem.h"

#include "batch/FolderBatch.h"
#include "batch/RezipBatch.h"
#include "batch/UnzipBatch.h"

#include <QTemporaryDir>

namespace cli {

namespace {}  // namespace

int runZip(const CliOptions &options, ConsoleOutput &output) {
    return runBatch(
        options, output, zipBatchTexts(),
        [](BatchHost &host, const BatchSettings &settings) { FileBatch(host, settings).run(); });
}

int runZipFolders(const CliOptions &options, ConsoleOutput &output) {
    // The window's folders view always stores paths, so that an archive
    // keeps the folder's tree.
    CliOptions folders = options;
    folders.values.setOn(Option::fullPaths, true);
    return runBatch(
        folders, output, zipFoldersBatchTexts(),
        [](BatchHost &host, const BatchSettings &settings) { FolderBatch(host, settings).run(); });
}

int runRezip(const CliOptions &options, ConsoleOutput &output) {
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
}

int runUnzip(const CliOptions &options, ConsoleOutput &output) {
    return runBatch(
        options, output, unzipBatchTexts(),
        [](BatchHost &host, const BatchSettings &settings) { UnzipBatch(host, settings).run(); });
}

CliOptions withPrivateRezipFolders(CliOptions options, const QString &folder) {
    const QString own = platform::withSeparator(folder);
    options.rezipFolder = own + QStringLiteral("temp.$$$");
    if (options.values.text(Option::workFolder).isEmpty())
        options.values.setText(Option::workFolder, own);
    return options;
}

}  // namespace cli
