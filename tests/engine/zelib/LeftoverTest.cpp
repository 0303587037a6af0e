// A killed run leaves nothing that stays: the new archive has no name until
// it is complete, and a temporary file a killed run left under a name is
// removed by the next run in that folder, never a live one or a user's.
#include "EngineHarness.h"
#include "PendingFile.h"
#include "TemporaryName.h"
#include "support/ArchiveCheck.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#include <QDir>
#include <QFile>

using namespace enginetest;
using testsupport::TempFolder;

namespace {

// A pid that belonged to a process that has ended.
pid_t endedPid() {
    const pid_t child = fork();
    if (child == 0)
        _exit(0);
    waitpid(child, nullptr, 0);
    return child;
}

QStringList names(const QString &folder) {
    return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::System |
                                  QDir::NoDotAndDotDot);
}

QString leftoverName(pid_t pid, const char *tag = "AbC123", const char *target = "x.zip") {
    return QString::fromStdString(zelib::temporaryName(target, pid, tag));
}

}  // namespace

TEST(Leftovers, TemporaryNamesAreRecognisedExactly) {
    const struct {
        const char *name;
        std::optional<pid_t> owner;
    } rows[] = {
        {".~ze4242-AbC123-x.zip", 4242},
        {".~ze1-zzzzzz-a", 1},
        {".~ze2147483647-000000-a b", 2147483647},
        {".~ze2147483648-000000-a", std::nullopt},  // no such pid
        {".~ze4242-AbC12-x.zip", std::nullopt},     // tag too short
        {".~ze4242-AbC1_3-x.zip", std::nullopt},
        {".~ze4242-AbC123-", std::nullopt},  // no target name
        {".~ze4242-AbC123", std::nullopt},
        {".~ze04242-AbC123-x.zip", std::nullopt},
        {".~ze-AbC123-x.zip", std::nullopt},
        {".~zeabc-AbC123-x.zip", std::nullopt},
        {"~ze4242-AbC123-x.zip", std::nullopt},
        {".~ZE4242-AbC123-x.zip", std::nullopt},
        {"x.zip.AbC123", std::nullopt},  // libzip's own
        {".ze-extract-AbC123", std::nullopt},
    };
    for (const auto &r : rows)
        EXPECT_EQ(zelib::temporaryOwner(r.name), r.owner) << r.name;
    const std::string made = zelib::temporaryName(std::string(300, 'n'), 77, zelib::randomTag());
    EXPECT_EQ(zelib::temporaryOwner(made), std::optional<pid_t>(77));
    EXPECT_LE(made.size(), 255u);
}

TEST(Leftovers, TheNextZipInTheFolderRemovesOnlyStaleOnes) {
    TempFolder tmp;
    const pid_t ended = endedPid();
    const QString endedText = QString::number(ended);
    const QString held = leftoverName(ended, "Held00");
    const struct {
        QString name;
        bool removed;
    } rows[] = {
        {leftoverName(ended), true},
        {leftoverName(ended, "zz9999", "other.zip"), true},
        {held, false},                    // its maker still holds it
        {leftoverName(getpid()), false},  // a live process's
        {leftoverName(1), false},         // init lives
        {"x.zip.AbC123", false},          // what libzip would have left: maybe a user's
        {".~ze" + endedText + "-AbC12-x.zip", false},
        {"~ze" + endedText + "-AbC123-x.zip", false},
        {".~ze" + endedText + "-AbC123-", false},
        {"notes.txt", false},
    };
    for (const auto &r : rows)
        tmp.write(r.name, "partial archive bytes");
    // A folder and a link under a leftover's name are nobody's temporary file.
    const QString folder = leftoverName(ended, "Folder");
    const QString link = leftoverName(ended, "Link00");
    tmp.mkdir(folder);
    ASSERT_TRUE(QFile::link(tmp.path("notes.txt"), tmp.path(link)));
    const int heldFd = ::open(QFile::encodeName(tmp.path(held)).constData(), O_RDONLY);
    ASSERT_GE(heldFd, 0);
    ASSERT_EQ(flock(heldFd, LOCK_EX), 0);

    tmp.write("src/a.txt", textLike(5000, 1));
    ASSERT_EQ(zip({"", "-j", str(tmp.path("x.zip")), "-W", str(tmp.path("src/a.txt"))}), ZE_OK);
    close(heldFd);

    const QStringList left = names(tmp.path());
    for (const auto &r : rows)
        EXPECT_EQ(!left.contains(r.name), r.removed) << r.name.toStdString();
    EXPECT_TRUE(left.contains(folder));
    EXPECT_TRUE(left.contains(link));
    EXPECT_TRUE(left.contains("x.zip"));
    EXPECT_TRUE(testsupport::readersAccept(tmp.path("x.zip")));
}

// A zip killed halfway leaves the old archive and nothing else, for every
// point at which it can die while the new archive is written.
TEST(Leftovers, AKilledZipLeavesTheOldArchiveAndNoTemporaryFile) {
    const struct {
        const char *label;
        int32_t code;
        int after;
    } rows[] = {
        {"first progress", ZE_CB_GLOBAL_STATUS, 1},
        {"first entry", ZE_CB_ADDING, 1},
        {"second entry", ZE_CB_ADDING, 2},
    };
    for (const auto &row : rows) {
        TempFolder tmp;
        tmp.write("src/old.txt", textLike(10000, 9));
        const std::string archive = str(tmp.path("x.zip"));
        ASSERT_EQ(zip({"", "-j", archive, "-W", str(tmp.path("src/old.txt"))}), ZE_OK);
        const QByteArray before = testsupport::readAll(tmp.path("x.zip"));
        tmp.write("src/big1.txt", textLike(3 << 20, 10));
        tmp.write("src/big2.txt", binaryLike(3 << 20, 11));
        const QStringList expected = names(tmp.path());

        const pid_t child = fork();
        if (child == 0) {
            Recorder recorder;
            int seen = 0;
            // Progress reports come by the clock; only those below 100 %
            // come while the archive is still being written.
            recorder.hook = [&](int32_t code) {
                const bool during = code != ZE_CB_GLOBAL_STATUS || recorder.lastPercent < 100;
                if (code == row.code && during && ++seen == row.after)
                    raise(SIGKILL);
            };
            zip({"", "-m", "--memory-budget=1048576", "-j", archive, "-W",
                 str(tmp.path("src/big1.txt")), str(tmp.path("src/big2.txt"))},
                &recorder);
            _exit(0);
        }
        int status = 0;
        ASSERT_EQ(waitpid(child, &status, 0), child);
        ASSERT_TRUE(WIFSIGNALED(status)) << row.label << ": the zip ended before it was killed";

        EXPECT_EQ(testsupport::readAll(tmp.path("x.zip")), before) << row.label;
        EXPECT_EQ(names(tmp.path()).join(" "), expected.join(" ")) << row.label;
        EXPECT_TRUE(QFile::exists(tmp.path("src/big1.txt")) &&
                    QFile::exists(tmp.path("src/big2.txt")));
    }
}

TEST(Leftovers, APendingFileIsNamedOnlyWhenCommitted) {
    const struct {
        const char *label;
        bool existing, replace, commit;
        int error;
        const char *result;
    } rows[] = {
        {"new name", false, false, true, 0, "new"},
        {"replacing", true, true, true, 0, "new"},
        {"existing name refused", true, false, true, EEXIST, "old"},
        {"discarded", true, true, false, 0, "old"},
        {"discarded, no target", false, true, false, 0, nullptr},
    };
    for (const auto &r : rows) {
        TempFolder tmp;
        const QString target = tmp.path("t.bin");
        if (r.existing)
            tmp.write("t.bin", "old");
        {
            zelib::PendingFile file;
            ASSERT_EQ(file.create(str(target), 0644), 0) << r.label;
            ASSERT_EQ(::write(file.fd(), "new", 3), 3);
            // Until committed the file is in the folder under no name that
            // another program would take for the target.
            QStringList during = names(tmp.path());
            during.removeIf([](const QString &n) { return n.startsWith(".~ze"); });
            EXPECT_EQ(during.size(), r.existing ? 1 : 0) << r.label;
            if (r.commit) {
                EXPECT_EQ(file.commit(r.replace, true), r.error) << r.label;
            }
        }
        const QStringList after = names(tmp.path());
        if (r.result == nullptr) {
            EXPECT_TRUE(after.isEmpty()) << r.label;
            continue;
        }
        EXPECT_EQ(after, QStringList{"t.bin"}) << r.label;
        EXPECT_EQ(testsupport::readAll(target), r.result) << r.label;
    }
}

TEST(ArchiveFile, ANewArchiveHasTheUsualPermissionsAndARewrittenOneKeepsItsOwn) {
    const mode_t mask = umask(022);
    const struct {
        const char *label;
        mode_t before;  // 0: no archive yet
        mode_t after;
    } rows[] = {
        {"new", 0, 0644},
        {"rewritten, private", 0600, 0600},
        {"rewritten, shared", 0664, 0664},
    };
    for (const auto &r : rows) {
        TempFolder tmp;
        tmp.write("src/a.txt", textLike(3000, 1));
        tmp.write("src/b.txt", textLike(3000, 2));
        const std::string archive = str(tmp.path("x.zip"));
        if (r.before != 0) {
            ASSERT_EQ(zip({"", "-j", archive, "-W", str(tmp.path("src/a.txt"))}), ZE_OK);
            ASSERT_EQ(chmod(archive.c_str(), r.before), 0);
        }
        ASSERT_EQ(zip({"", "-j", archive, "-W", str(tmp.path("src/b.txt"))}), ZE_OK) << r.label;
        struct stat info {};
        ASSERT_EQ(stat(archive.c_str(), &info), 0);
        EXPECT_EQ(info.st_mode & 07777, r.after) << r.label;
        EXPECT_TRUE(testsupport::readersAccept(tmp.path("x.zip"))) << r.label;
    }
    umask(mask);
}

// A new archive takes its name only if the name is still free: a file that
// another program put there while the archive was made stays as it is.
// Archives of every size are written whole however the writes are grouped.
TEST(ArchiveFile, ANewArchiveNeverReplacesAFileThatTookItsNameMeanwhile) {
    const struct {
        const char *label;
        QByteArray data;
        bool otherFileAppears;
    } rows[] = {
        {"small", textLike(3000, 1), false},
        {"larger than the write buffer", incompressible(700000, 2), false},
        {"small, name taken meanwhile", textLike(3000, 3), true},
        {"larger, name taken meanwhile", incompressible(700000, 4), true},
    };
    for (const auto &r : rows) {
        TempFolder tmp;
        tmp.write("src/a.bin", r.data);
        const QString archive = tmp.path("x.zip");
        Recorder recorder;
        recorder.hook = [&](int32_t code) {
            if (r.otherFileAppears && code == ZE_CB_ADDING && !QFile::exists(archive))
                tmp.write("x.zip", "another program's file");
        };
        const int32_t result =
            zip({"", "-j", str(archive), "-W", str(tmp.path("src/a.bin"))}, &recorder);
        if (r.otherFileAppears) {
            EXPECT_NE(result, ZE_OK) << r.label;
            EXPECT_EQ(testsupport::readAll(archive), QByteArray("another program's file"))
                << r.label;
        } else {
            ASSERT_EQ(result, ZE_OK) << r.label;
            EXPECT_TRUE(testsupport::readersAccept(archive)) << r.label;
            EXPECT_EQ(pythonEntries(archive).size(), 1u) << r.label;
        }
        EXPECT_TRUE(leftovers(tmp.path()).isEmpty()) << r.label;
    }
}
