// Zip on existing archives, the options that choose what is stored, and the
// results for nothing to do.
#include "EngineHarness.h"
#include "support/ArchiveCheck.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <QFileInfo>
#include <set>

using namespace enginetest;
using testsupport::TempFolder;

namespace {

std::set<std::string> entryNames(const QString &archive) {
    std::set<std::string> names;
    for (const auto &[name, entry] : pythonEntries(archive))
        names.insert(name);
    return names;
}

std::map<QString, QByteArray> extracted(TempFolder &tmp, const QString &archive,
                                        const QString &into) {
    EXPECT_EQ(unzip({"", "-o", str(archive), "-d", str(tmp.path(into))}), ZE_OK);
    return snapshot(tmp.path(into));
}

TEST(ZipUpdate, AddingKeepsOtherEntriesAndReplacesOneOfTheSameName) {
    TempFolder tmp;
    tmp.write("a.txt", "first a");
    tmp.write("b.txt", "only b");
    const QString archive = tmp.path("x.zip");
    CurrentFolder here(tmp.path());
    ASSERT_EQ(zip({"", "-6", "x.zip", "-W", "a.txt"}), ZE_OK);
    ASSERT_EQ(zip({"", "-6", "x.zip", "-W", "b.txt"}), ZE_OK);
    tmp.write("a.txt", "second a, longer than the first");
    Recorder recorder;
    ASSERT_EQ(zip({"", "-6", "x.zip", "-W", "a.txt"}, &recorder), ZE_OK);

    EXPECT_EQ(recorder.names(ZE_CB_UPDATING), std::vector<std::string>{"a.txt"});
    EXPECT_TRUE(recorder.names(ZE_CB_ADDING).empty());
    EXPECT_EQ(entryNames(archive), (std::set<std::string>{"a.txt", "b.txt"}));
    const auto files = extracted(tmp, archive, "out");
    EXPECT_EQ(files.at("a.txt"), "second a, longer than the first");
    EXPECT_EQ(files.at("b.txt"), "only b");
    EXPECT_TRUE(testsupport::unzipAccepts(archive));
}

TEST(ZipUpdate, FreshenAndUpdateTakeOnlyNewerFiles) {
    struct Row {
        const char *action;
        std::vector<std::string> replaced, added;
        std::set<std::string> entries;
    } rows[] = {
        {"-f", {"changed.txt"}, {}, {"changed.txt", "same.txt"}},
        {"-u", {"changed.txt"}, {"new.txt"}, {"changed.txt", "same.txt", "new.txt"}},
    };
    for (const Row &row : rows) {
        TempFolder tmp;
        CurrentFolder here(tmp.path());
        const int64_t then = 1600000000;  // an even second
        setMtime(tmp.write("changed.txt", "old"), then);
        setMtime(tmp.write("same.txt", "same"), then);
        ASSERT_EQ(zip({"", "-6", "x.zip", "-W", "changed.txt", "same.txt"}), ZE_OK);
        setMtime(tmp.write("changed.txt", "newer contents"), then + 3600);
        tmp.write("new.txt", "brand new");

        Recorder recorder;
        ASSERT_EQ(zip({"", row.action, "-6", "x.zip", "-W", "*"}, &recorder), ZE_OK) << row.action;
        EXPECT_EQ(recorder.names(ZE_CB_UPDATING), row.replaced) << row.action;
        EXPECT_EQ(recorder.names(ZE_CB_ADDING), row.added) << row.action;
        EXPECT_EQ(entryNames(tmp.path("x.zip")), row.entries) << row.action;
        EXPECT_EQ(extracted(tmp, tmp.path("x.zip"), "out").at("changed.txt"), "newer contents");
    }
}

TEST(ZipUpdate, FreshenWithoutNamesTakesTheArchivesOwnEntries) {
    TempFolder tmp;
    CurrentFolder here(tmp.path());
    setMtime(tmp.write("a.txt", "old"), 1600000000);
    ASSERT_EQ(zip({"", "x.zip", "-W", "a.txt"}), ZE_OK);
    setMtime(tmp.write("a.txt", "new"), 1600003600);
    tmp.write("other.txt", "not in the archive");
    ASSERT_EQ(zip({"", "-f", "x.zip", "-W"}), ZE_OK);
    EXPECT_EQ(entryNames(tmp.path("x.zip")), std::set<std::string>{"a.txt"});
    EXPECT_EQ(extracted(tmp, tmp.path("x.zip"), "out").at("a.txt"), "new");
}

TEST(ZipUpdate, MoveDeletesSourcesOnlyOnceTheArchiveIsComplete) {
    TempFolder tmp;
    CurrentFolder here(tmp.path());
    tmp.write("keep/a.txt", "a");
    tmp.write("keep/b.txt", "b");
    // The archive's folder does not exist: the temporary archive cannot be made.
    EXPECT_EQ(zip({"", "-m", "-r", "missing/x.zip", "-W", "keep"}), ZE_ERR_TEMP);
    EXPECT_TRUE(QFileInfo::exists(tmp.path("keep/a.txt")));
    EXPECT_TRUE(QFileInfo::exists(tmp.path("keep/b.txt")));

    Recorder recorder;
    ASSERT_EQ(zip({"", "-m", "-r", "x.zip", "-W", "keep"}, &recorder), ZE_OK);
    EXPECT_EQ(recorder.deleted, (std::vector<std::string>{"keep/a.txt", "keep/b.txt"}));
    EXPECT_FALSE(QFileInfo::exists(tmp.path("keep/a.txt")));
    EXPECT_FALSE(QFileInfo::exists(tmp.path("keep")));  // emptied folders go too
    EXPECT_EQ(entryNames(tmp.path("x.zip")), (std::set<std::string>{"keep/a.txt", "keep/b.txt"}));
}

// One folder tree, zipped with different options; the table gives the
// entries (and, where it matters, their methods) that must result.
TEST(ZipUpdate, OptionsChooseTheEntries) {
    struct Row {
        const char *label;
        std::vector<std::string> tail;  // options ... then names and patterns after the archive
        std::map<std::string, int> entries;  // name → method (-1: any)
    } rows[] = {
        {"recursion skips hidden",
         {"-r", "@", "*"},
         {{"shown.txt", -1},
          {"notes.log", -1},
          {"data.bin", -1},
          {"old.txt", -1},
          {"sub/inner.txt", -1}}},
        {"-S takes hidden",
         {"-r", "-S", "@", "*"},
         {{"shown.txt", -1},
          {".hidden", -1},
          {"notes.log", -1},
          {"data.bin", -1},
          {"old.txt", -1},
          {"sub/inner.txt", -1},
          {"sub/.secret", -1},
          {".dot/in.txt", -1}}},
        {"no recursion",
         {"@", "*"},
         {{"shown.txt", -1}, {"notes.log", -1}, {"data.bin", -1}, {"old.txt", -1}}},
        {"-D adds folders", {"-r", "-D", "@", "sub"}, {{"sub/", -1}, {"sub/inner.txt", -1}}},
        {"named hidden file", {"@", ".hidden"}, {{".hidden", -1}}},
        {"-i",
         {"-r", "@", "*", "-i", "*.TXT"},
         {{"shown.txt", -1}, {"old.txt", -1}, {"sub/inner.txt", -1}}},
        {"-x",
         {"-r", "@", "*", "-x", "*.log", "sub/*"},
         {{"shown.txt", -1}, {"data.bin", -1}, {"old.txt", -1}}},
        {"-t", {"-t", "01012010", "@", "*.txt"}, {{"shown.txt", -1}}},
        {"-n",
         {"-n", ".LOG;.bin", "@", "*"},
         {{"shown.txt", 8}, {"notes.log", 0}, {"data.bin", 0}, {"old.txt", 8}}},
        {"-j", {"-r", "-j", "@", "sub/*", "shown.txt"}, {{"inner.txt", -1}, {"shown.txt", -1}}},
    };
    for (const Row &row : rows) {
        TempFolder tmp;
        tmp.write("src/shown.txt", textLike(3000, 1));
        tmp.write("src/.hidden", "h");
        tmp.write("src/notes.log", textLike(3000, 2));
        tmp.write("src/data.bin", binaryLike(3000, 3));
        setMtime(tmp.write("src/old.txt", textLike(3000, 4)), 978307200);  // 2001
        tmp.write("src/sub/inner.txt", textLike(3000, 5));
        tmp.write("src/sub/.secret", "s");
        tmp.write("src/.dot/in.txt", "in a hidden folder");
        CurrentFolder here(tmp.path("src"));
        std::vector<std::string> args{"", "-6"};
        bool names = false;
        for (const std::string &part : row.tail) {
            if (part == "@") {
                args.insert(args.end(), {str(tmp.path("x.zip")), "-W"});
                names = true;
            } else {
                args.push_back(part);
            }
        }
        ASSERT_TRUE(names);
        ASSERT_EQ(zip(args), ZE_OK) << row.label;
        const auto entries = pythonEntries(tmp.path("x.zip"));
        std::map<std::string, int> got;
        for (const auto &[name, entry] : entries)
            got[name] = row.entries.count(name) && row.entries.at(name) == -1 ? -1 : entry.method;
        EXPECT_EQ(got, row.entries) << row.label;
        EXPECT_TRUE(testsupport::unzipAccepts(tmp.path("x.zip"))) << row.label;
    }
}

TEST(ZipUpdate, ArchiveIsNeverStoredInItself) {
    TempFolder tmp;
    tmp.write("a.txt", "a");
    CurrentFolder here(tmp.path());
    ASSERT_EQ(zip({"", "-r", "self.zip", "-W", "*"}), ZE_OK);
    ASSERT_EQ(zip({"", "-r", "self.zip", "-W", "*"}), ZE_OK);
    EXPECT_EQ(entryNames(tmp.path("self.zip")), std::set<std::string>{"a.txt"});
}

TEST(ZipUpdate, RefusalsAndNothingToDo) {
    struct Row {
        const char *label;
        std::vector<std::string> args;
        int32_t code;
        bool archiveMade;
    } rows[] = {
        {"no match", {"", "x.zip", "-W", "nomatch*.xyz"}, ZE_ERR_NOTHING, false},
        {"empty folder", {"", "-r", "x.zip", "-W", "empty/*"}, ZE_ERR_NOTHING, false},
        {"one name missing", {"", "x.zip", "-W", "a.txt", "missing.txt"}, ZE_ERR_NOTHING, true},
        {"freshen without archive", {"", "-f", "x.zip", "-W", "a.txt"}, ZE_ERR_NO_ARCHIVE, false},
        {"self-extractor",
         {"", "-X", "stub.exe", "x", "x.zip", "-W", "a.txt"},
         ZE_ERR_UNSUPPORTED,
         false},
        {"make self-extractor", {"", "-M", "x.zip"}, ZE_ERR_UNSUPPORTED, false},
        {"multi-disk", {"", "-6", "-!", "x.zip", "-W", "a.txt"}, ZE_ERR_UNSUPPORTED, false},
        {"bad date", {"", "-t", "31022020", "x.zip", "-W", "a.txt"}, ZE_ERR_INTERNAL, false},
        {"no archive name", {"", "-6"}, ZE_ERR_INTERNAL, false},
    };
    for (const Row &row : rows) {
        TempFolder tmp;
        tmp.write("a.txt", "a");
        tmp.mkdir("empty");
        CurrentFolder here(tmp.path());
        Recorder recorder;
        EXPECT_EQ(zip(row.args, &recorder), row.code) << row.label;
        EXPECT_EQ(QFileInfo::exists(tmp.path("x.zip")), row.archiveMade) << row.label;
        if (row.archiveMade) {
            EXPECT_EQ(entryNames(tmp.path("x.zip")), std::set<std::string>{"a.txt"});
            EXPECT_EQ(
                recorder.skipped,
                (std::vector<std::pair<std::string, uint8_t>>{{"missing.txt", ZE_SKIP_NOT_FOUND}}));
        }
    }
}

TEST(ZipUpdate, StampGivesTheArchiveItsNewestEntrysTime) {
    TempFolder tmp;
    CurrentFolder here(tmp.path());
    setMtime(tmp.write("older.txt", "o"), 1104537600);  // 2005
    setMtime(tmp.write("newer.txt", "n"), 1262304000);  // 2010
    ASSERT_EQ(zip({"", "x.zip", "-W", "*.txt"}), ZE_OK);
    ASSERT_EQ(zip({"", "-o", "x.zip"}), ZE_OK);
    EXPECT_EQ(QFileInfo(tmp.path("x.zip")).lastModified().toSecsSinceEpoch(), 1262304000);

    tmp.write("text.zip", "not an archive");
    EXPECT_EQ(zip({"", "-o", "text.zip"}), ZE_ERR_NOT_ZIP);
    EXPECT_EQ(zip({"", "-o", "missing.zip"}), ZE_ERR_NO_ARCHIVE);
}

}  // namespace

namespace {

TEST(ZipUpdate, OneEntryPerName) {
    struct Row {
        const char *label;
        std::vector<std::string> args;
        int32_t code;
        std::set<std::string> entries;
        size_t skips;
    } rows[] = {
        {"same file named twice", {"", "x.zip", "-W", "a/x.txt", "a/*.txt"}, ZE_OK, {"a/x.txt"}, 0},
        {"two files, one bare name",
         {"", "-j", "x.zip", "-W", "a/x.txt", "b/x.txt"},
         ZE_ERR_SKIPPED,
         {"x.txt"},
         1},
    };
    for (const Row &row : rows) {
        TempFolder tmp;
        tmp.write("a/x.txt", "from a");
        tmp.write("b/x.txt", "from b");
        CurrentFolder here(tmp.path());
        Recorder recorder;
        EXPECT_EQ(zip(row.args, &recorder), row.code) << row.label;
        EXPECT_EQ(entryNames(tmp.path("x.zip")), row.entries) << row.label;
        EXPECT_EQ(recorder.skipped.size(), row.skips) << row.label;
        EXPECT_EQ(extracted(tmp, tmp.path("x.zip"), "out").begin()->second, "from a") << row.label;
    }
}

}  // namespace
