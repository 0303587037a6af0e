// The CRC32 report's walk over the file list, apart from its window.
#include "Crc32ReportFixture.h"
#include "platform/Rounding.h"
#include "support/TableFileList.h"
#include "support/TempFolder.h"
#include "tools/crc/Crc32ReportHost.h"
#include "tools/crc/Crc32ReportWalk.h"

#include <gtest/gtest.h>

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
