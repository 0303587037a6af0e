#include "platform/SaveFile.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#include <QDir>
#include <QFile>
#include <functional>

using testsupport::TempFolder;

namespace {

// Runs `body` as a user who is not root, so that folder permissions count;
// returns its exit code, or -1 when no such user can be had.
int asOrdinaryUser(const std::function<int()> &body) {
    if (geteuid() != 0)
        return body();
    const pid_t child = fork();
    if (child == 0) {
        if (setgid(65534) != 0 || setuid(65534) != 0)
            _exit(99);
        _exit(body());
    }
    int status = 0;
    if (child < 0 || waitpid(child, &status, 0) != child || !WIFEXITED(status))
        return -1;
    return WEXITSTATUS(status) == 99 ? -1 : WEXITSTATUS(status);
}

}  // namespace

TEST(SaveFile, AFolderWithoutRoomForATemporaryFileKeepsTheOldFile) {
    TempFolder tmp;
    const QByteArray old = "the old contents, longer than the new ones";
    const QString folder = tmp.mkdir("locked");
    const QString path = tmp.write("locked/report.txt", old);
    // The file itself may be written, its folder may not take a new name.
    ASSERT_EQ(chmod(QFile::encodeName(path).constData(), 0666), 0);
    ASSERT_EQ(chmod(QFile::encodeName(folder).constData(), 0555), 0);
    ASSERT_EQ(chmod(QFile::encodeName(tmp.path()).constData(), 0755), 0);
    const struct {
        const char *what;
        bool (*save)(const QString &, const QByteArray &);
    } rows[] = {{"saveWhole", platform::saveWhole},
                {"saveWholeInFolder", platform::saveWholeInFolder}};
    for (const auto &r : rows) {
        const int code = asOrdinaryUser([&] { return r.save(path, QByteArray("new")) ? 1 : 0; });
        if (code < 0)
            GTEST_SKIP() << "no ordinary user to test with";
        EXPECT_EQ(code, 0) << r.what << " reported success";
        EXPECT_EQ(testsupport::readAll(path), old) << r.what;
    }
    chmod(QFile::encodeName(folder).constData(), 0755);
}

TEST(SaveFile, ReadsOnlyRegularFilesUpToTheLimit) {
    TempFolder tmp;
    tmp.write("ten", "0123456789");
    tmp.mkdir("folder");
    ASSERT_EQ(mkfifo(QFile::encodeName(tmp.path("fifo")).constData(), 0600), 0);
    ASSERT_TRUE(QFile::link("/dev/zero", tmp.path("zero")));
    ASSERT_TRUE(QFile::link(tmp.path("ten"), tmp.path("link")));
    const struct {
        const char *name;
        qint64 limit;
        std::optional<QByteArray> contents;
    } rows[] = {
        {"ten", 10, QByteArray("0123456789")},
        {"ten", 9, std::nullopt},
        {"link", 10, QByteArray("0123456789")},
        {"fifo", 10, std::nullopt},
        {"zero", 10, std::nullopt},
        {"folder", 10, std::nullopt},
        {"missing", 10, std::nullopt},
    };
    for (const auto &r : rows)
        EXPECT_EQ(platform::readRegularFile(tmp.path(r.name), r.limit), r.contents)
            << r.name << " " << r.limit;
}
