// The lock on an archive's name: one holder at a time, the lock file gone
// with its holder, and a lock file left behind locked again, not waited for.
#include "platform/NameLock.h"
#include "support/TempFolder.h"

#include <QFile>

#include <gtest/gtest.h>

using platform::NameLock;
using testsupport::TempFolder;

TEST(NameLock, OneHolderAtATimeAndNoFileLeft) {
    TempFolder tmp;
    const QString archive = tmp.path("a.zip");
    const QString file = NameLock::lockFileOf(archive);
    EXPECT_EQ(file, tmp.path(".a.zip.tovrane-lock"));
    struct Row {
        bool leftBehind;  // a killed holder's lock file is there already
    } rows[] = {{false}, {true}};
    for (const Row &r : rows) {
        if (r.leftBehind)
            tmp.write(".a.zip.tovrane-lock");
        NameLock first(archive);
        NameLock second(archive);
        EXPECT_EQ(first.tryLock(), NameLock::State::Held);
        EXPECT_EQ(second.tryLock(), NameLock::State::Busy);
        EXPECT_EQ(NameLock(tmp.path("b.zip")).tryLock(), NameLock::State::Held);  // another name
        first.unlock();
        EXPECT_FALSE(QFile::exists(file));
        EXPECT_EQ(second.tryLock(), NameLock::State::Held);
        EXPECT_EQ(first.tryLock(), NameLock::State::Busy);
        second.unlock();
        EXPECT_FALSE(QFile::exists(file));
    }
    EXPECT_EQ(NameLock(tmp.path("no such folder/a.zip")).tryLock(), NameLock::State::Unavailable);
}
