// The program's own unzip batch, driven headless: every archive of one folder
// selected, each extracted by the real loop and the real archive component
// into a sub-folder named after it, as the "&Unzip" button does it with
// "Extract Each Zip File into a Filename Based Sub Folder" checked.
//
//   tovrane_unzip_bench <folder of archives> <unzip folder>
//
// Prints the seconds the batch took and the number of error-log lines.
#include "FolderListing.h"
#include "batch/ErrorLogModel.h"
#include "batch/HeadlessBatchHost.h"
#include "batch/UnzipBatch.h"
#include "platform/FileSystem.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <cstdio>

int main(int argc, char **argv) {
    QCoreApplication app(argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s <folder of archives> <unzip folder>\n", argv[0]);
        return 2;
    }
    WholeFolder files(QString::fromLocal8Bit(argv[1]));
    NoFolders noFolders;
    HeadlessBatchHost host(files, noFolders);
    host.current.unzipFolder = platform::withSeparator(QString::fromLocal8Bit(argv[2]));
    host.current.subFolder = true;
    host.current.deleteZip = false;
    QDir().mkpath(QString::fromLocal8Bit(argv[2]));
    QElapsedTimer clock;
    clock.start();
    UnzipBatch(host, host.current).run();
    std::printf("%.3f seconds, %d error lines\n", clock.nsecsElapsed() / 1e9,
                host.errorLog().count());
    for (const QString &line : host.errorLog().lines())
        std::fprintf(stderr, "%s\n", qPrintable(line));
    return host.errorLog().isEmpty() ? 0 : 1;
}
