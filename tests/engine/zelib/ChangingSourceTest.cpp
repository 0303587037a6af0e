// A file that changes while it is being zipped is never stored as if it were
// whole: the operation fails with a read error and no archive is made.
#include "EngineHarness.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>
#include <QFile>
#include <QFileInfo>
#include <stdexcept>

using namespace enginetest;
using testsupport::TempFolder;

namespace {

struct Change {
    const char *label;
    std::function<void(TempFolder &)> apply;  // to b.bin, once a.bin is in
    int32_t code;
};

void append(const QString &path, const QByteArray &bytes) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::Append));
    file.write(bytes);
}

const Change kChanges[] = {
    {"unchanged", [](TempFolder &) {}, ZE_OK},
    {"grown", [](TempFolder &tmp) { append(tmp.path("b.bin"), binaryLike(1 << 20, 9)); },
     ZE_ERR_READ},
    {"shrunk", [](TempFolder &tmp) { QFile::resize(tmp.path("b.bin"), 1 << 20); }, ZE_ERR_READ},
    {"rewritten in place",
     [](TempFolder &tmp) {
         QFile file(tmp.path("b.bin"));
         ASSERT_TRUE(file.open(QIODevice::ReadWrite));
         file.write(binaryLike(2 << 20, 8));
         file.close();
         setMtime(tmp.path("b.bin"), 1000000000);
     },
     ZE_ERR_READ},
    {"replaced by rename",
     [](TempFolder &tmp) {
         tmp.write("b.new", binaryLike(2 << 20, 8));
         ASSERT_EQ(rename(str(tmp.path("b.new")).c_str(), str(tmp.path("b.bin")).c_str()), 0);
     },
     ZE_ERR_READ},
    {"removed", [](TempFolder &tmp) { QFile::remove(tmp.path("b.bin")); }, ZE_ERR_READ},
};

TEST(ChangingSource, IsAReadFailureNeverAnArchive) {
    // Deflated in small chunks (the file is read while others are written)
    // and stored (read straight by the writer).
    for (const char *level : {"-6", "-0"}) {
        for (const Change &change : kChanges) {
            TempFolder tmp;
            CurrentFolder here(tmp.path());
            const QByteArray b = binaryLike(2 << 20, 2);
            tmp.write("a.bin", binaryLike(2 << 20, 1));
            tmp.write("b.bin", b);
            Recorder recorder;
            bool changed = false;
            recorder.hook = [&](int32_t code) {
                if (code == ZE_CB_ADDING && !changed) {
                    changed = true;
                    change.apply(tmp);
                }
            };
            const std::string what = std::string(level) + " " + change.label;
            EXPECT_EQ(zip({"", level, "--memory-budget=65536", "new.zip", "-W", "a.bin", "b.bin"},
                          &recorder),
                      change.code)
                << what;
            EXPECT_TRUE(changed) << what;
            EXPECT_TRUE(leftovers(tmp.path(), "new.zip").isEmpty()) << what;
            if (change.code != ZE_OK) {
                EXPECT_FALSE(QFileInfo::exists(tmp.path("new.zip"))) << what;
                continue;
            }
            ASSERT_EQ(unzip({"", "new.zip", "-d", "out"}), ZE_OK) << what;
            EXPECT_EQ(testsupport::readAll(tmp.path("out/b.bin")), b) << what;
        }
    }
}

// With "-m" a source changed after it was stored (here once its entry is
// complete) is not the file in the archive: it stays; the others go.
TEST(ChangingSource, MoveKeepsAFileChangedAfterItWasStored) {
    TempFolder tmp;
    CurrentFolder here(tmp.path());
    const QByteArray b = binaryLike(1 << 20, 2);
    tmp.write("a.bin", binaryLike(1 << 20, 1));
    tmp.write("b.bin", b);
    Recorder recorder;
    recorder.hook = [&](int32_t code) {
        if (code == ZE_CB_ADDING && recorder.count(ZE_CB_ADDING) == 2)
            append(tmp.path("b.bin"), "more");
    };
    EXPECT_EQ(zip({"", "-m", "-6", "new.zip", "-W", "a.bin", "b.bin"}, &recorder), ZE_ERR_NOTHING);
    EXPECT_FALSE(QFileInfo::exists(tmp.path("a.bin")));
    EXPECT_EQ(testsupport::readAll(tmp.path("b.bin")), b + "more");
    EXPECT_EQ(recorder.deleted, std::vector<std::string>{"a.bin"});
    ASSERT_EQ(unzip({"", "new.zip", "b.bin", "-d", "out"}), ZE_OK);
    EXPECT_EQ(testsupport::readAll(tmp.path("out/b.bin")), b);
}

// Whatever a callback throws while libzip is writing the archive (or while
// an archive is read), it never crosses libzip's C frames: the operation
// fails with the internal-error code, or the memory code for bad_alloc.
TEST(ChangingSource, ExceptionsFromCallbacksFailTheOperation) {
    struct Row {
        const char *label;
        bool zipping;
        int32_t at;
        bool memory;
        int32_t code;
    } rows[] = {
        {"zip, entry added", true, ZE_CB_ADDING, false, ZE_ERR_INTERNAL},
        {"zip, out of memory", true, ZE_CB_ADDING, true, ZE_ERR_MEMORY},
        {"test, entry tested", false, ZE_CB_TESTING, false, ZE_ERR_INTERNAL},
    };
    for (const Row &row : rows) {
        TempFolder tmp;
        CurrentFolder here(tmp.path());
        tmp.write("a.txt", textLike(200000, 1));
        tmp.write("b.txt", textLike(200000, 2));
        ASSERT_EQ(zip({"", "-6", "old.zip", "-W", "a.txt"}), ZE_OK);
        const QByteArray before = testsupport::readAll(tmp.path("old.zip"));
        Recorder recorder;
        recorder.hook = [&](int32_t code) {
            if (code != row.at)
                return;
            if (row.memory)
                throw std::bad_alloc();
            throw std::runtime_error("thrown by the component");
        };
        const int32_t result = row.zipping ? zip({"", "-6", "old.zip", "-W", "b.txt"}, &recorder)
                                           : unzip({"", "-t", "old.zip"}, &recorder);
        EXPECT_EQ(result, row.code) << row.label;
        EXPECT_EQ(testsupport::readAll(tmp.path("old.zip")), before) << row.label;
        EXPECT_TRUE(leftovers(tmp.path(), "old.zip").isEmpty()) << row.label;
    }
}

}  // namespace
