// The compression the engine chooses: each level deflates no larger than
// zlib (and so zip) at the same level, and data that deflate does not shrink
// are stored, with or without a password, as the independent readers see.
#include "CompressPipeline.h"
#include "LevelMap.h"

#include "EngineHarness.h"
#include "support/ArchiveCheck.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>
#include <libdeflate.h>
#include <zlib.h>
#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>

using namespace enginetest;
using testsupport::TempFolder;

namespace {

// Raw deflate as zip writes it; an entry that would grow is stored.
size_t zlibEntrySize(const QByteArray &data, int level) {
    z_stream stream{};
    EXPECT_EQ(deflateInit2(&stream, level, Z_DEFLATED, -MAX_WBITS, 8, Z_DEFAULT_STRATEGY), Z_OK);
    std::vector<uint8_t> out(deflateBound(&stream, static_cast<uLong>(data.size())));
    stream.next_in = reinterpret_cast<Bytef *>(const_cast<char *>(data.data()));
    stream.avail_in = static_cast<uInt>(data.size());
    stream.next_out = out.data();
    stream.avail_out = static_cast<uInt>(out.size());
    EXPECT_EQ(deflate(&stream, Z_FINISH), Z_STREAM_END);
    const size_t size = stream.total_out;
    deflateEnd(&stream);
    return std::min<size_t>(size, static_cast<size_t>(data.size()));
}

size_t engineEntrySize(const QByteArray &data, int level) {
    libdeflate_compressor *compressor = libdeflate_alloc_compressor(zelib::libdeflateLevel(level));
    EXPECT_NE(compressor, nullptr);
    std::vector<uint8_t> out(
        libdeflate_deflate_compress_bound(compressor, static_cast<size_t>(data.size())));
    const size_t size = libdeflate_deflate_compress(
        compressor, data.data(), static_cast<size_t>(data.size()), out.data(), out.size());
    libdeflate_free_compressor(compressor);
    return size == 0 ? static_cast<size_t>(data.size())
                     : std::min<size_t>(size, static_cast<size_t>(data.size()));
}

QByteArray fileSample(const QString &path, qint64 limit = 1 << 20) {
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << str(path);
    return file.read(limit);
}

// Real files of each class, as users have them: generated random words
// compress unlike any real text, so they are no measure here.
QByteArray sourceSample() {
    QByteArray text;
    const QDir folder(QString(TOVRANE_SOURCE_DIR) + "/src/engine/zelib");
    for (const QString &name : folder.entryList({"*.cpp", "*.h"}, QDir::Files, QDir::Name))
        text += fileSample(folder.filePath(name));
    return text;
}

// The first 512 KiB of tovrane-batch as built once (headers, symbols and
// machine code), kept fixed: the test's own executable differs with each
// compiler, flag and sanitizer, and so would the sizes compared.
QByteArray executableSample() {
    return fileSample(QString(TOVRANE_SOURCE_DIR) + "/tests/engine/zelib/data/executable.bin");
}

QByteArray compressedSample(const QByteArray &data) {
    uLongf size = compressBound(static_cast<uLong>(data.size()));
    QByteArray packed(static_cast<qsizetype>(size), '\0');
    EXPECT_EQ(compress2(reinterpret_cast<Bytef *>(packed.data()), &size,
                        reinterpret_cast<const Bytef *>(data.constData()),
                        static_cast<uLong>(data.size()), 9),
              Z_OK);
    packed.resize(static_cast<qsizetype>(size));
    return packed;
}

TEST(LevelMap, EachLevelIsNoLargerThanZlibAtTheSameLevel) {
    const std::pair<const char *, QByteArray> samples[] = {
        {"source", sourceSample()},
        {"document", fileSample(QString(TOVRANE_SOURCE_DIR) + "/docs/help.html") +
                         fileSample(QString(TOVRANE_SOURCE_DIR) + "/docs/tovrane-batch.1")},
        {"executable", executableSample()},
        {"compressed", compressedSample(sourceSample() + executableSample())},
        {"noise", incompressible(100000, 13)},
    };
    for (int level = 1; level <= 9; ++level) {
        size_t ours = 0, zlib = 0;
        for (const auto &[kind, data] : samples) {
            const size_t a = engineEntrySize(data, level), b = zlibEntrySize(data, level);
            // The map holds each class within half a percent on a large
            // corpus; a sample this small strays further, but not by much.
            EXPECT_LE(static_cast<double>(a), static_cast<double>(b) * 1.02)
                << kind << " at level " << level;
            ours += a;
            zlib += b;
        }
        EXPECT_LE(ours, zlib) << "total at level " << level;
    }
}

// Method, sizes and, for AES, the method inside the AES extra field, as
// Python reads the central directory.
struct CentralEntry {
    int method = -1;
    int aesMethod = -1;
    qint64 size = -1;
    qint64 compressedSize = -1;
};

std::map<std::string, CentralEntry> centralEntries(const QString &archive) {
    QString out;
    testsupport::run(
        "python3",
        {"-c",
         "import sys, json, struct, zipfile\n"
         "rows = []\n"
         "for i in zipfile.ZipFile(sys.argv[1]).infolist():\n"
         "    aes, x = -1, i.extra\n"
         "    while len(x) >= 4:\n"
         "        tag, n = struct.unpack('<HH', x[:4])\n"
         "        if tag == 0x9901: aes = struct.unpack('<H', x[9:11])[0]\n"
         "        x = x[4 + n:]\n"
         "    rows.append([i.filename, i.compress_type, aes, i.file_size, i.compress_size])\n"
         "print(json.dumps(rows))\n",
         archive},
        &out);
    std::map<std::string, CentralEntry> entries;
    for (const QJsonValue &value : QJsonDocument::fromJson(out.toUtf8()).array()) {
        const QJsonArray row = value.toArray();
        entries[row[0].toString().toStdString()] = {row[1].toInt(), row[2].toInt(),
                                                    static_cast<qint64>(row[3].toDouble()),
                                                    static_cast<qint64>(row[4].toDouble())};
    }
    return entries;
}

struct StoredRow {
    const char *label;
    QByteArray data;
    std::vector<std::string> options;
    std::string password;
    int method;  // as the data are written, inside the encryption if any
};

void PrintTo(const StoredRow &row, std::ostream *out) {
    *out << row.label;
}

class StoredEntries : public ::testing::TestWithParam<StoredRow> {};

TEST_P(StoredEntries, DataThatDoNotShrinkAreStored) {
    const StoredRow &row = GetParam();
    TempFolder tmp;
    tmp.write("src/data.bin", row.data);
    tmp.write("src/small.txt", textLike(3000, 7));
    const QString archive = tmp.path("out.zip");
    std::vector<std::string> args{row.password};
    args.insert(args.end(), row.options.begin(), row.options.end());
    args.insert(args.end(), {str(archive), "data.bin", "small.txt"});
    {
        CurrentFolder inSource(tmp.path("src"));
        ASSERT_EQ(zip(args), ZE_OK);
    }

    const std::map<std::string, CentralEntry> entries = centralEntries(archive);
    ASSERT_EQ(entries.count("data.bin"), 1u);
    const CentralEntry &entry = entries.at("data.bin");
    const bool encrypted = !row.password.empty();
    EXPECT_EQ(entry.method, encrypted ? 99 : row.method);
    EXPECT_EQ(entry.aesMethod, encrypted ? row.method : -1);
    EXPECT_EQ(entry.size, row.data.size());
    if (row.method == 0)  // AES adds salt, check and authentication code
        EXPECT_EQ(entry.compressedSize, row.data.size() + (encrypted ? 28 : 0));
    else
        EXPECT_LT(entry.compressedSize, row.data.size());
    EXPECT_EQ(entries.at("small.txt").aesMethod, encrypted ? 8 : -1);

    const QString password = QString::fromStdString(row.password);
    EXPECT_TRUE(testsupport::sevenZipAccepts(archive, password));
    if (!encrypted) {
        EXPECT_TRUE(testsupport::unzipAccepts(archive));
        EXPECT_TRUE(testsupport::pythonAccepts(archive));
    }
    ASSERT_EQ(unzip({row.password, "-o", str(archive), "*", "-d", str(tmp.path("back"))}), ZE_OK);
    EXPECT_EQ(testsupport::readAll(tmp.path("back/data.bin")), row.data);
    EXPECT_EQ(unzip({row.password, "-t", str(archive)}), ZE_OK);
}

// A budget of 1 MiB makes chunks of 64 KiB, so a file of several chunks is
// decided by its first.
const std::string kSmallChunks = "--memory-budget=1048576";

INSTANTIATE_TEST_SUITE_P(
    Engine, StoredEntries,
    ::testing::Values(
        StoredRow{"noise", incompressible(100000, 1), {"-8"}, "", 0},
        StoredRow{"noiseLevel1", incompressible(100000, 2), {"-1"}, "", 0},
        StoredRow{"noiseLevel9", incompressible(100000, 3), {"-9"}, "", 0},
        StoredRow{"text", textLike(100000, 4), {"-8"}, "", 8},
        StoredRow{"noiseChunks", incompressible(700000, 5), {"-8", kSmallChunks}, "", 0},
        StoredRow{"textThenNoise",
                  textLike(70000, 6) + incompressible(500000, 7),
                  {"-6", kSmallChunks},
                  "",
                  8},
        StoredRow{"noiseThenText",
                  incompressible(70000, 8) + textLike(500000, 9),
                  {"-6", kSmallChunks},
                  "",
                  0},
        StoredRow{"noiseAes", incompressible(100000, 10), {"-e", "-8"}, "pass word", 0},
        StoredRow{
            "noiseChunksAes", incompressible(700000, 11), {"-e", "-8", kSmallChunks}, "s3cret", 0},
        StoredRow{"textAes", textLike(100000, 12), {"-e", "-6"}, "s3cret", 8}),
    [](const ::testing::TestParamInfo<StoredRow> &param) {
        return std::string(param.param.label);
    });

}  // namespace

namespace {

TEST(ChunkPlan, EqualPiecesCoverTheFileWithinTheChunkSize) {
    constexpr uint64_t K = 1024, M = K * K;
    const struct {
        uint64_t size, chunkSize;
        size_t count;
    } rows[] = {
        {0, 4 * M, 1},
        {1, 4 * M, 1},
        {M - 1, 4 * M, 1},
        {M, 4 * M, 2},
        {3 * M + 1, 4 * M, 2},
        {4 * M + 1, 4 * M, 2},
        {9 * M, 4 * M, 3},
        {64 * M, 4 * M, 16},
        {M + 1, 64 * K, 17},
        {5 * M + 3, 16 * K, 321},
        {100 * M + 7, 4 * M, 26},
    };
    for (const auto &row : rows) {
        const size_t count = zelib::CompressPipeline::chunkCount(row.size, row.chunkSize);
        EXPECT_EQ(count, row.count) << row.size;
        const uint64_t piece = zelib::CompressPipeline::pieceLength(row.size, count);
        EXPECT_LE(piece, row.chunkSize) << row.size;
        // Every piece but the last is whole, and the last is not empty.
        if (row.size > 0) {
            EXPECT_LT((count - 1) * piece, row.size) << row.size;
            EXPECT_GE(count * piece, row.size) << row.size;
        }
    }
}

}  // namespace
