// Archives made by the engine pass independent readers and extract back to
// the same bytes.
#include "EngineHarness.h"
#include "support/ArchiveCheck.h"
#include "support/TempFolder.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <QDateTime>
#include <QFileInfo>

using namespace enginetest;
using testsupport::TempFolder;

namespace {

const QString kUnicodeName = QString::fromUtf8("Grüße ünïcødé.txt");
const QString kLongName = QString(180, 'L') + ".txt";

// The files every round trip stores, by path below the source folder.
std::map<QString, QByteArray> sourceFiles() {
    return {
        {"text.txt", textLike(300000, 1)},
        {"binary.bin", binaryLike(200000, 2)},
        {"noise.dat", incompressible(100000, 3)},
        {"empty.txt", {}},
        {kUnicodeName, textLike(5000, 4)},
        {kLongName, textLike(7000, 7)},
        {"sub/deeper/nested.txt", textLike(20000, 5)},
        {"sub/big.bin", binaryLike(3 << 20, 6)},
    };
}

struct Row {
    const char *label;
    std::vector<std::string> options;
    std::vector<std::string> names;  // "@" stands for the source folder's absolute path
    std::string password;
    bool junk = false;
    bool absolute = false;
};

// Names the row in test listings instead of dumping its bytes.
void PrintTo(const Row &row, std::ostream *out) {
    *out << row.label;
}

class RoundTrip : public ::testing::TestWithParam<Row> {};

TEST_P(RoundTrip, ReadersAgreeAndDataComesBack) {
    const Row &row = GetParam();
    TempFolder tmp;
    const std::map<QString, QByteArray> files = sourceFiles();
    for (const auto &[path, bytes] : files)
        tmp.write("src/" + path, bytes);
    const QString source = tmp.path("src");
    const QString archive = tmp.path("out.zip");

    std::vector<std::string> args{row.password};
    args.insert(args.end(), row.options.begin(), row.options.end());
    args.push_back(str(archive));
    args.push_back("-W");
    for (const std::string &name : row.names)
        args.push_back(name == "@" ? str(source + "/text.txt") : name);
    {
        CurrentFolder inSource(source);
        ASSERT_EQ(zip(args), ZE_OK) << row.label;
    }

    // The entries each reader should see, with their contents.
    std::map<QString, QByteArray> expected;
    for (const auto &[path, bytes] : files) {
        if (row.junk && (path == "text.txt" || path == "sub/deeper/nested.txt"))
            expected[QFileInfo(path).fileName()] = bytes;
        else if (row.absolute && path == "text.txt")
            expected[(source + "/text.txt").mid(1)] = bytes;
        else if (!row.junk && !row.absolute)
            expected[path] = bytes;
    }

    const QString password = QString::fromStdString(row.password);
    EXPECT_TRUE(testsupport::sevenZipAccepts(archive, password));
    if (password.isEmpty()) {
        EXPECT_TRUE(testsupport::unzipAccepts(archive));
        EXPECT_TRUE(testsupport::pythonAccepts(archive));
    }
    const std::map<std::string, PyEntry> entries = pythonEntries(archive);
    ASSERT_EQ(entries.size(), expected.size());
    const bool stored =
        std::find(row.options.begin(), row.options.end(), "-0") != row.options.end();
    for (const auto &[path, bytes] : expected) {
        const auto found = entries.find(str(path));
        ASSERT_NE(found, entries.end()) << str(path);
        const PyEntry &entry = found->second;
        // Random bytes do not shrink: they are stored, as zip stores them.
        const bool keptAsIs = stored || bytes.isEmpty() || path == "noise.dat";
        const int method = password.isEmpty() ? (keptAsIs ? 0 : 8) : 99;
        EXPECT_EQ(entry.method, method) << str(path);
        EXPECT_EQ((entry.flags & 0x800) != 0, path == kUnicodeName)
            << "UTF-8 flag of " << str(path);
        const QString onDisk =
            row.absolute
                ? "/" + path
                : source + "/" + (row.junk && path == "nested.txt" ? "sub/deeper/" + path : path);
        struct stat info {};
        ASSERT_EQ(stat(str(onDisk).c_str(), &info), 0) << str(onDisk);
        EXPECT_EQ(entry.externalAttributes >> 16, info.st_mode & 0xFFFF) << str(path);
        const QDateTime mtime = QDateTime::fromSecsSinceEpoch(info.st_mtime);
        ASSERT_EQ(entry.dateTime.size(), 6u);
        const QDateTime stamped(QDate(entry.dateTime[0], entry.dateTime[1], entry.dateTime[2]),
                                QTime(entry.dateTime[3], entry.dateTime[4], entry.dateTime[5]));
        EXPECT_LE(std::abs(stamped.secsTo(mtime)), 1) << str(path);
    }

    std::vector<std::string> extract{row.password, "-o", str(archive),
                                     "*",          "-d", str(tmp.path("back"))};
    for (const std::string &option : row.options)
        if (option.rfind("--memory-budget", 0) == 0)
            extract.insert(extract.begin() + 1, option);
    Recorder recorder;
    ASSERT_EQ(unzip(extract, &recorder), ZE_OK) << row.label;
    EXPECT_EQ(snapshot(tmp.path("back")), expected);
    for (const auto &[path, bytes] : expected) {
        const QString onDisk = row.absolute ? "/" + path
                               : row.junk   ? QString()
                                            : source + "/" + path;
        if (onDisk.isEmpty())
            continue;
        const QDateTime back = QFileInfo(tmp.path("back/" + path)).lastModified();
        EXPECT_LE(std::abs(back.secsTo(QFileInfo(onDisk).lastModified())), 1)
            << "time of " << str(path);
    }
    EXPECT_EQ(recorder.count(ZE_CB_EXTRACTING), static_cast<int>(expected.size()));
    EXPECT_TRUE(leftovers(tmp.path()).isEmpty());

    std::vector<std::string> test{row.password, "-t", str(archive)};
    EXPECT_EQ(unzip(test), ZE_OK);
}

INSTANTIATE_TEST_SUITE_P(
    Engine, RoundTrip,
    ::testing::Values(
        Row{"stored", {"-0", "-r"}, {"*"}, ""}, Row{"level1", {"-1", "-r"}, {"*"}, ""},
        Row{"level6", {"-6", "-r"}, {"*"}, ""}, Row{"level9", {"-9", "-r"}, {"*"}, ""},
        Row{"aes", {"-e", "-6", "-r"}, {"*"}, "s3cret"},
        Row{"storedAes", {"-e", "-0", "-r"}, {"*"}, "pass word"},
        // A budget of 1 MiB: files go in 64 KiB chunks joined into one
        // stream, and the 3 MiB entry is extracted through libzip's reader.
        Row{"overBudget", {"-8", "-r", "--memory-budget=1048576"}, {"*"}, ""},
        Row{"overBudgetAes", {"-e", "-8", "-r", "--memory-budget=1048576"}, {"*"}, "x"},
        Row{"junkPaths", {"-6", "-j"}, {"text.txt", "sub/deeper/nested.txt"}, "", true},
        Row{"absolutePath", {"-6"}, {"@"}, "", false, true}),
    [](const ::testing::TestParamInfo<Row> &param) { return std::string(param.param.label); });

}  // namespace

namespace {

// Traditional PKWARE encryption, as Info-ZIP writes it, is read too. Its
// password check is one byte against a random salt, so a wrong password
// passes it once in 256 archives; the data then fails to decode or to match
// its CRC. Either way nothing is written.
TEST(Encryption, TraditionalPkwareIsRead) {
    TempFolder tmp;
    const QByteArray text = textLike(50000, 8);
    tmp.write("a.txt", text);
    ASSERT_EQ(testsupport::run("zip", {"-q", "-P", "old secret", "trad.zip", "a.txt"}, nullptr,
                               tmp.path()),
              0);
    const std::string archive = str(tmp.path("trad.zip"));
    const std::vector<int32_t> refused{ZE_ERR_SKIPPED, ZE_ERR_INCOMPLETE};
    EXPECT_EQ(unzip({"old secret", "-t", archive}), ZE_OK);
    EXPECT_THAT(refused, ::testing::Contains(unzip({"wrong", "-t", archive})));
    EXPECT_THAT(refused, ::testing::Contains(unzip({"wrong", archive, "-d", str(tmp.path("no"))})));
    EXPECT_TRUE(snapshot(tmp.path("no")).empty());
    ASSERT_EQ(unzip({"old secret", archive, "-d", str(tmp.path("out"))}), ZE_OK);
    EXPECT_EQ(testsupport::readAll(tmp.path("out/a.txt")), text);
}

// 7-Zip writes WinZip AES entries without a CRC ("AE-2"), deflated or
// stored (small files, and all of them with -mx=0); the authentication code
// is their check.
TEST(Encryption, SevenZipAesIsReadAndTamperingFound) {
    for (const QString &level : {QString("-mx=5"), QString("-mx=0")}) {
        const std::string what = str(level);
        TempFolder tmp;
        const QByteArray text = textLike(60000, 9);
        tmp.write("a.txt", text);
        tmp.write("tiny.txt", "hi");
        ASSERT_EQ(testsupport::run("7z",
                                   {"a", "-tzip", "-mem=AES256", level, "-pseven", "aes.zip",
                                    "a.txt", "tiny.txt"},
                                   nullptr, tmp.path()),
                  0);
        const std::string archive = str(tmp.path("aes.zip"));
        EXPECT_EQ(unzip({"seven", "-t", archive}), ZE_OK) << what;
        EXPECT_EQ(unzip({"wrong", "-t", archive}), ZE_ERR_SKIPPED) << what;
        EXPECT_EQ(unzip({"", "-t", archive}), ZE_ERR_SKIPPED) << what;
        ASSERT_EQ(unzip({"seven", archive, "-d", str(tmp.path("out"))}), ZE_OK) << what;
        EXPECT_EQ(snapshot(tmp.path("out")),
                  (std::map<QString, QByteArray>{{"a.txt", text}, {"tiny.txt", "hi"}}))
            << what;

        QByteArray bytes = testsupport::readAll(tmp.path("aes.zip"));
        const int at = bytes.indexOf("PK\x03\x04") + 300;
        bytes[at] = static_cast<char>(bytes[at] ^ 1);
        tmp.write("tampered.zip", bytes);
        EXPECT_EQ(unzip({"seven", "-t", str(tmp.path("tampered.zip"))}), ZE_ERR_INCOMPLETE) << what;
        EXPECT_EQ(unzip({"seven", "-o", str(tmp.path("tampered.zip")), "a.txt", "-d",
                         str(tmp.path("bad"))}),
                  ZE_ERR_INCOMPLETE)
            << what;
        EXPECT_TRUE(snapshot(tmp.path("bad")).empty()) << what;
    }
}

}  // namespace
