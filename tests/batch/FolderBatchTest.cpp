// The folder batch driven headless on real trees: archive names, stored
// paths, deletion only of folders whose archive holds all of them, Stop,
// the current directory, and browsed folders that are gone. Archives are
// checked by unzip, 7z and Python's zipfile.
#include "batch/ArchiveListing.h"
#include "batch/ArchiveNaming.h"
#include "batch/BatchDriver.h"
#include "batch/FolderBatch.h"
#include "batch/HeadlessBatchHost.h"
#include "support/ArchiveCheck.h"
#include "support/TableFileList.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <functional>

using testsupport::entryNames;
using testsupport::readersAccept;
using testsupport::TempFolder;

namespace {

QStringList sorted(QStringList list) {
    list.sort();
    return list;
}

// A browsed folder "work" with sub-folders, an output folder "out", and a
// headless host whose folder list selects the given names.
class FolderBatchRun {
  public:
    FolderBatchRun(TempFolder &tmp, QList<TableFileList::Entry> entries)
        : folders(tmp.mkdir("work"), std::move(entries)),
          files(tmp.path("work"), {}),
          host(files, folders) {
        host.current.zipFolder = tmp.mkdir("out") + "/";
        host.current.fullPaths = true;
        host.inFoldersView = true;
    }
    void run() {
        BatchDriver(host, zipFoldersBatchTexts()).run([this](const BatchSettings &settings) {
            FolderBatch(host, settings).run();
        });
    }

    // The batch leaves the process in the browsed folder, which goes with
    // the test's temporary folder.
    struct CurrentFolderKept {
        QString saved = QDir::currentPath();
        ~CurrentFolderKept() { QDir::setCurrent(saved); }
    } kept;
    TableFileList folders;
    TableFileList files;
    HeadlessBatchHost host;
};

// Docs with files at three levels, a hidden one among them.
void makeDocs(TempFolder &tmp, const QString &name = "Docs") {
    tmp.write("work/" + name + "/top.txt", "top level");
    tmp.write("work/" + name + "/one/mid.txt", QByteArray(70000, 'm'));
    tmp.write("work/" + name + "/one/two/deep.bin", QByteArray("\x01\x02\x03", 3));
    tmp.write("work/" + name + "/one/two/.hidden", "dot file");
}

}  // namespace

TEST(FolderArchiveNames, FolderNameUpperCasedAlwaysFolderPartKept) {
    struct Row {
        const char *zipFolder, *name, *extension, *path;
    } rows[] = {{"/out/", "Docs", ".zip", "/out/DOCS.ZIP"},
                {"/Mixed/Case/", "photos 2024", ".ZIP", "/Mixed/Case/PHOTOS 2024.ZIP"},
                {"/out/", "a.b", ".zip", "/out/A.B.ZIP"},
                {"/out/", "straße", ".zip", "/out/STRAßE.ZIP"}};
    for (const Row &r : rows)
        EXPECT_EQ(archivenaming::folderArchivePath(r.zipFolder, r.name, r.extension), r.path)
            << r.name;
}

TEST(FolderBatch, ThreeLevelTreeWithAndWithoutPaths) {
    struct Row {
        bool fullPaths;
        QStringList entries;
    } rows[] = {
        {true,
         {"Docs/one/mid.txt", "Docs/one/two/.hidden", "Docs/one/two/deep.bin", "Docs/top.txt"}},
        {false, {".hidden", "deep.bin", "mid.txt", "top.txt"}},
    };
    for (const Row &r : rows) {
        TempFolder tmp;
        makeDocs(tmp);
        FolderBatchRun batch(tmp, {{"Docs", true}});
        batch.host.current.fullPaths = r.fullPaths;
        QDir::setCurrent(tmp.mkdir("elsewhere"));
        QStringList current;
        batch.host.engine().OnAdding = [&](TZipEngine *, const TZeFileStats &) {
            current << QDir::currentPath();
        };
        batch.run();
        current.removeDuplicates();
        EXPECT_EQ(current, QStringList({tmp.path("work")}));  // set for the folder
        EXPECT_EQ(QDir::currentPath(), tmp.path("work"));     // and after it
        const QString archive = tmp.path("out/DOCS.ZIP");
        EXPECT_EQ(sorted(entryNames(archive)), r.entries) << r.fullPaths;
        EXPECT_TRUE(readersAccept(archive));
        EXPECT_TRUE(batch.host.errorLog().isEmpty());
        EXPECT_TRUE(batch.host.engine().Recurse);              // stays on afterwards
        EXPECT_FALSE(batch.host.engine().IncludeHiddenFiles);  // the component's own choice
        EXPECT_TRUE(QFileInfo::exists(tmp.path("work/Docs/top.txt")));
    }
}

TEST(FolderBatch, DeletionFollowsOnlyACompleteArchive) {
    TempFolder tmp;
    for (const char *name : {"Alpha", "Beta", "Gamma"})
        makeDocs(tmp, name);
    // Beta's archive cannot be written: a folder holds its name.
    tmp.mkdir("out/BETA.ZIP");
    FolderBatchRun batch(tmp, {{"Alpha", true}, {"Beta", true}, {"Gamma", true}});
    batch.host.current.deleteFolder = true;
    // The include step runs after a failed add too, and fails with it.
    const QString extra = tmp.write("extra/licence.txt", "licence");
    batch.host.current.includeFile = extra;
    QStringList statuses;
    batch.host.onStatus = [&](const QString &s) { statuses << s; };
    batch.run();
    EXPECT_FALSE(QFileInfo::exists(tmp.path("work/Alpha")));
    EXPECT_TRUE(QFileInfo::exists(tmp.path("work/Beta/one/two/deep.bin")));
    EXPECT_FALSE(QFileInfo::exists(tmp.path("work/Gamma")));
    for (const char *archive : {"out/ALPHA.ZIP", "out/GAMMA.ZIP"}) {
        EXPECT_EQ(entryNames(tmp.path(archive)).size(), 5) << archive;
        EXPECT_TRUE(readersAccept(tmp.path(archive))) << archive;
    }
    const QStringList lines = batch.host.errorLog().lines();
    ASSERT_EQ(lines.size(), 2) << lines.join("|").toStdString();
    EXPECT_TRUE(lines[0].startsWith("Beta skipped.")) << lines[0].toStdString();
    EXPECT_TRUE(lines[1].startsWith(extra + " skipped.")) << lines[1].toStdString();
    EXPECT_TRUE(statuses.contains("Zipping folders...  (2/3)  (Beta)"));
    EXPECT_EQ(batch.host.status(), "Completed - errors occured.");
}

TEST(FolderBatch, TreesTheArchiveCannotStandForAreKept) {
    // Each tree holds something besides plain files; the archive is made,
    // the folder stays whole, one line says so, and nothing outside moves.
    struct Row {
        const char *what;
        std::function<void(TempFolder &)> make;
    } rows[] = {
        {"link to an outside folder",
         [](TempFolder &tmp) {
             tmp.write("outside/precious.txt", "keep");
             QFile::link(tmp.path("outside"), tmp.path("work/Docs/one/elsewhere"));
         }},
        {"dangling link",
         [](TempFolder &tmp) { QFile::link(tmp.path("nowhere"), tmp.path("work/Docs/gone")); }},
        {"named pipe",
         [](TempFolder &tmp) {
             ASSERT_EQ(mkfifo(QFile::encodeName(tmp.path("work/Docs/pipe")).constData(), 0600), 0);
         }},
        {"sub-folder that cannot be read (not for root, who reads all)",
         [](TempFolder &tmp) {
             tmp.write("work/Docs/locked/unseen.txt", "only here");
             QFile::setPermissions(tmp.path("work/Docs/locked"), QFileDevice::WriteOwner);
         }},
    };
    for (const Row &r : rows) {
        if (std::string(r.what).find("root") != std::string::npos && geteuid() == 0)
            continue;
        TempFolder tmp;
        makeDocs(tmp);
        r.make(tmp);
        FolderBatchRun batch(tmp, {{"Docs", true}});
        batch.host.current.deleteFolder = true;
        batch.run();
        EXPECT_TRUE(QFileInfo::exists(tmp.path("work/Docs/one/two/deep.bin"))) << r.what;
        EXPECT_EQ(batch.host.errorLog().lines(),
                  QStringList({"Docs not deleted: its zip file lacks some of its files. "
                               "(Folder kept)"}))
            << r.what;
        const QStringList stored = entryNames(tmp.path("out/DOCS.ZIP"));
        EXPECT_EQ(stored.size(), 4) << r.what;  // never archived through the link
        EXPECT_TRUE(readersAccept(tmp.path("out/DOCS.ZIP"))) << r.what;
        if (QFileInfo::exists(tmp.path("outside"))) {
            EXPECT_EQ(testsupport::readAll(tmp.path("outside/precious.txt")), "keep");
        }
    }
}

TEST(FolderBatch, StopDuringAFolderFinishesThatFolderOnly) {
    TempFolder tmp;
    for (const char *name : {"Alpha", "Beta"})
        makeDocs(tmp, name);
    const QString extra = tmp.write("extra/licence.txt", "licence");
    FolderBatchRun batch(tmp, {{"Alpha", true}, {"Beta", true}});
    batch.host.current.deleteFolder = true;
    batch.host.current.includeFile = extra;
    batch.host.current.dateStamp = true;
    batch.host.engine().OnAdding = [&](TZipEngine *, const TZeFileStats &) {
        batch.host.setOperationFlag("STOP");
    };
    batch.run();
    EXPECT_FALSE(QFileInfo::exists(tmp.path("work/Alpha")));
    // The include file keeps its own path, without the root.
    EXPECT_TRUE(entryNames(tmp.path("out/ALPHA.ZIP")).contains(extra.mid(1)));
    EXPECT_TRUE(readersAccept(tmp.path("out/ALPHA.ZIP")));
    EXPECT_FALSE(QFileInfo::exists(tmp.path("out/BETA.ZIP")));
    EXPECT_TRUE(QFileInfo::exists(tmp.path("work/Beta")));
    EXPECT_EQ(batch.host.status(), "Zipping process halted by User.");
    EXPECT_EQ(batch.host.operationFlag(), "GO");
}

TEST(FolderBatch, NothingSelectedOrBrowsedFolderGone) {
    struct Row {
        const char *what;
        bool removeBrowsed;
        QList<TableFileList::Entry> entries;
        QStringList lines;
    } rows[] = {
        {"nothing selected", false, {{"Alpha", false}, {"Beta", false}}, {}},
        {"browsed folder gone",
         true,
         {{"Alpha", true}, {"Beta", true}},
         {"Alpha skipped. (File/Folder maybe use or empty?)",
          "Beta skipped. (File/Folder maybe use or empty?)"}},
    };
    for (const Row &r : rows) {
        TempFolder tmp;
        makeDocs(tmp, "Alpha");
        makeDocs(tmp, "Beta");
        // Somewhere the relative pattern would find folders of the same names.
        tmp.write("decoy/Alpha/top.txt", "decoy");
        FolderBatchRun batch(tmp, r.entries);
        QDir::setCurrent(tmp.path("decoy"));
        batch.host.current.deleteFolder = true;
        if (r.removeBrowsed)
            QDir(tmp.path("work")).removeRecursively();
        batch.run();
        EXPECT_EQ(batch.host.errorLog().lines(), r.lines) << r.what;
        EXPECT_TRUE(QDir(tmp.path("out")).isEmpty()) << r.what;
        EXPECT_TRUE(QFileInfo::exists(tmp.path("decoy/Alpha/top.txt"))) << r.what;
        EXPECT_FALSE(batch.host.locked()) << r.what;
        EXPECT_EQ(batch.host.overallProgress(), 0) << r.what;
        EXPECT_EQ(batch.host.status(),
                  r.lines.isEmpty() ? "Completed." : "Completed - errors occured.")
            << r.what;
    }
}

TEST(ArchiveListing, NamesFromTheCentralDirectory) {
    TempFolder tmp;
    tmp.write("src/a.txt", "a");
    tmp.write("src/sub/b.txt", "b");
    const QString archive = tmp.path("made.zip");
    ASSERT_EQ(
        testsupport::run("zip", {"-q", "-r", archive, "a.txt", "sub"}, nullptr, tmp.path("src")),
        0);
    const QByteArray whole = testsupport::readAll(archive);
    // The same archive with a comment, cut short, and with the end record
    // saying "see the zip64 record" that is not there.
    QByteArray commented = whole;
    commented[commented.size() - 2] = 5;
    commented += "hello";
    QByteArray noZip64 = whole;
    const qsizetype end = noZip64.lastIndexOf(QByteArray("PK\x05\x06", 4));
    noZip64.replace(end + 10, 2, QByteArray("\xff\xff", 2));
    struct Row {
        const char *what;
        QByteArray bytes;
        bool readable;
    } rows[] = {{"whole", whole, true},
                {"with comment", commented, true},
                {"cut short", whole.left(whole.size() - 30), false},
                {"zip64 record missing", noZip64, false},
                {"not an archive", "plain text", false},
                {"empty", {}, false}};
    for (const Row &r : rows) {
        const QString path = tmp.write("case.zip", r.bytes);
        const std::optional<QList<QByteArray>> names = archiveEntryNames(path);
        ASSERT_EQ(names.has_value(), r.readable) << r.what;
        if (names) {
            EXPECT_EQ(*names, QList<QByteArray>({"a.txt", "sub/", "sub/b.txt"})) << r.what;
        }
    }
    EXPECT_FALSE(archiveEntryNames(tmp.path("missing.zip")).has_value());
}

TEST(ArchiveListing, Zip64EndRecord) {
    // Python writes a zip64 end record once an archive passes its limits;
    // lowering the limit makes a small one.
    TempFolder tmp;
    const QString archive = tmp.path("big.zip");
    const QString script =
        "import sys, zipfile\n"
        "zipfile.ZIP_FILECOUNT_LIMIT = 1\n"
        "with zipfile.ZipFile(sys.argv[1], 'w') as z:\n"
        "    z.writestr('one.txt', 'x'); z.writestr('two/', ''); z.writestr('two/three.txt', 'y')\n"
        "data = bytearray(open(sys.argv[1], 'rb').read())\n"
        "end = data.rfind(b'PK\\x05\\x06')\n"
        "data[end + 8:end + 12] = b'\\xff' * 4\n"
        "data[end + 12:end + 20] = b'\\xff' * 8\n"
        "open(sys.argv[1], 'wb').write(data)\n";
    ASSERT_EQ(testsupport::run("python3", {"-c", script, archive}), 0);
    const std::optional<QList<QByteArray>> names = archiveEntryNames(archive);
    ASSERT_TRUE(names.has_value());
    EXPECT_EQ(*names, QList<QByteArray>({"one.txt", "two/", "two/three.txt"}));
}

// "Docs" and "docs" both make DOCS.ZIP: the second folder is kept whole and
// its tree never goes into the first one's archive, which is still deleted
// with its folder when asked.
TEST(FolderBatch, ASecondFolderOfTheSameArchiveNameIsKept) {
    for (const bool deleteFolder : {false, true}) {
        TempFolder tmp;
        makeDocs(tmp);
        tmp.write("work/docs/other.txt", "the other folder");
        FolderBatchRun batch(tmp, {{"Docs", true}, {"docs", true}});
        batch.host.current.deleteFolder = deleteFolder;
        batch.run();
        const QString archive = tmp.path("out/DOCS.ZIP");
        EXPECT_EQ(sorted(entryNames(archive)),
                  QStringList({"Docs/one/mid.txt", "Docs/one/two/.hidden", "Docs/one/two/deep.bin",
                               "Docs/top.txt"}));
        EXPECT_EQ(batch.host.errorLog().lines(),
                  QStringList{"docs: its archive DOCS.ZIP is taken by folder Docs of this batch. "
                              "(Folder kept)"});
        EXPECT_EQ(QFile::exists(tmp.path("work/Docs")), !deleteFolder);
        EXPECT_EQ(testsupport::readAll(tmp.path("work/docs/other.txt")), "the other folder");
    }
}
