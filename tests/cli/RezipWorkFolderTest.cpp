// The work folder of `tovrane-batch rezip`: private to the user, and what a
// killed run left (its extraction, read-only folders and all) is removed by
// the next run, while the folders of live runs stay.
#include "TemporaryName.h"
#include "cli/RezipWorkFolder.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <fcntl.h>
#include <signal.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

TEST(RezipWorkFolder, PrivateAndWhatAKilledRunLeftGoesWithTheNextRun) {
    testsupport::TempFolder tmp;
    const cli::RezipWorkFolder live(tmp.path());
    struct stat info {};
    ASSERT_EQ(stat(QFile::encodeName(live.path()).constData(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0700u);

    const pid_t child = fork();  // a run killed with decrypted entries in place
    ASSERT_GE(child, 0);
    if (child == 0) {
        const cli::RezipWorkFolder own(tmp.path());
        QDir(own.path()).mkpath("temp.$$$/locked");
        QFile(own.path() + "/temp.$$$/locked/secret.txt").open(QIODevice::WriteOnly);
        QFile::setPermissions(own.path() + "/temp.$$$/locked", QFile::ReadOwner | QFile::ExeOwner);
        raise(SIGKILL);
    }
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    const QDir::Filters all = QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot;
    ASSERT_EQ(QDir(tmp.path()).entryList(all).size(), 2);

    // The dead pid again, on a folder someone holds: its maker lives on
    // (in another pid namespace, or under a pid used again).
    const QString held =
        tmp.mkdir(QString::fromStdString(zelib::temporaryName("rezip", child, "AbCdEf")));
    const int heldFd = ::open(QFile::encodeName(held).constData(), O_RDONLY | O_DIRECTORY);
    ASSERT_EQ(flock(heldFd, LOCK_EX), 0);
    const QString user = tmp.mkdir("user's folder");
    QString next;
    {
        const cli::RezipWorkFolder made(tmp.path());
        next = made.path();
    }
    ::close(heldFd);
    QStringList expected = {QFileInfo(held).fileName(), QFileInfo(live.path()).fileName(),
                            QFileInfo(user).fileName()};
    expected.sort();
    EXPECT_EQ(QDir(tmp.path()).entryList(all, QDir::Name), expected);
    EXPECT_FALSE(next.isEmpty() || QFileInfo::exists(next));
}
