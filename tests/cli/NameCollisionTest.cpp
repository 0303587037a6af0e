// tovrane-batch given two folders whose items meet one name: nothing that one
// item wrote is replaced by another, so nothing is lost when the originals
// go; the later item is kept with a line that says why.
#include "BatchTool.h"
#include "support/ArchiveCheck.h"
#include "support/TempFolder.h"

#include <QDir>
#include <QFile>
#include <QMap>
#include <QProcess>
#include <QRandomGenerator>

#include <gtest/gtest.h>

#include <functional>

using clitest::runTool;
using testsupport::readAll;
using testsupport::TempFolder;

namespace {

// The entry's bytes as Python's zipfile reads them.
QByteArray entryBytes(const QString &archive, const QString &entry) {
    QString out;
    testsupport::run("python3",
                     {"-c",
                      "import sys, zipfile\n"
                      "sys.stdout.write(zipfile.ZipFile(sys.argv[1]).read(sys.argv[2]).decode())",
                      archive, entry},
                     &out);
    return out.toUtf8();
}

}  // namespace

TEST(NameCollision, TheLaterItemOfOneNameIsKept) {
    struct Row {
        const char *what;
        std::function<QStringList(TempFolder &)> setUp;  // the arguments
        std::function<void(TempFolder &)> check;
        QStringList log;  // with "T" for the temporary folder
    } rows[] = {
        {"files of one name from two folders",
         [](TempFolder &t) {
             return QStringList{
                 "zip",          "--delete-originals",         "--to",
                 t.mkdir("out"), t.write("x/a.txt", "from x"), t.write("y/a.txt", "from y")};
         },
         [](TempFolder &t) {
             EXPECT_EQ(testsupport::entryNames(t.path("out/a.zip")), QStringList{"a.txt"});
             EXPECT_EQ(entryBytes(t.path("out/a.zip"), "a.txt"), "from x");
             EXPECT_FALSE(QFile::exists(t.path("x/a.txt")));
             EXPECT_EQ(readAll(t.path("y/a.txt")), "from y");
         },
         {"T/y/a.txt: a.zip already holds a.txt from another file of this batch. (File kept)"}},
        {"an archive that was there before the batch is added to",
         [](TempFolder &t) {
             t.write("old/a.txt", "old");
             t.write("old/b.txt", "b");
             testsupport::run("zip", {"-q", t.path("out/a.zip"), "a.txt", "b.txt"}, nullptr,
                              t.path("old"));
             return QStringList{"zip",
                                "--delete-originals",
                                "--to",
                                t.path("out"),
                                t.write("x/a.txt", "from x"),
                                t.write("y/a.txt", "from y"),
                                t.write("y/a.dat", "dat")};
         },
         [](TempFolder &t) {
             QStringList names = testsupport::entryNames(t.path("out/a.zip"));
             names.sort();
             EXPECT_EQ(names, QStringList({"a.dat", "a.txt", "b.txt"}));
             EXPECT_EQ(entryBytes(t.path("out/a.zip"), "a.txt"), "from x");
             EXPECT_FALSE(QFile::exists(t.path("y/a.dat")));
             EXPECT_EQ(readAll(t.path("y/a.txt")), "from y");
         },
         {"T/y/a.txt: a.zip already holds a.txt from another file of this batch. (File kept)"}},
        {"folders of one name from two places",
         [](TempFolder &t) {
             t.write("x/f/one.txt", "1");
             t.write("y/f/two.txt", "2");
             return QStringList{"zip-folders", "--to", t.mkdir("out"), t.path("x/f"),
                                t.path("y/f")};
         },
         [](TempFolder &t) {
             EXPECT_EQ(testsupport::entryNames(t.path("out/F.ZIP")), QStringList{"f/one.txt"});
             EXPECT_EQ(readAll(t.path("y/f/two.txt")), "2");
         },
         {"f: its archive F.ZIP is taken by folder T/x/f of this batch. (Folder kept)"}},
        {"archives from two folders unzipped into one",
         [](TempFolder &t) {
             t.write("src/a.txt", "one");
             testsupport::run("zip", {"-q", t.path("x/a1.zip"), "a.txt"}, nullptr, t.path("src"));
             t.write("src/a.txt", "two");
             t.write("src/c.txt", "c");
             testsupport::run("zip", {"-q", t.path("y/a2.zip"), "a.txt", "c.txt"}, nullptr,
                              t.path("src"));
             return QStringList{"unzip",        "--delete-zips",    "--to",
                                t.mkdir("out"), t.path("x/a1.zip"), t.path("y/a2.zip")};
         },
         [](TempFolder &t) {
             EXPECT_EQ(readAll(t.path("out/a.txt")), "one");
             EXPECT_EQ(readAll(t.path("out/c.txt")), "c");
             EXPECT_FALSE(QFile::exists(t.path("x/a1.zip")));
             EXPECT_TRUE(QFile::exists(t.path("y/a2.zip")));
         },
         {"a2.zip: a.txt would replace a file of T/x/a1.zip. (Zip file kept)"}},
    };
    for (const Row &r : rows) {
        TempFolder tmp;
        QDir().mkpath(tmp.path("x"));
        QDir().mkpath(tmp.path("y"));
        QDir().mkpath(tmp.path("out"));
        const clitest::ToolRun run = runTool(r.setUp(tmp));
        QStringList wanted;
        for (const QString &line : r.log)
            wanted << QString(line).replace("T/", tmp.path() + "/");
        EXPECT_EQ(run.errLines, wanted) << r.what;
        EXPECT_EQ(run.exitCode, 1) << r.what;
        r.check(tmp);
    }
}

// Two runs add files of one base name to the same archives at once: each
// archive ends with both entries, whole, and every original is in its
// archive or still on disk.
TEST(NameCollision, TwoRunsAddingToOneArchiveLoseNothing) {
    TempFolder tmp;
    constexpr int kFiles = 24;
    QRandomGenerator random(21);
    QStringList sides[2];
    for (int i = 0; i < kFiles; ++i) {
        for (int side = 0; side < 2; ++side) {
            QByteArray bytes(128 * 1024, '\0');
            random.fillRange(reinterpret_cast<quint32 *>(bytes.data()), bytes.size() / 4);
            sides[side] << tmp.write(QStringLiteral("in%1/f%2.%3")
                                         .arg(side)
                                         .arg(i, 2, 10, QLatin1Char('0'))
                                         .arg(side == 0 ? "txt" : "dat"),
                                     bytes);
        }
    }
    QMap<QString, QByteArray> originals;
    for (const QStringList &side : sides)
        for (const QString &path : side)
            originals.insert(path, readAll(path));
    const QString out = tmp.mkdir("out");
    QProcess runs[2];
    for (int side = 0; side < 2; ++side)
        runs[side].start(clitest::builtTool(),
                         QStringList{"zip", "-q", "--delete-originals", "--to", out} + sides[side]);
    for (QProcess &run : runs) {
        ASSERT_TRUE(run.waitForFinished(300000));
        EXPECT_EQ(run.exitCode(), 0) << run.readAllStandardError().toStdString();
    }
    for (auto it = originals.constBegin(); it != originals.constEnd(); ++it) {
        const QFileInfo original(it.key());
        const QString archive = out + "/" + original.completeBaseName() + ".zip";
        EXPECT_FALSE(original.exists()) << it.key().toStdString();
        QString bytes;
        testsupport::run("python3",
                         {"-c",
                          "import sys, zipfile\n"
                          "sys.stdout.write(zipfile.ZipFile(sys.argv[1]).read(sys.argv[2]).hex())",
                          archive, original.fileName()},
                         &bytes);
        EXPECT_EQ(QByteArray::fromHex(bytes.toLatin1()), it.value())
            << original.fileName().toStdString() << " lost";
    }
    EXPECT_EQ(QDir(out).entryList(QDir::Files | QDir::Hidden).size(), kFiles);  // no lock left
}

// A run waits while another holds the archive's name, and then adds to what
// that one wrote; a holder that is killed lets it go.
TEST(NameCollision, ARunWaitsForTheArchiveNameAndAKilledHolderFreesIt) {
    struct Row {
        const char *what;
        bool otherWrites;  // the holder renames its own archive over the name
        QStringList entries;
    } rows[] = {
        {"a holder killed without writing", false, {"a.txt"}},
        {"a holder that wrote its archive", true, {"a.txt", "b.txt"}},
    };
    for (const Row &r : rows) {
        TempFolder tmp;
        const QString out = tmp.mkdir("out");
        const QString original = tmp.write("x/a.txt", "from x");
        // One process that holds the folder's whole lock file (every name in it),
        // so that killing it frees it.
        QProcess holder;
        holder.start("python3", {"-c",
                                 "import fcntl, os, sys, time\n"
                                 "fd = os.open(sys.argv[1], os.O_RDWR | os.O_CREAT)\n"
                                 "fcntl.lockf(fd, fcntl.LOCK_EX)\n"
                                 "print('held', flush=True)\n"
                                 "time.sleep(600)",
                                 out + "/.tovrane-lock"});
        ASSERT_TRUE(holder.waitForReadyRead(60000));
        QProcess tool;
        tool.start(clitest::builtTool(),
                   {"zip", "-v", "--delete-originals", "--to", out, original});
        QByteArray seen;
        while (!seen.contains("Zipping: 1/1") && tool.state() == QProcess::Running) {
            tool.waitForReadyRead(1000);
            seen += tool.readAllStandardOutput();
        }
        if (r.otherWrites) {
            ASSERT_EQ(
                testsupport::run("python3", {"-c",
                                             "import os, sys, zipfile\n"
                                             "z = zipfile.ZipFile(sys.argv[1] + '.part', 'w')\n"
                                             "z.writestr('b.txt', 'from the other run')\n"
                                             "z.close()\n"
                                             "os.rename(sys.argv[1] + '.part', sys.argv[1])",
                                             out + "/a.zip"}),
                0);
        }
        EXPECT_TRUE(QFile::exists(original)) << r.what;  // not while the name is held
        holder.kill();
        ASSERT_TRUE(holder.waitForFinished());
        ASSERT_TRUE(tool.waitForFinished(120000));
        EXPECT_EQ(tool.exitCode(), 0) << r.what;
        QStringList names = testsupport::entryNames(out + "/a.zip");
        names.sort();
        EXPECT_EQ(names, r.entries) << r.what;
        EXPECT_FALSE(QFile::exists(original)) << r.what;
        EXPECT_FALSE(QFile::exists(out + "/.tovrane-lock")) << r.what;
    }
}
