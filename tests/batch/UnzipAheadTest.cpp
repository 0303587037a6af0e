// Archives read ahead of their turn in the unzip batch and the zip test: a
// call uses that work only while the archive is still the file that was
// read, so every archive gives what it holds when its turn comes, and a
// stopped batch leaves nothing behind for the archives it did not reach.
#include "batch/HeadlessBatchHost.h"
#include "batch/UnzipBatch.h"
#include "engine/ZipEngine.h"
#include "engine/ZipTestWalk.h"
#include "support/TableFileList.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QLibrary>
#include <functional>
#include <map>

#include <fcntl.h>
#include <sys/stat.h>

namespace {

using Contents = std::map<QString, QByteArray>;  // entry -> bytes

// The archives read ahead and still held by the engine the batch loads,
// once its work ahead is as far as it goes.
int heldAhead() {
    QLibrary library(QCoreApplication::applicationDirPath() + "/zeunzip");
    const auto idle = reinterpret_cast<ZeEntryPoint>(library.resolve("zeunzipaheadidle"));
    return idle ? idle(ZE_VERSION, 0, nullptr, nullptr, nullptr) : -1;
}

// Packs `contents` (deflated, or stored with `level` "-0") into `archive`.
void pack(testsupport::TempFolder &tmp, const QString &archive, const Contents &contents,
          const QString &level = "-6") {
    const QString stage = tmp.mkdir("stage-" + QFileInfo(archive).completeBaseName());
    QStringList args{"-q", "-X", "-j", level, archive};
    for (const auto &[name, bytes] : contents)
        args << tmp.write(stage.mid(tmp.path().size() + 1) + "/" + name, bytes);
    ASSERT_EQ(testsupport::run("zip", args), 0);
    ASSERT_TRUE(QDir(stage).removeRecursively());
}

// Rewrites `path` in place with `bytes` of the same length, its times put
// back: only the change time tells, and it is awaited until it does.
void rewriteInPlace(const QString &path, const std::function<void(QByteArray &)> &change) {
    struct stat before {};
    ASSERT_EQ(stat(QFile::encodeName(path).constData(), &before), 0);
    QByteArray bytes = testsupport::readAll(path);
    change(bytes);
    struct stat after {};
    do {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::ReadWrite));
        ASSERT_EQ(file.write(bytes), bytes.size());
        file.close();
        const struct timespec times[2] = {before.st_atim, before.st_mtim};
        ASSERT_EQ(utimensat(AT_FDCWD, QFile::encodeName(path).constData(), times, 0), 0);
        ASSERT_EQ(stat(QFile::encodeName(path).constData(), &after), 0);
    } while (after.st_ctim.tv_sec == before.st_ctim.tv_sec &&
             after.st_ctim.tv_nsec == before.st_ctim.tv_nsec);
}

const Contents kA = {{"a1.txt", QByteArray("alpha ").repeated(30000)}, {"a2.txt", "a"}};
// b is stored, so that another b of the same size can take its place; its
// first entry is large enough to be read in place from the archive file.
const Contents kB = {{"b1.txt", QByteArray("bravo ").repeated(200000)}, {"b2.txt", {}}};
const Contents kNewB = {{"b1.txt", QByteArray("BRAVO!").repeated(200000)}, {"b2.txt", {}}};
// c has an entry too large to be inflated ahead: its call reads it itself.
const Contents kC = {{"c1.bin", QByteArray(65 << 20, '\0')}, {"c2.txt", "charlie"}};

struct Row {
    const char *what;
    // What happens to b.zip: before the batch, and once the archives after
    // the first are read ahead (during the first one's extraction).
    std::function<void(testsupport::TempFolder &, const QString &b)> before, meanwhile;
    // Archives held read ahead then, when extracting and when testing: an
    // extraction leaves b's large entry to its call, so it holds b even
    // when that entry is damaged.
    int heldWhileA, heldWhileTestingA;
    bool stop;   // Stop during the first archive
    Contents b;  // what b extracts to; unused when it fails
    int errors;
};

void flipStoredByte(QByteArray &bytes) {
    const qsizetype at = bytes.indexOf("bravo bravo") + 3;
    bytes[at] = static_cast<char>(bytes[at] ^ 0x20);
}

const Row kRows[] = {
    {"every archive as read ahead", {}, {}, 2, 2, false, kB, 0},
    {"b replaced by another archive after it was read",
     {},
     [](testsupport::TempFolder &tmp, const QString &b) {
         pack(tmp, tmp.path("new-b.zip"), kNewB, "-0");
         ASSERT_EQ(rename(QFile::encodeName(tmp.path("new-b.zip")).constData(),
                          QFile::encodeName(b).constData()),
                   0);
     },
     2,
     2,
     false,
     kNewB,
     0},
    {"b rewritten in place after it was read, same size and times",
     {},
     [](testsupport::TempFolder &tmp, const QString &b) {
         pack(tmp, tmp.path("new-b.zip"), kNewB, "-0");
         const QByteArray replacement = testsupport::readAll(tmp.path("new-b.zip"));
         ASSERT_EQ(replacement.size(), QFileInfo(b).size());
         rewriteInPlace(b, [&](QByteArray &bytes) { bytes = replacement; });
     },
     2,
     2,
     false,
     kNewB,
     0},
    {"b damaged in place after it was read",
     {},
     [](testsupport::TempFolder &, const QString &b) { rewriteInPlace(b, flipStoredByte); },
     2,
     2,
     false,
     {},
     1},
    {"b damaged before it was read ahead",
     [](testsupport::TempFolder &, const QString &b) { rewriteInPlace(b, flipStoredByte); },
     {},
     2,
     1,
     false,
     {},
     1},
    {"stopped during the first archive", {}, {}, 2, 2, true, {}, 0},
};

// The three archives, packed once for every row.
const QString &pristine() {
    static testsupport::TempFolder folder;
    static const bool packed = [] {
        pack(folder, folder.path("a.zip"), kA);
        pack(folder, folder.path("b.zip"), kB, "-0");
        pack(folder, folder.path("c.zip"), kC);
        return true;
    }();
    static const QString path = packed ? folder.path() : QString();
    return path;
}

QString archivesFor(testsupport::TempFolder &tmp, const Row &r) {
    const QString in = tmp.mkdir("in");
    for (const QString name : {"a.zip", "b.zip", "c.zip"})
        EXPECT_TRUE(QFile::copy(pristine() + "/" + name, in + "/" + name));
    if (r.before)
        r.before(tmp, in + "/b.zip");
    return in;
}

void expectExtracted(const QString &folder, const Contents &contents, const char *what) {
    QStringList names;
    for (const auto &[name, bytes] : contents) {
        names << name;
        EXPECT_EQ(testsupport::readAll(folder + "/" + name), bytes)
            << what << " " << qPrintable(name);
    }
    EXPECT_EQ(QDir(folder).entryList(QDir::Files), names) << what;
}

}  // namespace

TEST(UnzipAhead, EachArchiveGivesWhatItHoldsWhenItsTurnComes) {
    for (const Row &r : kRows) {
        testsupport::TempFolder tmp;
        const QString in = archivesFor(tmp, r);
        const QString out = tmp.mkdir("out");
        TableFileList files(in, {{"a.zip", true}, {"b.zip", true}, {"c.zip", true}});
        TableFileList folders(in, {});
        HeadlessBatchHost host(files, folders);
        host.current.unzipFolder = out + "/";
        host.current.subFolder = true;
        host.current.deleteZip = false;
        int held = -1;
        host.engine().OnExtracting = [&](TZipEngine *, const TZeFileStats &) {
            if (held >= 0)
                return;
            held = heldAhead();
            if (r.meanwhile)
                r.meanwhile(tmp, in + "/b.zip");
            if (r.stop)
                host.setOperationFlag("STOP");
        };
        UnzipBatch(host, host.current).run();

        EXPECT_EQ(held, r.heldWhileA) << r.what;
        EXPECT_EQ(host.errorLog().count(), r.errors) << r.what;
        expectExtracted(out + "/a", kA, r.what);
        if (r.stop) {
            EXPECT_EQ(QDir(out).entryList(QDir::Dirs | QDir::NoDotAndDotDot), QStringList{"a"})
                << r.what;
        } else {
            if (r.errors == 0)
                expectExtracted(out + "/b", r.b, r.what);
            expectExtracted(out + "/c", kC, r.what);
        }
        // Finished or stopped, nothing stays read ahead.
        EXPECT_EQ(heldAhead(), 0) << r.what;
    }
}

namespace {

class VerdictList : public ZipTestHost {
  public:
    bool runFlagIsGo() const override { return true; }
    void setProgress(int) override {}
    void addVerdict(const QString &line) override { lines << line; }
    QStringList lines;
};

}  // namespace

TEST(UnzipAhead, TheZipTestJudgesEachArchiveAsItsTurnFindsIt) {
    for (const Row &r : kRows) {
        if (r.stop)
            continue;
        testsupport::TempFolder tmp;
        const QString in = archivesFor(tmp, r);
        TableFileList files(in, {{"a.zip", true}, {"b.zip", true}, {"c.zip", true}});
        TZipEngine engine;
        int held = -1;
        engine.OnTesting = [&](TZipEngine *, const TZeFileStats &) {
            if (held >= 0)
                return;
            held = heldAhead();
            if (r.meanwhile)
                r.meanwhile(tmp, in + "/b.zip");
        };
        VerdictList verdicts;
        ziptest::walk(files, engine, verdicts);

        EXPECT_EQ(held, r.heldWhileTestingA) << r.what;
        ASSERT_EQ(verdicts.lines.size(), 3) << r.what;
        EXPECT_EQ(verdicts.lines[0], "a.zip  (Ok)") << r.what;
        EXPECT_EQ(verdicts.lines[1].startsWith("b.zip  (Corrupt)"), r.errors != 0) << r.what;
        EXPECT_EQ(verdicts.lines[2], "c.zip  (Ok)") << r.what;
        EXPECT_EQ(heldAhead(), 0) << r.what;
    }
}
