// The CRC32 report's walk over the file list, apart from its window.
#include "Crc32ReportFixture.h"
#include "platform/Rounding.h"
#include "support/TableFileList.h"
#include "support/TempFolder.h"
#include "tools/crc/Crc32.h"
#include "tools/crc/Crc32ReportHost.h"
#include "tools/crc/Crc32ReportWalk.h"

#include <gtest/gtest.h>
#include <zlib.h>

#include <algorithm>
#include <functional>

using namespace tools;
using crcreport::MixedFolder;
using testsupport::TempFolder;
using Row = Crc32ReportRow;

namespace {

// Records what the walk shows; `onPump` runs where window messages would.
struct RecordingHost final : Crc32ReportHost {
    bool keepGoing() const override { return go; }
    void setProgress(int percent) override { progress << percent; }
    void addRow(const Row &row) override { rows << row; }
    void pumpMessages() override {
        if (onPump)
            onPump();
    }
    bool go = true;
    QList<int> progress;
    QList<Row> rows;
    std::function<void()> onPump;
};

}  // namespace

TEST(Crc32Report, ProgressRoundsHalvesToEven) {
    const struct {
        int index, count, percent;
    } rows[] = {{1, 9, 12}, {3, 9, 38},  {5, 9, 62},  {7, 9, 88},  {1, 3, 50},  {1, 4, 33},
                {2, 4, 67}, {1, 201, 0}, {3, 201, 2}, {5, 201, 2}, {8, 9, 100}, {1, 2, 100}};
    for (const auto &r : rows)
        EXPECT_EQ(platform::walkPercent(r.index, r.count), r.percent) << r.index;
}

TEST(Crc32Report, WalkReportsSelectedFilesInListOrder) {
    MixedFolder folder;
    RecordingHost host;
    walkCrc32Report(folder.list, host);
    EXPECT_EQ(host.rows, folder.rows);
    EXPECT_EQ(host.progress, QList<int>({25, 50, 75, 100}));
}

TEST(Crc32Report, WalkWithoutSelectionOrWithOneEntry) {
    TempFolder tmp;
    tmp.write("only.txt", "abc");
    RecordingHost none, one;
    walkCrc32Report(TableFileList(tmp.path(), {{"only.txt", false}}), none);
    EXPECT_EQ(none.rows, QList<Row>({{"--No Files Selected --", "", ""}}));
    walkCrc32Report(TableFileList(tmp.path() + "/", {{"only.txt", true}}), one);
    EXPECT_EQ(one.rows, QList<Row>({{"only.txt", "352441C2", "3"}}));
    EXPECT_TRUE(none.progress.isEmpty() && one.progress.isEmpty());
}

// A large file is read with the window answering while its pieces are
// read: a stop gives the file up without a line, and the bar never moves
// back.
TEST(Crc32Report, ALargeFileLetsTheWindowAnswerAndStop) {
    const struct {
        const char *what;
        qint64 size;
        int stopAtPump;  // 0: never
    } rows[] = {
        {"read whole", 24 << 20, 0},
        {"stopped while read", 24 << 20, 1},
        {"a larger one stopped while read", 40 << 20, 1},
    };
    for (const auto &row : rows) {
        TempFolder tmp;
        QByteArray bytes(row.size, '\0');
        for (qint64 i = 0; i < row.size; ++i)
            bytes[i] = static_cast<char>((i * 7919) >> 9);
        tmp.write("big.bin", bytes);
        tmp.write("small.txt", "abc");
        RecordingHost host;
        int pumps = 0;
        host.onPump = [&] {
            if (++pumps == row.stopAtPump)
                host.go = false;
        };
        walkCrc32Report(TableFileList(tmp.path(), {{"big.bin", true}, {"small.txt", true}}), host);
        const auto standard =
            static_cast<quint32>(crc32(0, reinterpret_cast<const Bytef *>(bytes.constData()),
                                       static_cast<uInt>(bytes.size())));
        const Row whole{"big.bin", crc32Hex(standard), QString::number(row.size)};
        const QList<Row> expected =
            row.stopAtPump ? QList<Row>() : QList<Row>({whole, {"small.txt", "352441C2", "3"}});
        EXPECT_EQ(host.rows, expected) << row.what;
        // Once within the large file at least, and after each line.
        EXPECT_GE(pumps, row.stopAtPump ? row.stopAtPump : 3) << row.what;
        ASSERT_FALSE(host.progress.isEmpty()) << row.what;
        EXPECT_EQ(host.progress.last(), 100) << row.what;
        EXPECT_TRUE(std::is_sorted(host.progress.begin(), host.progress.end())) << row.what;
    }
}
