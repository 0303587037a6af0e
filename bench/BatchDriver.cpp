// The program's own file or folder batch, driven headless: every file (or,
// with --folders, every sub-folder) of one folder selected, each packed into
// an archive of its own by the real loop and the real archive component, as
// the "&Zip" button does it in the files view (or the folders view).
//
//   tovrane_batch_bench [--folders] <folder> <zip folder> <level>
//
// Prints the seconds the batch took and the number of error-log lines.
#include "batch/BatchDriver.h"
#include "FolderListing.h"
#include "batch/BatchSettings.h"
#include "batch/ErrorLogModel.h"
#include "batch/FileBatch.h"
#include "batch/FolderBatch.h"
#include "batch/HeadlessBatchHost.h"
#include "engine/ZipEngine.h"
#include "platform/FileSystem.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <cstdio>

int main(int argc, char **argv) {
    QCoreApplication app(argc, argv);
    QStringList args = app.arguments().mid(1);
    const bool folders = !args.isEmpty() && args.first() == QLatin1String("--folders");
    if (folders)
        args.removeFirst();
    if (args.size() != 3) {
        std::fprintf(stderr, "usage: %s [--folders] <folder> <zip folder> <level>\n", argv[0]);
        return 2;
    }
    WholeFolder selected(args[0], folders);
    WholeFolder none;
    HeadlessBatchHost host(folders ? none : selected, folders ? selected : none);
    host.current.zipFolder = platform::withSeparator(args[1]);
    host.current.deleteOriginal = false;
    host.current.deleteFolder = false;
    // The folders view always stores paths.
    host.current.fullPaths = folders;
    host.current.compressionLevel = args[2].toInt();
    QDir().mkpath(args[1]);
    QElapsedTimer clock;
    clock.start();
    // Through the driver, as the window runs it: it sets the engine up.
    BatchDriver(host, folders ? zipFoldersBatchTexts() : zipBatchTexts())
        .run([&](const BatchSettings &settings) {
            if (folders)
                FolderBatch(host, settings).run();
            else
                FileBatch(host, settings).run();
        });
    std::printf("%.3f seconds, %d error lines\n", clock.nsecsElapsed() / 1e9,
                host.errorLog().count());
    for (const QString &line : host.errorLog().lines())
        std::fprintf(stderr, "%s\n", qPrintable(line));
    return host.errorLog().isEmpty() ? 0 : 1;
}
