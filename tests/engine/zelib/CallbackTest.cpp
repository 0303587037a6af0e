// What the component hears: events per entry, progress to 100, questions,
// and what an abort or an untouched block does.
#include "EngineHarness.h"
#include "support/ArchiveCheck.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>
#include <QFileInfo>

using namespace enginetest;
using testsupport::TempFolder;

namespace {

void expectProgressToHundred(const Recorder &recorder) {
    ASSERT_FALSE(recorder.percents.empty());
    EXPECT_EQ(recorder.percents.back(), 100);
    EXPECT_TRUE(std::is_sorted(recorder.percents.begin(), recorder.percents.end()));
    EXPECT_FALSE(recorder.otherThread);
}

TEST(Callbacks, EveryOperationReportsEachEntryAndEndsAtHundred) {
    TempFolder tmp;
    tmp.write("src/a.txt", textLike(2 << 20, 1));
    tmp.write("src/b.bin", binaryLike(300000, 2));
    tmp.write("src/c.txt", "");
    const std::string archive = str(tmp.path("x.zip"));
    {
        CurrentFolder here(tmp.path("src"));
        Recorder zipping;
        ASSERT_EQ(zip({"", "-8", "--memory-budget=1048576", archive, "-W", "*"}, &zipping), ZE_OK);
        EXPECT_EQ(zipping.names(ZE_CB_ADDING),
                  (std::vector<std::string>{"a.txt", "b.bin", "c.txt"}));
        expectProgressToHundred(zipping);
    }
    Recorder testing;
    ASSERT_EQ(unzip({"", "-t", archive}, &testing), ZE_OK);
    EXPECT_EQ(testing.names(ZE_CB_TESTING), (std::vector<std::string>{"a.txt", "b.bin", "c.txt"}));
    expectProgressToHundred(testing);

    Recorder extracting;
    ASSERT_EQ(
        unzip({"", "--memory-budget=1048576", archive, "-d", str(tmp.path("out"))}, &extracting),
        ZE_OK);
    EXPECT_EQ(extracting.names(ZE_CB_EXTRACTING),
              (std::vector<std::string>{"a.txt", "b.bin", "c.txt"}));
    expectProgressToHundred(extracting);
    EXPECT_EQ(snapshot(tmp.path("out")), snapshot(tmp.path("src")));
}

TEST(Callbacks, AbortKeepsTheOldArchiveAndLeavesNoTemporaryFiles) {
    struct Row {
        const char *label;
        int32_t code;
        int after;
    } rows[] = {
        {"first entry done", ZE_CB_ADDING, 1},
        {"second entry done", ZE_CB_ADDING, 2},
        {"replacing", ZE_CB_UPDATING, 1},
    };
    for (const Row &row : rows) {
        TempFolder tmp;
        CurrentFolder here(tmp.path());
        tmp.write("old.txt", textLike(10000, 9));
        ASSERT_EQ(zip({"", "x.zip", "-W", "old.txt"}), ZE_OK);
        const QByteArray before = testsupport::readAll(tmp.path("x.zip"));
        tmp.write("old.txt", textLike(12000, 10));
        tmp.write("new1.txt", textLike(400000, 11));
        tmp.write("new2.txt", textLike(400000, 12));
        Recorder recorder;
        recorder.abortCode = row.code;
        recorder.abortAfter = row.after;
        EXPECT_EQ(zip({"", "-m", "--memory-budget=1048576", "x.zip", "-W", "old.txt", "new1.txt",
                       "new2.txt"},
                      &recorder),
                  ZE_ERR_ABORTED)
            << row.label;
        EXPECT_EQ(testsupport::readAll(tmp.path("x.zip")), before) << row.label;
        EXPECT_TRUE(leftovers(tmp.path(), "x.zip").isEmpty()) << row.label;
        EXPECT_TRUE(QFileInfo::exists(tmp.path("new1.txt")) &&
                    QFileInfo::exists(tmp.path("old.txt")));
        // Nothing more is asked once the callback has said stop.
        EXPECT_EQ(recorder.codes.back(), row.code) << row.label;
    }
}

// Once the archive is complete an abort cannot undo it: it only keeps a move
// from deleting the sources.
TEST(Callbacks, AbortAfterCompletionOnlyStopsTheMove) {
    struct Row {
        bool move;
        int32_t code;
    } rows[] = {{false, ZE_OK}, {true, ZE_ERR_ABORTED}};
    for (const Row &row : rows) {
        TempFolder tmp;
        CurrentFolder here(tmp.path());
        tmp.write("a.txt", "a");
        Recorder recorder;
        recorder.abortAtHundred = true;
        std::vector<std::string> args{""};
        if (row.move)
            args.push_back("-m");
        args.insert(args.end(), {"x.zip", "-W", "a.txt"});
        EXPECT_EQ(zip(args, &recorder), row.code) << row.move;
        EXPECT_TRUE(testsupport::unzipAccepts(tmp.path("x.zip"))) << row.move;
        EXPECT_TRUE(QFileInfo::exists(tmp.path("a.txt"))) << row.move;
        EXPECT_TRUE(recorder.deleted.empty());
    }
}

TEST(Callbacks, AbortStopsExtractionWithOnlyCompleteFiles) {
    TempFolder tmp;
    for (int i = 0; i < 6; ++i)
        tmp.write(QString("src/f%1.txt").arg(i), textLike(200000 + i, i));
    {
        CurrentFolder here(tmp.path("src"));
        ASSERT_EQ(zip({"", "x.zip", "-W", "*"}), ZE_OK);
    }
    // In memory, workers may finish what they hold; streamed, the engine
    // stops right at the answer.
    struct Row {
        const char *budget;
        size_t least, most;
    } rows[] = {{"--memory-budget=536870912", 2, 6}, {"--memory-budget=65536", 2, 2}};
    for (const Row &row : rows) {
        const QString out = tmp.path(QString("out%1").arg(row.budget + 16));
        Recorder recorder;
        recorder.abortCode = ZE_CB_EXTRACTING;
        recorder.abortAfter = 2;
        EXPECT_EQ(unzip({"", row.budget, str(tmp.path("src/x.zip")), "-d", str(out)}, &recorder),
                  ZE_ERR_ABORTED);
        const auto files = snapshot(out);
        EXPECT_GE(files.size(), row.least) << row.budget;
        EXPECT_LE(files.size(), row.most) << row.budget;
        for (const auto &[name, bytes] : files)
            EXPECT_EQ(bytes, testsupport::readAll(tmp.path("src/" + name)));
        EXPECT_TRUE(leftovers(out).isEmpty());
        EXPECT_EQ(recorder.codes.back(), ZE_CB_EXTRACTING);
    }
}

// A component that binds no event: every block stays as the engine filled
// it and every call returns 0.
TEST(Callbacks, UntouchedBlocksAreSafe) {
    TempFolder tmp;
    tmp.write("src/a.txt", "secret contents");
    {
        CurrentFolder here(tmp.path("src"));
        ASSERT_EQ(zip({"pw", "-e", "enc.zip", "-W", "a.txt"}), ZE_OK);
        ASSERT_EQ(zip({"", "plain.zip", "-W", "a.txt"}), ZE_OK);
    }
    tmp.write("out/a.txt", "old");
    struct Row {
        const char *label;
        std::vector<std::string> args;
        int32_t code;
        QByteArray outA;
    } rows[] = {
        {"no password to read",
         {"", "-o", str(tmp.path("src/enc.zip")), "-d", str(tmp.path("out"))},
         ZE_ERR_SKIPPED,
         "old"},
        {"test without password", {"", "-t", str(tmp.path("src/enc.zip"))}, ZE_ERR_SKIPPED, "old"},
        {"replace question",
         {"", str(tmp.path("src/plain.zip")), "-d", str(tmp.path("out"))},
         ZE_OK,
         "secret contents"},
    };
    for (const Row &row : rows) {
        Recorder recorder;
        recorder.untouched = true;
        EXPECT_EQ(unzip(row.args, &recorder), row.code) << row.label;
        EXPECT_EQ(testsupport::readAll(tmp.path("out/a.txt")), row.outA) << row.label;
    }
    Recorder recorder;
    recorder.untouched = true;
    CurrentFolder here(tmp.path("src"));
    EXPECT_EQ(zip({"", "-e", "nopw.zip", "-W", "a.txt"}, &recorder), ZE_ERR_SKIPPED);
    EXPECT_FALSE(QFileInfo::exists(tmp.path("src/nopw.zip")));
}

TEST(Callbacks, PasswordsAreAskedForButNeverForEver) {
    TempFolder tmp;
    tmp.write("src/a.txt", "one");
    tmp.write("src/b.txt", "two");
    {
        CurrentFolder here(tmp.path("src"));
        ASSERT_EQ(zip({"right", "-e", "enc.zip", "-W", "a.txt", "b.txt"}), ZE_OK);
    }
    const std::string archive = str(tmp.path("src/enc.zip"));
    struct Row {
        const char *label;
        std::string first;
        std::deque<std::string> answers;
        int32_t code;
        size_t questions;
    } rows[] = {
        {"given in the vector", "right", {}, ZE_OK, 0},
        {"asked once, kept for the next entry", "", {"right"}, ZE_OK, 1},
        {"wrong in the vector, then asked", "wrong", {"right"}, ZE_OK, 1},
        {"always wrong", "", {"no", "nope", "never", "still", "not", "x", "y"}, ZE_ERR_SKIPPED, 6},
    };
    for (const Row &row : rows) {
        Recorder recorder;
        recorder.passwords = row.answers;
        EXPECT_EQ(unzip({row.first, "-t", archive}, &recorder), row.code) << row.label;
        EXPECT_EQ(recorder.passwordQuestions.size(), row.questions) << row.label;
    }
}

TEST(Callbacks, ReplaceAnswersAreFollowed) {
    struct Row {
        const char *label;
        std::string option;
        std::optional<uint8_t> answer;
        std::map<QString, QByteArray> files;
        size_t questions;
    } rows[] = {
        {"yes", "", ZE_REPLACE_YES, {{"a.txt", "new"}}, 1},
        {"no", "", ZE_REPLACE_NO, {{"a.txt", "old"}}, 1},
        {"rename", "", ZE_REPLACE_RENAME, {{"a.txt", "old"}, {"sub/renamed.txt", "new"}}, 1},
        {"never", "-n", ZE_REPLACE_YES, {{"a.txt", "old"}}, 0},
        {"always", "-o", ZE_REPLACE_NO, {{"a.txt", "new"}}, 0},
    };
    for (const Row &row : rows) {
        TempFolder tmp;
        tmp.write("src/a.txt", "new");
        {
            CurrentFolder here(tmp.path("src"));
            ASSERT_EQ(zip({"", "x.zip", "-W", "a.txt"}), ZE_OK);
        }
        tmp.write("out/a.txt", "old");
        Recorder recorder;
        recorder.replaceAnswer = row.answer;
        recorder.renameTo = "../sub/renamed.txt";
        std::vector<std::string> args{""};
        if (!row.option.empty())
            args.push_back(row.option);
        args.insert(args.end(), {str(tmp.path("src/x.zip")), "-d", str(tmp.path("out"))});
        EXPECT_EQ(unzip(args, &recorder), ZE_OK) << row.label;
        EXPECT_EQ(snapshot(tmp.path("out")), row.files) << row.label;
        EXPECT_EQ(recorder.replaceQuestions.size(), row.questions) << row.label;
    }
}

}  // namespace
