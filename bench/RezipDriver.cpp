// The program's re-zip, driven headless: every archive of one folder
// selected and rebuilt in place at the given level by the real loop and the
// real archive component, as the "Rezip" button does it with no file type
// removed.
//
//   tovrane_rezip_bench <folder> <extraction folder> <level>
//
// Prints the seconds the batch took and the number of error-log lines.
#include "FolderListing.h"
#include "batch/BatchDriver.h"
#include "batch/ErrorLogModel.h"
#include "batch/HeadlessBatchHost.h"
#include "batch/RezipBatch.h"
#include "platform/FileListSource.h"
#include "platform/FileSystem.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <cstdio>
#include <cstdlib>

int main(int argc, char **argv) {
    QCoreApplication app(argc, argv);
    if (argc != 4) {
        std::fprintf(stderr, "usage: %s <folder> <extraction folder> <level>\n", argv[0]);
        return 2;
    }
    const QString folder = QString::fromLocal8Bit(argv[1]);
    WholeFolder files(folder, platform::listFiles(folder, "*.zip"));
    NoFolders noFolders;
    HeadlessBatchHost host(files, noFolders);
    host.current.workFolder = platform::withSeparator(folder);
    host.current.rezipFolder = QString::fromLocal8Bit(argv[2]);
    host.current.compressionLevel = std::atoi(argv[3]);
    QElapsedTimer clock;
    clock.start();
    BatchDriver(host, rezipBatchTexts()).run([&host](const BatchSettings &settings) {
        RezipBatch(host, settings, {}).run();
    });
    std::printf("%.3f seconds, %d error lines\n", clock.nsecsElapsed() / 1e9,
                host.errorLog().count());
    for (const QString &line : host.errorLog().lines())
        std::fprintf(stderr, "%s\n", qPrintable(line));
    return host.errorLog().isEmpty() ? 0 : 1;
}
