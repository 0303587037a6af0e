#include "BatchCommands.h"

#include "CliOptions.h"
#include "ConsoleBatch.h"
#include "ConsoleOutput.h"
#include "RezipWorkFolder.h"
#include "batch/FileBatch.h"
#include "platform/FileSystem.h"

#include "batch/FolderBatch.h"
#include "batch/RezipBatch.h"
#include "batch/UnzipBatch.h"

namespace cli {

namespace {}  // namespace

// The folders of a command line are one batch: what a file or folder of one
// folder put in an archive is never replaced by one of another.
int runZip(const CliOptions &options, ConsoleOutput &output) {
    BatchClaims added;
    return runBatch(options, output, zipBatchTexts(),
                    [&added](BatchHost &host, const BatchSettings &settings) {
                        FileBatch(host, settings, &added).run();
                    });
}

int runZipFolders(const CliOptions &options, ConsoleOutput &output) {
    // The window's folders view always stores paths, so that an archive
    // keeps the folder's tree.
    CliOptions folders = options;
    folders.values.setOn(Option::fullPaths, true);
    BatchClaims archives;
    return runBatch(folders, output, zipFoldersBatchTexts(),
                    [&archives](BatchHost &host, const BatchSettings &settings) {
                        FolderBatch(host, settings, &archives).run();
                    });
}

int runRezip(const CliOptions &options, ConsoleOutput &output) {
    const RezipWorkFolder own;
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
    BatchClaims extracted;
    return runBatch(options, output, unzipBatchTexts(),
                    [&extracted](BatchHost &host, const BatchSettings &settings) {
                        UnzipBatch(host, settings, &extracted).run();
                    });
}

CliOptions withPrivateRezipFolders(CliOptions options, const QString &folder) {
    const QString own = platform::withSeparator(folder);
    options.rezipFolder = own + QStringLiteral("temp.$$$");
    if (options.values.text(Option::workFolder).isEmpty())
        options.values.setText(Option::workFolder, own);
    return options;
}

}  // namespace cli
