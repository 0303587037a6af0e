// The re-zip loop on real archives through the headless host: filters,
// paths, passwords, the temporary archive, failures that must leave the old
// archive as it was, Pause and Stop. Rebuilt archives are checked by unzip,
// 7z and Python's zipfile.
#include "batch/BatchDriver.h"
#include "batch/HeadlessBatchHost.h"
#include "batch/RezipBatch.h"
#include "batch/RezipFilters.h"
#include "support/ArchiveCheck.h"
#include "support/TableFileList.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>
#include <sys/resource.h>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <csignal>
#include <functional>
#include <utility>

using testsupport::entryNames;
using testsupport::readAll;
using testsupport::readersAccept;

namespace {

using Entries = QMap<QString, QByteArray>;
const QByteArray kText = QByteArray("compressible line of text\n").repeated(400);
const QStringList kStore = {"zip", "-q", "-r", "-0"};

QStringList sorted(QStringList names) {
    names.sort();
    return names;
}

class RezipLoop : public ::testing::Test {
  protected:
    RezipLoop() : files(tmp.mkdir("home"), {}), host(files, folders) {
        host.current.rezipFolder = tmp.path("app/temp.$$$");
        host.current.workFolder = home("");
        host.current.compressionLevel = 8;
        host.onStatus = [this](const QString &s) { statuses << s; };
        tmp.mkdir("app");
    }
    QString home(const QString &name) const { return tmp.path("home/" + name); }
    // Packs `entries` with `tool` (arguments before the archive name) into
    // the home folder and adds the archive to the list, selected.
    QString archive(const QString &name, const Entries &entries, const QStringList &tool = kStore) {
        const QString stage = QString("staging/%1/").arg(++staged);
        const QString staging = tmp.mkdir(stage);
        for (auto it = entries.begin(); it != entries.end(); ++it)
            tmp.write(stage + it.key(), it.value());
        QFile::remove(home(name));
        QString out;
        EXPECT_EQ(testsupport::run(tool.first(), tool.mid(1) << home(name) << ".", &out, staging),
                  0)
            << out.toStdString();
        files.entries().append({name, true});
        return home(name);
    }
    void rezip(const QStringList &filters = {}) {
        BatchDriver(host, rezipBatchTexts()).run([&](const BatchSettings &settings) {
            RezipBatch(host, settings, filters).run();
        });
    }
    void expectNoLeftovers() {
        EXPECT_FALSE(QFileInfo::exists(home(RezipBatch::temporaryName())));
        EXPECT_FALSE(QFileInfo::exists(host.current.rezipFolder));
    }

    testsupport::TempFolder tmp;
    TableFileList files;
    TableFileList folders{{}, {}};
    HeadlessBatchHost host;
    QStringList statuses;
    int staged = 0;
};

TEST_F(RezipLoop, FiltersTakeTopLevelFilesOnlyAndNeverEmptyAnArchive) {
    struct Row {
        const char *why;
        Entries entries;
        QStringList filters, kept;
    } rows[] = {
        {"a matching file goes",
         {{"readme.txt", kText}, {"prog.exe", kText}},
         {"*.txt"},
         {"prog.exe"}},
        {"a single entry stays", {{"notes.txt", kText}}, {"*.txt"}, {"notes.txt"}},
        {"sub-folders keep paths and files",
         {{"a.txt", "a"}, {"sub/b.txt", kText}, {"sub/deep/c.exe", "c"}},
         {"*.txt"},
         {"sub/b.txt", "sub/deep/c.exe"}},
        {"a folder that matches stays",
         {{"docs.txt/inner.exe", "i"}, {"top.TXT", "t"}, {"keep.exe", "k"}},
         {"*.txt"},
         {"docs.txt/inner.exe", "keep.exe"}},
        {"the last entry survives two filters",
         {{"a.txt", "a"}, {"b.doc", "b"}},
         {"*.txt", "*.doc"},
         {"b.doc"}},
        {"typed extension, trimmed",
         {{"x.ab", "x"}, {"y.abc", "y"}, {".hidden", "h"}},
         {rezipfilters::customPattern(" ab ")},
         {".hidden", "y.abc"}},
        {"no filter keeps all", {{".hidden", "h"}, {"a.jpg", "j"}}, {}, {".hidden", "a.jpg"}},
    };
    for (const Row &r : rows) {
        SCOPED_TRACE(r.why);
        const QString made = archive(QString(r.why) + ".zip", r.entries);
        rezip(r.filters);
        EXPECT_EQ(sorted(entryNames(made)), r.kept);
        EXPECT_TRUE(readersAccept(made));
        EXPECT_EQ(host.errorLog().lines(), QStringList());
        expectNoLeftovers();
        files.entries().clear();
    }
    EXPECT_EQ(host.status(), "Rezip operation Completed.");
    EXPECT_EQ(host.operationFlag(), "GO");
}

TEST_F(RezipLoop, FailuresLeaveTheArchiveByteForByte) {
    struct Row {
        const char *why;
        std::function<QString()> arrange;  // makes the archive
        QString lineStart;
    } rows[] = {
        {"wrong unzip password",
         [&] {
             host.current.unzipPassword = "wrong";
             return archive("locked.zip", {{"a.txt", kText}}, {"zip", "-q", "-r", "-P", "right"});
         },
         "locked.zip skipped."},
        {"truncated archive",
         [&] {
             const QString a = archive("cut.zip", {{"a.txt", kText}, {"b.txt", kText}}, kStore);
             QFile::resize(a, QFileInfo(a).size() / 2);
             return a;
         },
         "cut.zip skipped."},
        {"not an archive",
         [&] {
             files.entries().append({"plain.zip", true});
             return tmp.write("home/plain.zip", "just text");
         },
         "plain.zip skipped. (Not a valid zip file)"},
        {"full disk while extracting",
         [&] {
             // Writes beyond the limit fail as on a full disk.
             std::signal(SIGXFSZ, SIG_IGN);
             const QString a = archive("big.zip", {{"big.bin", QByteArray(1 << 20, 'x')}});
             const rlimit limit{64 * 1024, RLIM_INFINITY};
             setrlimit(RLIMIT_FSIZE, &limit);
             return a;
         },
         "big.zip skipped."},
        {"a folder in the temporary archive's place",
         [&] {
             tmp.mkdir("home/" + RezipBatch::temporaryName() + "/inside");
             return archive("blocked.zip", {{"a.txt", kText}});
         },
         "blocked.zip skipped. (Cannot write zip file) - 310"},
    };
    for (const Row &r : rows) {
        SCOPED_TRACE(r.why);
        host.current.unzipPassword.clear();
        const QString made = r.arrange();
        const QByteArray before = readAll(made);
        rezip({"*.txt"});
        const rlimit unlimited{RLIM_INFINITY, RLIM_INFINITY};
        setrlimit(RLIMIT_FSIZE, &unlimited);
        EXPECT_EQ(readAll(made), before);
        ASSERT_EQ(host.errorLog().count(), 1);
        EXPECT_TRUE(host.errorLog().lines()[0].startsWith(r.lineStart))
            << host.errorLog().lines()[0].toStdString();
        EXPECT_EQ(host.status(), "Rezip operation Completed - Errors occured.");
        EXPECT_TRUE(QFileInfo(home(RezipBatch::temporaryName())).isDir() ||
                    !QFileInfo::exists(home(RezipBatch::temporaryName())));
        files.entries().clear();
    }
    EXPECT_TRUE(QFileInfo::exists(home(RezipBatch::temporaryName() + "/inside")));
}

TEST_F(RezipLoop, LeftoverTemporaryArchiveNeverFlowsIn) {
    const QString made = archive("a.zip", {{"a.txt", kText}});
    archive(RezipBatch::temporaryName(), {{"intruder.txt", "old"}});
    files.entries().removeLast();
    rezip();
    EXPECT_EQ(entryNames(made), QStringList({"a.txt"}));
    expectNoLeftovers();
    // Selected, an archive of that name is the user's, never a leftover:
    // nothing can be rebuilt beside it.
    archive(RezipBatch::temporaryName(), {{"mine.txt", "mine"}});
    const QByteArray before = readAll(made);
    rezip();
    EXPECT_EQ(host.errorLog().count(), 2);
    EXPECT_EQ(entryNames(home(RezipBatch::temporaryName())), QStringList({"mine.txt"}));
    EXPECT_EQ(readAll(made), before);
}

TEST_F(RezipLoop, WorkFolderOnAnotherFileSystemStillReplacesInOneStep) {
    QTemporaryDir shm(QStringLiteral("/dev/shm/rezip-XXXXXX"));
    if (!shm.isValid())
        GTEST_SKIP() << "no /dev/shm";
    host.current.workFolder = shm.path() + "/";
    const QString made = archive("a.zip", {{"a.txt", kText}, {"b.exe", kText}});
    const qint64 stored = QFileInfo(made).size();
    rezip({"*.txt"});
    EXPECT_EQ(entryNames(made), QStringList({"b.exe"}));
    EXPECT_LT(QFileInfo(made).size(), stored / 4);
    EXPECT_TRUE(readersAccept(made));
    EXPECT_TRUE(QDir(shm.path()).isEmpty());
    EXPECT_EQ(QDir(home("")).entryList(QDir::Files | QDir::Hidden), QStringList({"a.zip"}));
}

TEST_F(RezipLoop, PasswordsInAndOut) {
    struct Row {
        const char *why;
        QStringList tool;
        QString unzipPassword, zipPassword;
    } rows[] = {
        {"plain in, AES out", kStore, "", "new"},
        {"ZipCrypto in, AES out", {"zip", "-q", "-r", "-P", "old"}, "old", "new"},
        {"7-Zip AES in, plain out",
         {"7z", "a", "-tzip", "-mem=AES256", "-mx=5", "-pPW", "-bd"},
         "PW",
         ""},
    };
    for (const Row &r : rows) {
        SCOPED_TRACE(r.why);
        host.current.unzipPassword = r.unzipPassword;
        host.current.zipPassword = r.zipPassword;
        const QString made = archive(QString(r.why) + ".zip",
                                     {{"a.txt", kText}, {"sub/b.dat", kText + "b"}}, r.tool);
        rezip();
        EXPECT_EQ(host.errorLog().lines(), QStringList());
        EXPECT_TRUE(readersAccept(made, r.zipPassword));
        EXPECT_EQ(sorted(entryNames(made)), QStringList({"a.txt", "sub/b.dat"}));
        QString listing;
        testsupport::run("7z", {"l", "-slt", "-p" + r.zipPassword, made}, &listing);
        EXPECT_EQ(listing.contains("AES-256 Deflate"), !r.zipPassword.isEmpty())
            << listing.toStdString();
        if (!r.unzipPassword.isEmpty() && !r.zipPassword.isEmpty()) {
            EXPECT_FALSE(testsupport::sevenZipAccepts(made, r.unzipPassword));
        }
        files.entries().clear();
    }
}

TEST_F(RezipLoop, IncludeFileJoinsAndItsFailureStillReplaces) {
    const QString extra = tmp.write("extra/licence.txt", "licence");
    for (const QString &include : {extra, tmp.path("extra/gone.txt")}) {
        host.current.includeFile = include;
        const QString made = archive("a.zip", {{"a.exe", kText}});
        rezip();
        const bool found = QFileInfo::exists(include);
        EXPECT_EQ(entryNames(made).size(), found ? 2 : 1);
        EXPECT_EQ(entryNames(made).first(), "a.exe");
        EXPECT_EQ(host.errorLog().count(), found ? 0 : 1);
        EXPECT_TRUE(readersAccept(made));
        expectNoLeftovers();
        files.entries().clear();
    }
    EXPECT_TRUE(host.errorLog().lines()[0].contains("gone.txt"));
}

TEST_F(RezipLoop, HostileNamesStayInsideTheExtractionFolder) {
    const QString outside = tmp.path("app/escaped.txt");
    for (const bool withLink : {false, true}) {
        SCOPED_TRACE(withLink ? "with a link" : "names only");
        const QString made = home("evil.zip");
        QString out;
        const int code = testsupport::run("python3",
                                          {"-c",
                                           "import sys, zipfile\n"
                                           "z = zipfile.ZipFile(sys.argv[1], 'w')\n"
                                           "z.writestr('../escaped.txt', 'x')\n"
                                           "z.writestr('sub/../../../up.txt', 'y')\n"
                                           "z.writestr(sys.argv[2], 'z')\n"
                                           "if sys.argv[3] == '1':\n"
                                           "    link = zipfile.ZipInfo('link')\n"
                                           "    link.external_attr = 0o120777 << 16\n"
                                           "    z.writestr(link, sys.argv[2])\n",
                                           made, outside, withLink ? "1" : "0"},
                                          &out);
        ASSERT_EQ(code, 0) << out.toStdString();
        const QByteArray before = readAll(made);
        files.entries() = {{"evil.zip", true}};
        rezip();
        EXPECT_FALSE(QFileInfo::exists(outside));
        EXPECT_FALSE(QFileInfo::exists(tmp.path("up.txt")));
        if (withLink) {  // no link is made: the archive cannot be rebuilt whole
            EXPECT_EQ(host.errorLog().count(), 1);
            EXPECT_EQ(readAll(made), before);
        } else {
            EXPECT_EQ(sorted(entryNames(made)),
                      sorted({"escaped.txt", outside.mid(1), "sub/up.txt"}));
        }
        expectNoLeftovers();
        QFile::remove(made);
    }
}

TEST_F(RezipLoop, StatusPauseAndStop) {
    struct Row {
        QString atFirst, release;
        int rezipped;
    } rows[] = {{"STOP", "", 1}, {"PAUSE", "GO", 3}, {"PAUSE", "STOP", 1}, {"", "", 3}};
    for (const Row &r : rows) {
        SCOPED_TRACE(r.atFirst.toStdString() + "/" + r.release.toStdString());
        QList<QByteArray> before;
        for (const char *name : {"a.zip", "b.zip", "c.zip"})
            before << readAll(archive(name, {{"t.txt", kText}}));
        files.entries().insert(1, {"unselected.bin", false});
        bool first = true;
        host.engine().OnExtracting = [&](TZipEngine *, const TZeFileStats &) {
            if (std::exchange(first, false) && !r.atFirst.isEmpty())
                host.setOperationFlag(r.atFirst);
        };
        host.onPump = [&] {
            if (host.operationFlag() == "PAUSE")
                host.setOperationFlag(r.release);
        };
        statuses.clear();
        rezip();
        int changed = 0;
        for (int i = 0; i < 3; ++i)
            changed += readAll(home(QString("abc"[i]) + ".zip")) != before[i];
        EXPECT_EQ(changed, r.rezipped);
        EXPECT_EQ(statuses.contains("Paused - Click Pause again to continue."),
                  r.atFirst == "PAUSE");
        EXPECT_EQ(statuses.first(), "Zipping in progress...Please Wait.");
        EXPECT_EQ(statuses[1], "Re-zipping: 0/3 - 0%  (a.zip)");
        EXPECT_EQ(statuses.contains("Re-zipping: 1/3 - 33%  (b.zip)"), r.rezipped == 3);
        EXPECT_EQ(statuses.mid(statuses.size() - 2),
                  QStringList({"Zipping operation complete.", "Rezip operation Completed."}));
        EXPECT_EQ(host.operationFlag(), "GO");
        EXPECT_EQ(host.overallProgress(), 0);
        files.entries().clear();
        for (const char *name : {"a.zip", "b.zip", "c.zip"})
            QFile::remove(home(name));
        QDir(tmp.path("staging")).removeRecursively();
    }
    EXPECT_EQ(host.beeps(), 4);
}

}  // namespace
