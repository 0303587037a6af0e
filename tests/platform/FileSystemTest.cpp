#include "platform/AsciiCase.h"
#include "platform/FileSystem.h"
#include "platform/Rounding.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>
#include <QDir>
#include <QFile>

#include <sys/stat.h>
#include <unistd.h>

#include <functional>

using namespace platform;
using testsupport::TempFolder;

TEST(FileSystem, MasksMatchLikeWindows) {
    struct Row {
        const char *name, *mask;
        bool match;
    } rows[] = {
        {"README", "*.*", true},
        {"report.doc", "*.DOC", true},
        {"Report.Doc", "*.doc", true},
        {"report.docx", "*.DOC", false},
        {"a.bmp", "*.BMP;*.TXT", true},
        {"a.txt", "*.BMP; *.TXT", true},
        {"a.jpg", "*.BMP;*.TXT", false},
        {"data", "data.*", true},
        {"x1.txt", "x?.txt", true},
        {"x10.txt", "x?.txt", false},
        {".profile", "*.*", true},
        {"a[1].txt", "A[1].TXT", true},
        {"any", "", true},
        {"Makefile", "*.", true},
        {"notes.txt", "*.", false},
        {"README", "read*.", true},
        {"README.md", "read*.", false},
        {".profile", "*.", false},
    };
    for (const Row &r : rows)
        EXPECT_EQ(matchesMask(QString::fromUtf8(r.name), QString::fromUtf8(r.mask)), r.match)
            << r.name << " against " << r.mask;
}

TEST(FileSystem, SeparatorAddedOnce) {
    EXPECT_EQ(withSeparator("/"), "/");
    EXPECT_EQ(withSeparator("/home/user"), "/home/user/");
    EXPECT_EQ(withSeparator("/home/user/"), "/home/user/");
}

TEST(FileSystem, CaseChangesOnlyAsciiLetters) {
    EXPECT_EQ(asciiUpper(QString::fromUtf8("réport-ß.doc")), QString::fromUtf8("RéPORT-ß.DOC"));
    EXPECT_EQ(asciiLower(QString::fromUtf8("ÉTÉ.ZIP")), QString::fromUtf8("ÉtÉ.zip"));
}

TEST(FileSystem, ListingsHideDotEntriesAndSortWithoutCase) {
    TempFolder tmp;
    tmp.write("b.txt");
    tmp.write("A.txt");
    tmp.write(".hidden");
    tmp.write("c.TXT");
    tmp.mkdir("Zeta");
    tmp.mkdir("alpha");
    tmp.mkdir(".git");
    EXPECT_EQ(listFiles(tmp.path()), QStringList({"A.txt", "b.txt", "c.TXT"}));
    EXPECT_EQ(listFiles(tmp.path(), "*.txt"), QStringList({"A.txt", "b.txt", "c.TXT"}));
    EXPECT_EQ(listFiles(tmp.path(), "*.*", true),
              QStringList({".hidden", "A.txt", "b.txt", "c.TXT"}));
    EXPECT_EQ(listFolders(tmp.path()), QStringList({"alpha", "Zeta"}));
    EXPECT_EQ(listFolders(tmp.path(), true), QStringList({".git", "alpha", "Zeta"}));
    EXPECT_TRUE(listFiles(tmp.path("missing")).isEmpty());
}

TEST(FileSystem, ListingsFollowLinksAndLeaveOutOtherEntries) {
    TempFolder tmp;
    tmp.write("plain");
    tmp.mkdir("folder");
    const struct {
        const char *name;
        std::function<bool(const QByteArray &)> make;
        bool file;
        bool folder;
    } rows[] = {
        {"to-file", [](const QByteArray &p) { return ::symlink("plain", p.constData()) == 0; },
         true, false},
        {"to-folder", [](const QByteArray &p) { return ::symlink("folder", p.constData()) == 0; },
         false, true},
        {"dangling", [](const QByteArray &p) { return ::symlink("gone", p.constData()) == 0; },
         false, false},
        {"pipe", [](const QByteArray &p) { return ::mkfifo(p.constData(), 0600) == 0; }, false,
         false},
    };
    for (const auto &row : rows)
        ASSERT_TRUE(row.make(QFile::encodeName(tmp.path(row.name)))) << row.name;
    const QStringList files = listFiles(tmp.path());
    const QStringList folders = listFolders(tmp.path());
    for (const auto &row : rows) {
        EXPECT_EQ(files.contains(row.name), row.file) << row.name;
        EXPECT_EQ(folders.contains(row.name), row.folder) << row.name;
    }
}

TEST(FileSystem, ReadOnlyFilesAreClearedAndDeleted) {
    // With a pump, a large file (sparse here) goes on a thread of its own.
    const std::function<void()> pump = [] {};
    for (const qint64 size : {qint64(1), kSlowUnlinkBytes}) {
        TempFolder tmp;
        const auto remove = [&](const QString &path) {
            return size == 1 ? deleteFile(path) : deleteFile(path, pump);
        };
        const QString file = tmp.write("locked.txt", "x");
        ASSERT_TRUE(QFile::resize(file, size));
        testsupport::setReadOnly(file, true);
        EXPECT_TRUE(isReadOnly(file));
        EXPECT_TRUE(remove(file)) << size;
        EXPECT_FALSE(QFile::exists(file));
        EXPECT_FALSE(remove(file)) << size;
        EXPECT_FALSE(remove(tmp.mkdir("folder")));  // folders are not files
        EXPECT_TRUE(QDir(tmp.path("folder")).exists());
    }
}

TEST(Rounding, HalvesGoToTheEvenNeighbour) {
    struct Row {
        double value;
        int rounded;
    } rows[] = {{0.5, 0},    {1.5, 2},    {2.5, 2}, {3.5, 4},    {37.5, 38},  {12.5, 12},
                {2.4999, 2}, {2.5001, 3}, {0.0, 0}, {99.5, 100}, {100.0, 100}};
    for (const Row &r : rows)
        EXPECT_EQ(platform::roundHalfEven(r.value), r.rounded) << r.value;
    EXPECT_EQ(platform::walkPercent(1, 2), 100);
    EXPECT_EQ(platform::walkPercent(1, 9), 12);  // 12.5 rounds to 12
    EXPECT_EQ(platform::walkPercent(3, 9), 38);  // 37.5 rounds to 38
}

TEST(FileSystem, FlushingNeedsAFolderToReachTheDiskBy) {
    TempFolder tmp;
    const QString file = tmp.write("a.txt", "a");
    const struct {
        QString path;
        bool flushed;
    } rows[] = {
        {tmp.path(), true},
        {tmp.path("missing"), false},
        {file, false},
    };
    for (const auto &row : rows)
        EXPECT_EQ(flushFileSystemOf(row.path), row.flushed) << row.path.toStdString();
}

TEST(FileSystem, AFileFlushesWithItsFolderAndNothingElseDoes) {
    TempFolder tmp;
    const QString file = tmp.write("a.zip", "PK");
    const QString link = tmp.path("link.zip");
    ASSERT_TRUE(QFile::link(file, link));
    const QString dangling = tmp.path("gone.zip");
    ASSERT_TRUE(QFile::link(tmp.path("missing"), dangling));
    const struct {
        QString path;
        bool flushed;
    } rows[] = {
        {file, true},
        {link, true},  // the file it names is flushed
        {tmp.path("missing"), false},
        {dangling, false},
        {tmp.path("missing/a.zip"), false},
    };
    for (const auto &row : rows)
        EXPECT_EQ(flushFileAndFolder(row.path), row.flushed) << row.path.toStdString();
}
