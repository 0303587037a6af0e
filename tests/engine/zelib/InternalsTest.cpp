// The pieces whose faults would hide behind the entry points: joining
// deflate streams, combining CRCs, making names safe, matching patterns,
// reading the argument vectors the component builds, reusing buffers and
// surviving mapped files that are cut short.
#include "ByteBuffer.h"
#include "DeflateJoin.h"
#include "EntryNames.h"
#include "FileMapping.h"
#include "InflatePool.h"
#include "UnzipArguments.h"
#include "Wildcard.h"
#include "ZipArguments.h"

#include "EngineHarness.h"
#include "support/TempFolder.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <libdeflate.h>
#include <unistd.h>
#include <algorithm>
#include <random>

using namespace zelib;

namespace {

std::vector<uint8_t> bytesOf(const QByteArray &data) {
    return std::vector<uint8_t>(data.begin(), data.end());
}

// Buffers alive at once never share bytes, whether fresh or reused, and the
// store of released ones stays within its bounds until it is given back.
TEST(ByteBuffer, LiveBuffersNeverShareAndTheStoreStaysBounded) {
    constexpr size_t kMiB = size_t{1} << 20;
    const struct {
        const char *what;
        std::vector<size_t> sizes;  // alive at once
    } rows[] = {
        {"more bytes than the store keeps",
         {64 * kMiB, 64 * kMiB, 64 * kMiB, 64 * kMiB, 63 * kMiB}},
        {"more buffers than the store keeps", std::vector<size_t>(20, 2 * kMiB)},
        {"big, small and between", {64 * kMiB, 2 * kMiB - 1, 2 * kMiB, 21 * kMiB, 3 * kMiB, 1}},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.what);
        for (int round = 0; round < 2; ++round) {  // fresh, then from the store
            std::vector<ByteBuffer> alive(row.sizes.size());
            for (size_t i = 0; i < alive.size(); ++i) {
                alive[i].allocate(row.sizes[i]);
                ASSERT_EQ(alive[i].size(), row.sizes[i]);
                std::fill_n(alive[i].data(), row.sizes[i], static_cast<uint8_t>(i + 1));
            }
            for (size_t i = 0; i < alive.size(); ++i)
                EXPECT_EQ(std::count(alive[i].data(), alive[i].data() + row.sizes[i],
                                     static_cast<uint8_t>(i + 1)),
                          static_cast<std::ptrdiff_t>(row.sizes[i]))
                    << "buffer " << i << " round " << round;
            alive.clear();
            EXPECT_LE(ByteBuffer::keptBytes(), ByteBuffer::kKeptBytes);
        }
        ByteBuffer::trimStore();
        EXPECT_EQ(ByteBuffer::keptBytes(), 0u);
    }
}

TEST(DeflateJoin, PiecesCompressedApartDecompressAsOne) {
    const std::pair<const char *, std::vector<uint8_t>> kinds[] = {
        {"text", bytesOf(enginetest::textLike(700000, 1))},
        {"binary", bytesOf(enginetest::binaryLike(500000, 2))},
        {"noise", bytesOf(enginetest::incompressible(300000, 3))},
        {"zeros", std::vector<uint8_t>(400000, 0)},
        {"tiny", {'a', 'b', 'c'}},
    };
    for (const auto &[kind, whole] : kinds) {
        for (const int level : {0, 1, 6, 9, 12}) {
            libdeflate_compressor *compressor = libdeflate_alloc_compressor(level);
            ASSERT_NE(compressor, nullptr);
            for (const size_t piece : {size_t{1}, size_t{777}, size_t{65536}, size_t{300001}}) {
                // One-byte pieces: the first 2000 bytes are plenty.
                const std::vector<uint8_t> data(
                    whole.begin(),
                    whole.begin() +
                        static_cast<std::ptrdiff_t>(
                            piece == 1 ? std::min<size_t>(whole.size(), 2000) : whole.size()));
                std::vector<uint8_t> joined;
                for (size_t at = 0; at < data.size(); at += piece) {
                    const size_t n = std::min(piece, data.size() - at);
                    std::vector<uint8_t> out(libdeflate_deflate_compress_bound(compressor, n));
                    out.resize(libdeflate_deflate_compress(compressor, data.data() + at, n,
                                                           out.data(), out.size()));
                    if (at + n < data.size()) {
                        ASSERT_TRUE(makeJoinable(out))
                            << kind << " level " << level << " piece " << piece;
                    }
                    joined.insert(joined.end(), out.begin(), out.end());
                }
                const size_t expected = data.size();
                std::vector<uint8_t> back(expected);
                size_t actual = 0;
                libdeflate_decompressor *decompressor = libdeflate_alloc_decompressor();
                ASSERT_EQ(libdeflate_deflate_decompress(decompressor, joined.data(), joined.size(),
                                                        back.data(), back.size(), &actual),
                          LIBDEFLATE_SUCCESS)
                    << kind << " level " << level << " piece " << piece;
                libdeflate_free_decompressor(decompressor);
                back.resize(actual);
                EXPECT_TRUE(std::equal(back.begin(), back.end(), data.begin()) &&
                            actual == expected)
                    << kind << " level " << level << " piece " << piece;
            }
            libdeflate_free_compressor(compressor);
        }
    }
}

TEST(DeflateJoin, StoredPiecesAndGarbage) {
    const std::vector<uint8_t> data = bytesOf(enginetest::incompressible(200000, 4));
    std::vector<uint8_t> joined;
    appendStoredBlocks(joined, data.data(), 70000);
    appendStoredBlocks(joined, data.data() + 70000, data.size() - 70000);
    joined.insert(joined.end(), {0x03, 0x00});  // empty final block
    std::vector<uint8_t> back(data.size());
    libdeflate_decompressor *decompressor = libdeflate_alloc_decompressor();
    EXPECT_EQ(libdeflate_deflate_decompress(decompressor, joined.data(), joined.size(), back.data(),
                                            back.size(), nullptr),
              LIBDEFLATE_SUCCESS);
    libdeflate_free_decompressor(decompressor);
    EXPECT_EQ(back, data);

    // Random bytes are no stream: the walk must end with false, never run on.
    std::mt19937 random(5);
    for (int round = 0; round < 2000; ++round) {
        std::vector<uint8_t> noise(1 + random() % 300);
        for (uint8_t &b : noise)
            b = static_cast<uint8_t>(random());
        const std::vector<uint8_t> before = noise;
        if (!makeJoinable(noise)) {
            EXPECT_EQ(noise, before);
        }
    }
}

TEST(EntryNames, ExtractionPathsNeverClimbOut) {
    const std::pair<const char *, const char *> rows[] = {
        {"a/b.txt", "a/b.txt"},
        {"../x", "x"},
        {"/etc/passwd", "etc/passwd"},
        {"C:\\win\\x.txt", "win/x.txt"},
        {"c:x", "x"},
        {"a/../../b", "a/b"},
        {"./a//b/./c", "a/b/c"},
        {"..\\..\\y", "y"},
        {"//server/share/f", "server/share/f"},
        {"/C:/D:/x", "x"},
        {"..", ""},
        {"C:", ""},
        {"...", "..."},
        {"dir/", "dir"},
    };
    for (const auto &[name, safe] : rows)
        EXPECT_EQ(safeRelativePath(name), safe) << name;
}

TEST(EntryNames, StoredNamesLoseRootsAndClimbing) {
    const std::tuple<const char *, bool, const char *> rows[] = {
        {"docs/a.txt", true, "docs/a.txt"}, {"/home/u/a.txt", true, "home/u/a.txt"},
        {"./a.txt", true, "a.txt"},         {"../up/a.txt", true, "up/a.txt"},
        {"x/../y.txt", true, "y.txt"},      {"/home/u/a.txt", false, "a.txt"},
        {"sub/dir/", false, "dir"},
    };
    for (const auto &[path, keep, stored] : rows)
        EXPECT_EQ(storedName(path, keep), stored) << path;
    EXPECT_TRUE(isValidUtf8("Grüße"));
    EXPECT_FALSE(isValidUtf8("\xC3"));
    EXPECT_FALSE(isValidUtf8("\xC0\xAF"));  // overlong "/"
}

TEST(Wildcard, MatchesLikeWindowsNames) {
    const std::tuple<const char *, const char *, bool> rows[] = {
        {"*", "sub/a.txt", true},
        {"*.TXT", "sub/a.txt", true},
        {"a*.txt", "sub/abc.txt", true},
        {"sub/*.txt", "sub/a.txt", true},
        {"sub/*.txt", "x/sub/a.txt", false},
        {"?.txt", "ü.txt", true},
        {"a.txt", "A.TXT", true},
        {"a.txt", "a.txt.bak", false},
        {"*.log", "sub/", false},
        {"*a*b*c", "xaybzc", true},
        {"*a*b*c", "xaybz", false},
    };
    for (const auto &[pattern, path, match] : rows)
        EXPECT_EQ(matchesListEntry(pattern, path), match) << pattern << " ~ " << path;
}

// The vectors exactly as the component builds them.
TEST(Arguments, ComponentVectorsAreUnderstood) {
    {
        const char *argv[] = {"pw",   "-e",        "-8",       "-r",
                              "-b",   "/tmp/work", "-n",       ".ZIP;.LZH;.ARC;.ARJ;.ZOO",
                              "-t",   "01011980",  "/x/a.zip", "-W",
                              "*",    "-i",        "*.txt",    "-x",
                              "*.bak"};
        ZipArguments args;
        ASSERT_EQ(parseZipArguments(17, argv, args), ZE_OK);
        EXPECT_EQ(args.password, "pw");
        EXPECT_TRUE(args.encrypt && args.recurse);
        EXPECT_EQ(args.level, 8);
        EXPECT_EQ(args.storedSuffixes,
                  (std::vector<std::string>{".ZIP", ".LZH", ".ARC", ".ARJ", ".ZOO"}));
        EXPECT_EQ(args.archive, "/x/a.zip");
        EXPECT_EQ(args.names, std::vector<std::string>{"*"});
        EXPECT_EQ(args.includes, std::vector<std::string>{"*.txt"});
        EXPECT_EQ(args.excludes, std::vector<std::string>{"*.bak"});
        ASSERT_TRUE(args.since.has_value());
    }
    {
        const char *argv[] = {"", "-o", "/x/a.zip"};
        ZipArguments args;
        ASSERT_EQ(parseZipArguments(3, argv, args), ZE_OK);
        EXPECT_EQ(args.action, ZipArguments::Action::Stamp);
    }
    {
        const char *argv[] = {"",  "-10", "-2-1",  "-o", "/x/a.zip",
                              "*", "-x",  "*.tmp", "-d", "/out"};
        UnzipArguments args;
        ASSERT_EQ(parseUnzipArguments(10, argv, args), ZE_OK);
        EXPECT_EQ(args.overwrite, UnzipArguments::Overwrite::Always);
        EXPECT_EQ(args.archive, "/x/a.zip");
        EXPECT_EQ(args.names, std::vector<std::string>{"*"});
        EXPECT_EQ(args.excludes, std::vector<std::string>{"*.tmp"});
        EXPECT_EQ(args.folder, "/out");
    }
    {
        const char *argv[] = {"", "-!", "-t", "/x/a.zip"};
        UnzipArguments args;
        ASSERT_EQ(parseUnzipArguments(4, argv, args), ZE_OK);
        EXPECT_EQ(args.action, UnzipArguments::Action::Test);
    }
}

// Bytes gone from under a mapping (another program cut the file short) fail
// the work that touches them, as often as it happens, and not the process;
// an extraction from an archive cut short reports the early end and leaves
// no file.
TEST(FileMapping, BytesCutFromUnderTheMappingFailTheWorkNotTheProcess) {
    testsupport::TempFolder tmp;
    const std::string path = tmp.path("archive.bin").toStdString();
    const auto page = static_cast<size_t>(sysconf(_SC_PAGESIZE));
    const int fd = open(path.c_str(), O_CREAT | O_RDWR | O_CLOEXEC, 0600);
    ASSERT_GE(fd, 0);
    ASSERT_EQ(ftruncate(fd, static_cast<off_t>(3 * page)), 0);
    FileMapping mapping;
    ASSERT_EQ(mapping.mapForReading(fd, 100, 3 * page - 100), 0);
    volatile uint8_t sink = 0;
    size_t upTo = mapping.size();
    auto touch = [&] {
        for (size_t i = 0; i < upTo; i += 512)
            sink = static_cast<uint8_t>(sink + mapping.data()[i]);
    };
    EXPECT_TRUE(catchingBusErrors(touch));
    ASSERT_EQ(ftruncate(fd, static_cast<off_t>(page)), 0);
    EXPECT_FALSE(catchingBusErrors(touch));
    EXPECT_FALSE(catchingBusErrors(touch));
    upTo = page - 100;
    EXPECT_TRUE(catchingBusErrors(touch)) << "the bytes still there stay readable";

    InflateJob job;
    job.work = job.extract = true;
    job.archiveFd = fd;
    job.dataOffset = 2 * page;
    job.method = 8;
    job.facts.compressedSize = 3 * page;
    job.facts.size = kMappedFrom;
    job.target = tmp.path("out.bin").toStdString();
    runInflateJob(job, nullptr);
    EXPECT_EQ(job.code, ZE_ERR_EOF);
    EXPECT_EQ(QDir(tmp.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"archive.bin"});
    close(fd);
}

}  // namespace
