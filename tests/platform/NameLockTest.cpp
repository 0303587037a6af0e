#include "platform/NameLock.h"
#include "platform/NameLockFile.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>
#include <QFile>
#include <QProcess>

using platform::NameLock;
using testsupport::TempFolder;

namespace {

// Another process holding a byte of a folder's lock file (the whole file
// when `slot` is negative) until it is killed, with the process-owned
// fcntl locks of another program: they and ours must exclude each other.
class Holder {
  public:
    Holder(const QString &lockFile, qint64 slot) {
        process_.start("python3", {"-c",
                                   "import fcntl, os, sys, time\n"
                                   "fd = os.open(sys.argv[1], os.O_RDWR | os.O_CREAT)\n"
                                   "slot = int(sys.argv[2])\n"
                                   "if slot < 0: fcntl.lockf(fd, fcntl.LOCK_EX)\n"
                                   "else: fcntl.lockf(fd, fcntl.LOCK_EX, 1, slot)\n"
                                   "print('held', flush=True)\n"
                                   "time.sleep(600)",
                                   lockFile, QString::number(slot)});
        held_ = process_.waitForReadyRead(60000);
    }
    ~Holder() { kill(); }
    bool held() const { return held_; }
    void kill() {
        if (process_.state() != QProcess::NotRunning) {
            process_.kill();
            process_.waitForFinished();
        }
    }

  private:
    QProcess process_;
    bool held_ = false;
};

// Whether another process can take `path`'s byte right now.
bool freeForAnotherProcess(const QString &path) {
    return testsupport::run("python3", {"-c",
                                        "import fcntl, os, sys\n"
                                        "fd = os.open(sys.argv[1], os.O_RDWR)\n"
                                        "fcntl.lockf(fd, fcntl.LOCK_EX | fcntl.LOCK_NB, 1, "
                                        "int(sys.argv[2]))",
                                        NameLock::lockFileOf(path),
                                        QString::number(NameLock::slotOf(path))}) == 0;
}

}  // namespace

TEST(NameLock, AnotherProcessHoldingTheNameMakesItWaitAndItsDeathFreesIt) {
    struct Row {
        const char *what;
        const char *heldName;  // nullptr: the whole file, as a run that removes it
        const char *wanted;
        NameLock::State whileHeld;
    } rows[] = {
        {"the same name waits", "a.zip", "a.zip", NameLock::State::Busy},
        {"another name of the folder does not", "a.zip", "b.zip", NameLock::State::Held},
        {"the same name in another folder does not", "a.zip", "sub/a.zip", NameLock::State::Held},
        {"a run removing the file holds every name", nullptr, "b.zip", NameLock::State::Busy},
    };
    for (const Row &r : rows) {
        TempFolder tmp;
        tmp.mkdir("sub");
        const QString lockFile = NameLock::lockFileOf(tmp.path("a.zip"));
        Holder other(lockFile,
                     r.heldName ? qint64(NameLock::slotOf(tmp.path(r.heldName))) : qint64(-1));
        ASSERT_TRUE(other.held()) << r.what;
        {
            NameLock lock(tmp.path(r.wanted));
            EXPECT_EQ(lock.tryLock(), r.whileHeld) << r.what;
            lock.unlock();
            other.kill();
            EXPECT_EQ(lock.tryLock(), NameLock::State::Held) << r.what;
            EXPECT_FALSE(freeForAnotherProcess(tmp.path(r.wanted))) << r.what;
        }
        // The last user out removes the lock file, one a killed holder left
        // too.
        EXPECT_FALSE(QFile::exists(NameLock::lockFileOf(tmp.path(r.wanted)))) << r.what;
    }
}

TEST(NameLock, OneProcessHoldsANameOnceAndAKeptFileThatWasRemovedIsOpenedAgain) {
    TempFolder tmp;
    const QString archive = tmp.path("a.zip");
    const QString lockFile = NameLock::lockFileOf(archive);
    const platform::KeepNameLockFiles keep;
    {
        NameLock first(archive), second(archive);
        ASSERT_EQ(first.tryLock(), NameLock::State::Held);
        EXPECT_EQ(second.tryLock(), NameLock::State::Busy);
        EXPECT_FALSE(freeForAnotherProcess(archive));
        first.unlock();
        EXPECT_EQ(second.tryLock(), NameLock::State::Held);
    }
    // Kept open between locks, then removed by the last user of another
    // process, while this one holds no byte of it.
    ASSERT_TRUE(QFile::exists(lockFile));
    ASSERT_EQ(testsupport::run("python3", {"-c",
                                           "import fcntl, os, sys\n"
                                           "fd = os.open(sys.argv[1], os.O_RDWR)\n"
                                           "fcntl.lockf(fd, fcntl.LOCK_EX | fcntl.LOCK_NB)\n"
                                           "os.unlink(sys.argv[1])",
                                           lockFile}),
              0);
    NameLock again(archive);
    ASSERT_EQ(again.tryLock(), NameLock::State::Held);
    // Held on the file under the name, where the next run looks.
    EXPECT_TRUE(QFile::exists(lockFile));
    EXPECT_FALSE(freeForAnotherProcess(archive));
}
