// The file batch as a script would run it: the driver and the loop over a
// host without a window, in a program that has no QtWidgets at all.
#include "batch/BatchDriver.h"
#include "batch/FileBatch.h"
#include "batch/HeadlessBatchHost.h"
#include "support/ArchiveCheck.h"
#include "support/TableFileList.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <functional>

namespace {

struct Seen {
    QStringList statuses;
    bool lockedWhileRunning = false;
};

}  // namespace

TEST(HeadlessBatch, TheFileBatchIsALoopPlusItsTexts) {
    const QString paused = QStringLiteral("Paused - Click Pause again to continue.");
    const struct {
        const char *what;
        QStringList names;
        // Runs at every status text (Pause and Stop arrive this way).
        std::function<void(HeadlessBatchHost &, const QString &)> onStatus;
        QStringList archives;
        QString last;
        int errors;
        bool pauseShown;
    } rows[] = {
        {"to the end",
         {"a.txt", "b.txt", "c.txt"},
         {},
         {"a.zip", "b.zip", "c.zip"},
         "Completed.",
         0,
         false},
        {"stopped at the first file",
         {"a.txt", "b.txt", "c.txt"},
         [](HeadlessBatchHost &h, const QString &s) {
             if (s.startsWith("Zipping: 1/3"))
                 h.setOperationFlag("STOP");
         },
         {"a.zip"},
         "Zipping process halted by User.",
         0,
         false},
        {"paused at the second file until the pump releases it",
         {"a.txt", "b.txt"},
         [](HeadlessBatchHost &h, const QString &s) {
             if (s.startsWith("Zipping: 1/2")) {
                 h.setOperationFlag("PAUSE");
                 h.onPump = [&h, pumps = 0]() mutable {
                     if (++pumps == 3)
                         h.setOperationFlag("GO");
                 };
             }
         },
         {"a.zip", "b.zip"},
         "Completed.",
         0,
         true},
        {"an archive is not packed again",
         {"a.txt", "old.zip"},
         {},
         {"a.zip"},
         "Completed - errors occured.",
         1,
         false},
    };
    for (const auto &r : rows) {
        SCOPED_TRACE(r.what);
        testsupport::TempFolder tmp;
        QList<TableFileList::Entry> entries;
        for (const QString &name : r.names) {
            tmp.write("in/" + name, name.toUtf8());
            entries << TableFileList::Entry{name, true};
        }
        const QString out = tmp.mkdir("out");
        TableFileList files(tmp.path("in"), entries);
        TableFileList folders(tmp.path("in"), {});
        HeadlessBatchHost host(files, folders);
        host.current.zipFolder = out + "/";
        host.current.workFolder = out + "/";
        host.current.deleteOriginal = false;
        Seen run;
        host.onStatus = [&](const QString &s) {
            run.statuses << s;
            run.lockedWhileRunning = run.lockedWhileRunning || host.locked();
            if (r.onStatus)
                r.onStatus(host, s);
        };
        BatchDriver(host, zipBatchTexts()).run([&host](const BatchSettings &settings) {
            FileBatch(host, settings).run();
        });

        EXPECT_EQ(QDir(out).entryList(QDir::Files), r.archives);
        for (const QString &archive : r.archives)
            EXPECT_TRUE(testsupport::readersAccept(out + "/" + archive)) << archive.toStdString();
        EXPECT_EQ(run.statuses.first(), "Zipping in progress...Please Wait.");
        EXPECT_EQ(run.statuses.last(), r.last);
        EXPECT_EQ(run.statuses.contains(paused), r.pauseShown);
        EXPECT_EQ(host.errorLog().count(), r.errors);
        EXPECT_EQ(host.beeps(), 1);
        EXPECT_TRUE(run.lockedWhileRunning);
        EXPECT_FALSE(host.locked());
        EXPECT_EQ(host.operationFlag(), "GO");
        EXPECT_EQ(host.itemProgress(), 0);
        EXPECT_EQ(host.overallProgress(), 0);
    }
}

TEST(HeadlessBatch, NewArchivesAreFlushedWhenTheirOriginalsGo) {
    // Sparing the flush is only for a batch that deletes nothing.
    for (const bool deleteOriginal : {false, true}) {
        SCOPED_TRACE(deleteOriginal);
        testsupport::TempFolder tmp;
        tmp.write("in/a.txt", "a");
        TableFileList files(tmp.path("in"), {{"a.txt", true}});
        TableFileList folders(tmp.path("in"), {});
        HeadlessBatchHost host(files, folders);
        host.current.zipFolder = tmp.mkdir("out") + "/";
        host.current.deleteOriginal = deleteOriginal;
        // The driver sets the engine up for the batch, as the window's does.
        BatchDriver(host, zipBatchTexts()).run([&host](const BatchSettings &settings) {
            FileBatch(host, settings).run();
        });
        EXPECT_TRUE(testsupport::readersAccept(tmp.path("out/a.zip")));
        EXPECT_EQ(QFile::exists(tmp.path("in/a.txt")), !deleteOriginal);
        EXPECT_EQ(host.engine().zipArguments(zacNormal).texts().contains("--no-flush"),
                  !deleteOriginal);
    }
}
