#include "support/TempFolder.h"
#include "tools/crc/Crc32.h"
#include "tools/crc/Crc32Kernels.h"
#include "tools/crc/Crc32Table.h"
#include "tools/crc/FileCrc32.h"
#include "tools/crc/FileCrc32Ahead.h"
#include "tools/crc/FileError.h"

#include <gtest/gtest.h>
#include <QFile>

#include <random>

using namespace tools;
using testsupport::TempFolder;

namespace {

quint32 bytewise(const QByteArray &bytes, quint32 crc = kCrc32Start) {
    for (const char c : bytes)
        UpdateCrc32(static_cast<quint8>(c), crc);
    return crc;
}

QByteArray randomBytes(qsizetype size, unsigned seed) {
    std::mt19937 engine(seed);
    QByteArray bytes(size, Qt::Uninitialized);
    for (char &c : bytes)
        c = static_cast<char>(engine());
    return bytes;
}

struct FileResult {
    QString crc;
    qint64 count;
};

FileResult fileCrc(const QString &path) {
    quint32 crc = kCrc32Start;
    qint64 count = -2;
    FileCrc32(path, crc, count);
    return {count < 0 ? QString::number(crc, 16) : crc32Hex(~crc), count};
}

}  // namespace

TEST(Crc32, TableIsThePublishedOne) {
    EXPECT_EQ(kCrc32Table[1], 0x77073096u);
    EXPECT_EQ(kCrc32Table[255], 0x2D02EF8Du);
    for (quint32 n = 0; n < 256; ++n) {
        quint32 c = n;
        for (int k = 0; k < 8; ++k)
            c = (c & 1) ? (c >> 1) ^ 0xEDB88320u : c >> 1;
        EXPECT_EQ(kCrc32Table[n], c) << "entry " << n;
    }
}

TEST(Crc32, CheckValuesByteBlockAndFile) {
    const struct {
        const char *text, *crc;
    } rows[] = {{"123456789", "CBF43926"},
                {"abc", "352441C2"},
                {"", "00000000"},
                {"The quick brown fox jumps over the lazy dog", "414FA339"}};
    TempFolder tmp;
    for (const auto &r : rows) {
        const QByteArray bytes(r.text);
        quint32 block = kCrc32Start;
        UpdateCrc32Block(bytes.constData(), bytes.size(), block);
        EXPECT_EQ(crc32Hex(~bytewise(bytes)), r.crc) << r.text;
        EXPECT_EQ(crc32Hex(~block), r.crc) << r.text;
        const FileResult file = fileCrc(tmp.write("check.txt", bytes));
        EXPECT_EQ(file.crc, r.crc) << r.text;
        EXPECT_EQ(file.count, bytes.size());
    }
    EXPECT_EQ(crc32Hex(0xABCDEFu), "00ABCDEF");
}

TEST(Crc32, BulkRoutinesEqualByteRoutineAtEveryLengthAndAlignment) {
    const QByteArray data = randomBytes(70000, 7);
    const qsizetype lengths[] = {0,   1,   2,   3,   7,   8,    15,   16,   17,   31,    32,   33,
                                 63,  64,  65,  127, 128, 129,  255,  256,  257,  271,   319,  320,
                                 383, 511, 512, 513, 575, 1000, 4095, 4096, 4159, 65537, 69936};
    for (const qsizetype length : lengths) {
        for (int offset = 0; offset < 64; ++offset) {
            const auto *bytes = reinterpret_cast<const unsigned char *>(data.constData()) + offset;
            const auto size = static_cast<std::size_t>(length);
            // A register in mid-stream as well as a fresh one.
            for (const quint32 start : {kCrc32Start, 0x12345678u}) {
                const quint32 expected = bytewise(data.mid(offset, length), start);
                quint32 block = start;
                UpdateCrc32Block(bytes, size, block);
                ASSERT_EQ(block, expected) << length << " bytes at " << offset;
                ASSERT_EQ(kernels::deflateCrc32(start, bytes, size), expected);
                if (kernels::hasWideCrc32() && size >= kernels::kWideMinimum) {
                    ASSERT_EQ(kernels::wideCrc32(start, bytes, size), expected)
                        << length << " bytes at " << offset;
                }
            }
        }
    }
    if (!kernels::hasWideCrc32())
        GTEST_LOG_(INFO) << "no AVX-512 VPCLMULQDQ here: wide kernel not run";
}

TEST(FileCrc32, LargeFileReadInManyBlocks) {
    TempFolder tmp;
    const QByteArray bytes = randomBytes(3 * kCrcReadBlock + 123, 11);
    const FileResult file = fileCrc(tmp.write("large.bin", bytes));
    EXPECT_EQ(file.crc, crc32Hex(~bytewise(bytes)));
    EXPECT_EQ(file.count, bytes.size());
}

TEST(FileCrc32, LargeFilesSlicedOverCoresGiveTheSameRegister) {
    // Files of 8 MiB and more are read in slices on several cores and the
    // slices' registers joined; any register the caller starts from must
    // come out as one reader would leave it.
    TempFolder tmp;
    const qint64 mib = 1024 * 1024;
    struct Row {
        qint64 size;
        quint32 start;
    } rows[] = {{8 * mib, kCrc32Start},
                {8 * mib + 1, kCrc32Start},
                {8 * mib + 3, 0x12345678u},
                {25 * mib + 7, 0u}};
    for (const Row &r : rows) {
        const QByteArray bytes = randomBytes(r.size, static_cast<unsigned>(r.size));
        const QString path = tmp.write("sliced.bin", bytes);
        quint32 crc = r.start;
        qint64 count = -2;
        FileCrc32(path, crc, count);
        quint32 expected = r.start;
        UpdateCrc32Block(bytes.constData(), static_cast<std::size_t>(bytes.size()), expected);
        EXPECT_EQ(count, r.size);
        EXPECT_EQ(crc, expected) << r.size;
    }
}

TEST(FileCrc32, CountsFilesOfTwoGigabytesAndMore) {
    TempFolder tmp;
    QFile sparse(tmp.path("sparse.bin"));
    const qint64 size = (qint64(1) << 31) + 5;
    ASSERT_TRUE(sparse.open(QIODevice::WriteOnly) && sparse.resize(size));
    sparse.close();
    const QByteArray zeros(1 << 20, '\0');
    quint32 expected = kCrc32Start;
    for (qint64 done = 0; done < size; done += zeros.size())
        UpdateCrc32Block(zeros.constData(), std::min<qint64>(zeros.size(), size - done), expected);
    const FileResult file = fileCrc(sparse.fileName());
    EXPECT_EQ(file.count, size);
    EXPECT_EQ(file.crc, crc32Hex(~expected));
}

TEST(FileCrc32, ReadOnlyFileIsReadAndStaysReadOnly) {
    TempFolder tmp;
    const QString path = tmp.write("locked.txt", "abc");
    testsupport::setReadOnly(path, true);
    const auto before = QFile::permissions(path);
    EXPECT_EQ(fileCrc(path).crc, "352441C2");
    EXPECT_EQ(QFile::permissions(path), before);
}

TEST(FileCrc32, UnopenableFilesGiveMinusOneAndLeaveNothingBehind) {
    TempFolder tmp;
    const QString through = tmp.write("plain.txt", "x") + "/sub";
    const QString paths[] = {tmp.path("vanished.txt"), through, tmp.mkdir("folder")};
    for (const QString &path : paths) {
        const FileResult file = fileCrc(path);
        EXPECT_EQ(file.count, -1) << path.toStdString();
        EXPECT_EQ(file.crc, "ffffffff") << "register left alone";
        // The next file is checksummed normally.
        EXPECT_EQ(fileCrc(tmp.write("next.txt", "123456789")).crc, "CBF43926");
    }
    EXPECT_FALSE(QFile::exists(tmp.path("vanished.txt"))) << "the open must not create";
}

TEST(FileRangeCrc32, RangesAndTheirFailures) {
    TempFolder tmp;
    const QByteArray bytes = randomBytes(10000, 3);
    const QString path = tmp.write("range.bin", bytes);
    const struct {
        qint64 from, to;
    } ranges[] = {{0, 0}, {4321, 4321}, {9999, 9999}, {1, 9998}, {0, 9999}, {5, 4}};
    for (const auto &r : ranges) {
        quint32 crc = kCrc32Start;
        FileRangeCrc32(path, r.from, r.to, crc);
        EXPECT_EQ(crc, bytewise(bytes.mid(r.from, std::max<qint64>(0, r.to - r.from + 1))))
            << r.from << ".." << r.to;
    }
    // Past the end: the bytes up to the end are taken, then the error.
    quint32 crc = kCrc32Start;
    EXPECT_THROW(FileRangeCrc32(path, 9000, 10000, crc), FileError);
    EXPECT_EQ(crc, bytewise(bytes.mid(9000)));
    EXPECT_THROW(FileRangeCrc32(path, -1, 3, crc), FileError);
    try {
        FileRangeCrc32(tmp.path("missing.bin"), 0, 0, crc);
        ADD_FAILURE() << "no error for a missing file";
    } catch (const FileError &e) {
        EXPECT_EQ(e.path(), tmp.path("missing.bin"));
    }
}

TEST(FileCrc32Ahead, ResultsInOrderWhateverReadsThemAndStoppingEarly) {
    // Small, large (left to the caller), empty and missing files, more of
    // them than are read ahead; taken whole, and abandoned after a few.
    TempFolder tmp;
    const qint64 large = FileCrc32Ahead::kAheadLargest;
    const qint64 sizes[] = {3, 0, large, -1, 70000, large + 1, 1, -1};
    QStringList paths;
    for (int i = 0; i < 3 * FileCrc32Ahead::kAhead; ++i) {
        const qint64 size = sizes[i % std::size(sizes)];
        const QString name = QStringLiteral("f%1").arg(i);
        paths << (size < 0 ? tmp.path(name) : tmp.write(name, randomBytes(size % large, i)));
        if (size >= large)
            QFile(paths.last()).resize(size);  // sparse: only its length matters here
    }
    for (const qsizetype taken : {paths.size(), qsizetype(3), qsizetype(0)}) {
        FileCrc32Ahead reader(paths);
        for (qsizetype i = 0; i < taken; ++i) {
            const FileCrc32Ahead::Result r = reader.take(i);
            quint32 crc = kCrc32Start;
            qint64 count = -2;
            FileCrc32(paths[i], crc, count);
            ASSERT_EQ(r.byteCount, count) << i;
            ASSERT_EQ(r.crc, crc) << i;
        }
    }
}
