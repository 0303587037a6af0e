#include "batch/DelTree.h"
#include "support/ScriptedDialogs.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>
#include <QDir>
#include <QFile>

using testsupport::TempFolder;

namespace {

// A tree three levels deep with read-only and hidden files and read-only
// folders at every level.
QString makeTree(const TempFolder &tmp) {
    const QString root = tmp.mkdir("tree");
    for (const char *file : {"tree/a.txt", "tree/.hidden", "tree/one/b.txt", "tree/one/two/c.txt",
                             "tree/one/two/three/d.txt", "tree/one/two/three/.e"})
        testsupport::setReadOnly(tmp.write(file, "data"), true);
    tmp.mkdir("tree/empty");
    for (const char *folder : {"tree/one/two/three", "tree/one/two", "tree/one", "tree/empty"})
        testsupport::setReadOnly(tmp.path(folder), true);
    return root;
}

}  // namespace

TEST(DelTree, RemovesReadOnlyTreesWithOrWithoutTrailingSeparator) {
    for (const char *suffix : {"", "/"}) {
        TempFolder tmp;
        TDelTree deleter;
        deleter.Path = makeTree(tmp) + suffix;
        EXPECT_TRUE(deleter.RemoveTree()) << suffix;
        EXPECT_FALSE(QFileInfo::exists(tmp.path("tree"))) << suffix;
        EXPECT_EQ(deleter.Path, tmp.path("tree"));
    }
}

TEST(DelTree, MissingFolderCountsAsRemoved) {
    TempFolder tmp;
    TDelTree deleter;
    EXPECT_EQ(deleter.Path, "<..>");
    EXPECT_TRUE(deleter.RemoveTree());
    deleter.Verbose = true;
    deleter.Path = tmp.path("nothing here");
    testsupport::dialogs().answer(platform::Ok);
    EXPECT_TRUE(deleter.RemoveTree());
    EXPECT_EQ(testsupport::dialogs().texts(),
              QStringList({"The directory " + tmp.path("nothing here") + " doesn't exist"}));
}

TEST(DelTree, SymbolicLinksAreRemovedNotFollowed) {
    TempFolder tmp;
    const QString outside = tmp.write("outside/keep.txt", "precious");
    tmp.mkdir("tree");
    QFile::link(tmp.path("outside"), tmp.path("tree/link-to-folder"));
    QFile::link(outside, tmp.path("tree/link-to-file"));
    TDelTree deleter;
    deleter.Path = tmp.path("tree");
    EXPECT_TRUE(deleter.RemoveTree());
    EXPECT_FALSE(QFileInfo::exists(tmp.path("tree")));
    EXPECT_EQ(testsupport::readAll(outside), "precious");
    // A link as the tree itself is not a folder to empty.
    QFile::link(tmp.path("outside"), tmp.path("alias"));
    deleter.Path = tmp.path("alias");
    EXPECT_TRUE(deleter.RemoveTree());
    EXPECT_EQ(testsupport::readAll(outside), "precious");
    EXPECT_FALSE(QFileInfo(tmp.path("alias")).isSymLink());  // the link itself goes
}

TEST(DelTree, HandlerSeesEveryFileAndCanCancel) {
    TempFolder tmp;
    makeTree(tmp);
    TDelTree deleter;
    deleter.Path = tmp.path("tree");
    QStringList seen;
    deleter.OnProcessFile = [&](TDelTree &, const QString &name, const QFileInfo &rec, bool &) {
        seen << QDir(tmp.path("tree")).relativeFilePath(name);
        EXPECT_EQ(rec.absoluteFilePath(), name);
    };
    EXPECT_TRUE(deleter.RemoveTree());
    seen.sort();
    EXPECT_EQ(seen, QStringList({".hidden", "a.txt", "one/b.txt", "one/two/c.txt",
                                 "one/two/three/.e", "one/two/three/d.txt"}));

    makeTree(tmp);
    deleter.Verbose = true;
    deleter.OnProcessFile = [](TDelTree &, const QString &, const QFileInfo &, bool &cancel) {
        cancel = true;
    };
    testsupport::dialogs().answer(platform::Ok);
    EXPECT_FALSE(deleter.RemoveTree());
    EXPECT_EQ(testsupport::dialogs().texts(), QStringList({"DelTree aborted by user !"}));
    EXPECT_TRUE(QFileInfo::exists(tmp.path("tree")));
}

TEST(DelTree, AFileThatCannotGoStopsItsFolderOnlyAndIsReportedOnce) {
    TempFolder tmp;
    tmp.write("tree/first/x.txt", "x");
    tmp.write("tree/first/y.txt", "y");
    tmp.write("tree/second/z.txt", "z");
    TDelTree deleter;
    deleter.Path = tmp.path("tree");
    deleter.Verbose = true;
    // Root is not stopped by permissions, so the handler turns the file into
    // a non-empty folder just before its deletion.
    deleter.OnProcessFile = [&](TDelTree &, const QString &name, const QFileInfo &, bool &) {
        if (!name.endsWith("x.txt"))
            return;
        QFile::remove(name);
        QDir().mkpath(name + "/inner");
    };
    testsupport::dialogs().answer(platform::Ok);
    EXPECT_FALSE(deleter.RemoveTree());
    EXPECT_EQ(testsupport::dialogs().texts(),
              QStringList({"Cannot delete file " + tmp.path("tree/first/x.txt")}));
    EXPECT_TRUE(QFileInfo::exists(tmp.path("tree/first/y.txt")));  // the rest of that folder stays
    EXPECT_FALSE(QFileInfo::exists(tmp.path("tree/second")));      // other folders go on
    EXPECT_TRUE(QFileInfo::exists(tmp.path("tree")));
}

TEST(DelTree, CurrentFolderInsideTheTreeDoesNotBlockIt) {
    TempFolder tmp;
    makeTree(tmp);
    const QString before = QDir::currentPath();
    QDir::setCurrent(tmp.path("tree/one"));
    TDelTree deleter;
    deleter.Path = tmp.path("tree");
    EXPECT_TRUE(deleter.RemoveTree());
    EXPECT_FALSE(QFileInfo::exists(tmp.path("tree")));
    EXPECT_EQ(QDir::currentPath(), tmp.path());
    QDir::setCurrent(before);
}
