// Files compressed ahead of their zip calls: a call takes the work only when
// its file is exactly as it was when expected, so the archive always holds
// the file as the call finds it, byte for byte as without the expectation.
#include "EngineHarness.h"
#include "support/ArchiveCheck.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>
#include <QFile>
#include <QFileInfo>

#include <fcntl.h>
#include <sys/stat.h>

using namespace enginetest;
using testsupport::TempFolder;

namespace {

int32_t expectCalls(const std::vector<std::string> &args) {
    std::vector<const char *> argv;
    for (const std::string &arg : args)
        argv.push_back(arg.c_str());
    return zezipahead(ZE_VERSION, static_cast<int32_t>(argv.size()), argv.data(), nullptr, nullptr);
}

constexpr time_t kOldAccess = 1000000000;

void setAccessTime(const QString &path) {
    const struct timespec times[2] = {{kOldAccess, 0}, {0, UTIME_OMIT}};
    ASSERT_EQ(utimensat(AT_FDCWD, str(path).c_str(), times, 0), 0);
}

time_t accessTime(const QString &path) {
    struct stat info {};
    return stat(str(path).c_str(), &info) == 0 ? info.st_atime : 0;
}

QByteArray readFile(const QString &path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// What happens between the expectation and the calls, and the order of the
// calls (names of a.txt, b.txt, c.txt).
struct Between {
    const char *label;
    std::function<void(TempFolder &)> apply;
    std::vector<std::string> calls = {"a.txt", "b.txt", "c.txt"};
    std::string level = "-6";  // of the calls; the expectation is at -6
    // The calls take what was compressed ahead and never read the files
    // themselves, which their access times show.
    bool taken = false;
};

void rewriteKeepingTimes(TempFolder &tmp) {
    // Same size, modification time put back: only the change time tells.
    const QString path = tmp.path("b.txt");
    struct stat before {};
    ASSERT_EQ(stat(str(path).c_str(), &before), 0);
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadWrite));
    file.write(textLike(static_cast<int>(before.st_size), 77));
    file.close();
    const struct timespec times[2] = {before.st_atim, before.st_mtim};
    ASSERT_EQ(utimensat(AT_FDCWD, str(path).c_str(), times, 0), 0);
}

const Between kBetween[] = {
    {"unchanged", [](TempFolder &) {}, {"a.txt", "b.txt", "c.txt"}, "-6", true},
    {"rewritten, same size and time", rewriteKeepingTimes},
    {"replaced by rename",
     [](TempFolder &tmp) {
         tmp.write("b.new", textLike(150000, 78));
         ASSERT_EQ(rename(str(tmp.path("b.new")).c_str(), str(tmp.path("b.txt")).c_str()), 0);
     }},
    {"calls in another order", [](TempFolder &) {}, {"c.txt", "a.txt", "b.txt"}},
    {"calls at another level", [](TempFolder &) {}, {"a.txt", "b.txt", "c.txt"}, "-9"},
    {"expectation withdrawn",
     [](TempFolder &) {
         ASSERT_EQ(expectCalls({"", "-6", "-"}), ZE_OK);
     }},
};

TEST(CompressAhead, CallsGetTheFileAsTheyFindIt) {
    // The default budget, and one that cuts the files into many small chunks
    // with a window of less than one file.
    for (const std::string budget : {"--memory-budget=536870912", "--memory-budget=65536"}) {
        for (const Between &between : kBetween) {
            const std::string what = budget + " " + between.label;
            TempFolder tmp;
            CurrentFolder here(tmp.path());
            tmp.write("a.txt", textLike(100000, 1));
            tmp.write("b.txt", textLike(150000, 2));
            tmp.write("c.txt", incompressible(50000, 3));

            for (const char *name : {"a.txt", "b.txt", "c.txt"})
                setAccessTime(tmp.path(name));
            ASSERT_EQ(expectCalls({"", "-6", budget, "-", "-W", "a.txt", "b.txt", "c.txt"}), ZE_OK)
                << what;
            // Each change comes after the files were read ahead.
            ASSERT_EQ(zezipaheadidle(ZE_VERSION, 0, nullptr, nullptr, nullptr), ZE_OK);
            between.apply(tmp);

            for (const std::string &name : between.calls) {
                ASSERT_EQ(zip({"", between.level, budget, "x-" + name + ".zip", "-W", name}), ZE_OK)
                    << what;
                if (between.taken) {
                    EXPECT_EQ(accessTime(tmp.path(QString::fromStdString(name))), kOldAccess)
                        << what << " " << name;
                }
            }
            const auto contents = snapshot(tmp.path());
            // Made again with nothing expected: the same bytes.
            ASSERT_EQ(expectCalls({"", "-6", "-"}), ZE_OK);
            for (const std::string &name : between.calls) {
                const std::string archive = "x-" + name + ".zip";
                const std::string again = "y-" + name + ".zip";
                ASSERT_EQ(zip({"", between.level, budget, again, "-W", name}), ZE_OK) << what;
                const QString made = tmp.path(QString::fromStdString(archive));
                EXPECT_EQ(readFile(made), readFile(tmp.path(QString::fromStdString(again))))
                    << what << " " << name;
                EXPECT_TRUE(testsupport::readersAccept(made)) << what << " " << name;
                const QString out = tmp.path("out-" + QString::fromStdString(name));
                ASSERT_EQ(testsupport::run("unzip", {"-q", made, "-d", out}), 0) << what;
                EXPECT_EQ(readFile(out + "/" + QString::fromStdString(name)),
                          contents.at(QString::fromStdString(name)))
                    << what << " " << name;
            }
        }
    }
}

}  // namespace
