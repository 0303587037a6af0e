// The program's own file batch, driven headless: every file of one folder
// selected, each packed into an archive of its own by the real loop and the
// real archive component, as the "&Zip" button does it.
//
//   tovrane_batch_bench <folder> <zip folder> <level>
//
// Prints the seconds the batch took and the number of error-log lines.
#include "FolderListing.h"
#include "batch/ErrorLogModel.h"
#include "batch/FileBatch.h"
#include "batch/HeadlessBatchHost.h"
#include "engine/ZipEngine.h"
#include "platform/FileSystem.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <cstdio>

int main(int argc, char **argv) {
    QCoreApplication app(argc, argv);
    if (argc != 4) {
        std::fprintf(stderr, "usage: %s <folder> <zip folder> <level>\n", argv[0]);
        return 2;
    }
    WholeFolder files(QString::fromLocal8Bit(argv[1]));
    NoFolders noFolders;
    HeadlessBatchHost host(files, noFolders);
    host.current.zipFolder = platform::withSeparator(QString::fromLocal8Bit(argv[2]));
    host.current.deleteOriginal = false;
    QDir().mkpath(QString::fromLocal8Bit(argv[2]));
    host.engine().Compression = std::atoi(argv[3]);
    QElapsedTimer clock;
    clock.start();
    FileBatch(host, host.current).run();
    std::printf("%.3f seconds, %d error lines\n", clock.nsecsElapsed() / 1e9,
                host.errorLog().count());
    for (const QString &line : host.errorLog().lines())
        std::fprintf(stderr, "%s\n", qPrintable(line));
    return host.errorLog().isEmpty() ? 0 : 1;
}
