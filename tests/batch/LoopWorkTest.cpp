// How much of the file list each batch loop reads: a loop that rescans the
// list or recounts its selection per entry does work that grows with the
// square of the list, which these counts catch at a few thousand lines.
#include "batch/BatchDriver.h"
#include "batch/FileBatch.h"
#include "batch/HeadlessBatchHost.h"
#include "batch/RezipBatch.h"
#include "platform/FileListSource.h"
#include "support/TempFolder.h"

#include "platform/RunFlag.h"

#include <gtest/gtest.h>
#include <QThread>

#include <functional>

namespace {

// Lines "f<i><suffix>", every `every`-th selected. Reading a line's name or
// state costs one; counting the selection costs one per line.
class CountingList final : public FileListSource {
  public:
    CountingList(QString folder, int lines, int every, QString suffix)
        : folder_(std::move(folder)), lines_(lines), every_(every), suffix_(std::move(suffix)) {}

    QString directory() const override { return folder_; }
    int count() const override { return lines_; }
    QString name(int i) const override {
        ++work;
        return QStringLiteral("f%1%2").arg(i).arg(suffix_);
    }
    bool isSelected(int i) const override {
        ++work;
        if (slowUs > 0)
            QThread::usleep(slowUs);
        return i % every_ == 0;
    }
    int selectedCount() const override {
        work += lines_;
        return (lines_ + every_ - 1) / every_;
    }

    mutable long long work = 0;
    // Each line's state takes at least this long to read: a loop over them
    // outlasts the message pace whatever the machine.
    unsigned long slowUs = 0;

  private:
    QString folder_;
    int lines_;
    int every_;
    QString suffix_;
};

// A home folder of `lines` listed entries, and a host that zips out of it
// without deleting anything.
struct LoopHome {
    LoopHome(int lines, int every, const QString &suffix)
        : files(tmp.mkdir("home"), lines, every, suffix),
          folders(tmp.path("home"), 0, 1, {}),
          host(files, folders) {
        host.current.zipFolder = tmp.mkdir("out") + "/";
        host.current.workFolder = tmp.path("home/");
        host.current.rezipFolder = tmp.path("temp.$$$");
        host.current.deleteOriginal = false;
    }
    testsupport::TempFolder tmp;
    CountingList files;
    CountingList folders;
    HeadlessBatchHost host;
};

}  // namespace

TEST(LoopWork, EachBatchReadsTheListAFixedNumberOfTimes) {
    const struct {
        const char *loop;
        int lines;
        QString suffix;
        // Reads allowed per line: a constant, whatever the length.
        int perLine;
        BatchTexts texts;
        std::function<void(BatchHost &, const BatchSettings &)> run;
    } rows[] = {
        {"zip, names passed over with a log line", 4000, ".zip", 6, zipBatchTexts(),
         [](BatchHost &h, const BatchSettings &s) { FileBatch(h, s).run(); }},
        {"zip, files gone before the engine reads them", 1000, ".txt", 40, zipBatchTexts(),
         [](BatchHost &h, const BatchSettings &s) { FileBatch(h, s).run(); }},
        {"rezip, archives gone", 400, ".zip", 10, rezipBatchTexts(),
         [](BatchHost &h, const BatchSettings &s) { RezipBatch(h, s, {}).run(); }},
    };
    for (const auto &row : rows) {
        LoopHome home(row.lines, 2, row.suffix);
        CountingList &files = home.files;
        HeadlessBatchHost &host = home.host;
        BatchDriver(host, row.texts).run([&](const BatchSettings &s) { row.run(host, s); });
        EXPECT_EQ(host.errorLog().count(), row.lines / 2) << row.loop;
        EXPECT_LE(files.work, static_cast<long long>(row.perLine) * row.lines) << row.loop;
    }
}

// Entries that never reach the engine, or reach it only for a moment, let
// no message run on their own: each loop lets them through by the clock,
// so a Stop pressed meanwhile ends it well before the last entry.
TEST(LoopWork, EachBatchLetsStopThroughBetweenQuickEntries) {
    const struct {
        const char *loop;
        QString suffix;
        BatchTexts texts;
        std::function<void(BatchHost &, const BatchSettings &)> run;
    } rows[] = {
        {"zip, names passed over with a log line", ".zip", zipBatchTexts(),
         [](BatchHost &h, const BatchSettings &s) { FileBatch(h, s).run(); }},
        {"rezip, archives gone", ".zip", rezipBatchTexts(),
         [](BatchHost &h, const BatchSettings &s) { RezipBatch(h, s, {}).run(); }},
    };
    constexpr int lines = 1000;  // at 200 us each, 200 ms at least
    for (const auto &row : rows) {
        LoopHome home(lines, 1, row.suffix);
        home.files.slowUs = 200;
        HeadlessBatchHost &host = home.host;
        int pumps = 0;
        host.onPump = [&] {
            if (pumps++ == 0)
                host.setOperationFlag(runflag::Stop);
        };
        BatchDriver(host, row.texts).run([&](const BatchSettings &s) { row.run(host, s); });
        EXPECT_GE(pumps, 1) << row.loop;
        EXPECT_LT(host.errorLog().count(), lines) << row.loop;
    }
}
