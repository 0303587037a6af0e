#include "ToolCommands.h"

#include "CliOptions.h"
#include "ConsoleOutput.h"
#include "PathGroups.h"
#include "ResultLines.h"
#include "StopSignal.h"
#include "engine/ZipEngine.h"
#include "engine/ZipTestWalk.h"
#include "platform/SaveFile.h"
#include "tools/crc/Crc32ReportHost.h"
#include "tools/crc/Crc32ReportWalk.h"
#include "tools/dupes/DupesHost.h"
#include "tools/dupes/DupesTable.h"
#include "tools/dupes/DupesWalk.h"

#include <QFileInfo>

#include <limits>
#include <vector>

namespace cli {

namespace {

// The walk's progress as the status line of a terminal.
void showWalkProgress(ConsoleOutput &output, const char *doing, int percent) {
    output.status(QStringLiteral("%1: %2%").arg(QLatin1String(doing)).arg(percent));
}

class ConsoleZipTestHost final : public ZipTestHost {
  public:
    ConsoleZipTestHost(ConsoleOutput &output, bool nul) : output_(output), nul_(nul) {}
    bool runFlagIsGo() const override { return !stopRequested(); }
    void setProgress(int percent) override { showWalkProgress(output_, "Testing", percent); }
    void addVerdict(const QString &line) override {
        const bool ok = line.endsWith(QLatin1String("  (Ok)"));
        failed |= !ok;
        const char end = nul_ ? '\0' : '\n';
        if (!ok)
            output_.failedLine(line, end);
        else if (output_.verbosity() != Verbosity::Quiet)
            output_.line(line, end);
    }
    bool failed = false;

  private:
    ConsoleOutput &output_;
    bool nul_;
};

class ConsoleCrcHost final : public tools::Crc32ReportHost {
  public:
    // `keepLines`: the lines are wanted again, for the report file.
    ConsoleCrcHost(ConsoleOutput &output, bool keepLines)
        : output_(output), keepLines_(keepLines) {}
    bool keepGoing() const override { return !stopRequested(); }
    void setProgress(int percent) override { showWalkProgress(output_, "Checksumming", percent); }
    void addRow(const tools::Crc32ReportRow &row) override {
        const QString line = crcCsvLine(row);
        if (keepLines_)
            lines << line;
        failed |= row.crc == QLatin1String("XXXXXXXX");
        output_.line(line);
    }
    // Nothing waits in a message queue here: Ctrl-C arrives as a flag.
    void pumpMessages() override {}
    QStringList lines;
    bool failed = false;

  private:
    ConsoleOutput &output_;
    bool keepLines_;
};

class ConsoleDupesHost final : public tools::DupesHost {
  public:
    explicit ConsoleDupesHost(ConsoleOutput &output) : output_(output) {}
    bool keepGoing() const override { return !stopRequested(); }
    void setProgress(int percent) override { showWalkProgress(output_, "Comparing", percent); }
    void pumpMessages() override {}

  private:
    ConsoleOutput &output_;
};

int statusFor(bool failed) {
    return failed || stopRequested() ? 1 : 0;
}

}  // namespace

int runTest(const CliOptions &options, ConsoleOutput &output) {
    // An archive that is not there is no damaged archive: say so, and test
    // the others.
    QStringList present;
    bool missing = false;
    for (const QString &path : options.paths) {
        if (QFileInfo::exists(path)) {
            present << path;
            continue;
        }
        output.error(QStringLiteral("tovrane-batch: no such file: %1").arg(path));
        missing = true;
    }
    GroupFileList list;
    list.show(commonFolderGroup(present));
    TZipEngine engine;
    engine.Password = options.values.text(Option::unzipPassword);
    engine.OnGlobalStatus = [&output](TZipEngine *, const TZeGlobalStats &stats) {
        output.itemProgress(stats.Percent);
    };
    ConsoleZipTestHost host(output, options.script.nul);
    // The walk moves its bar from the second archive on; the first may be
    // the large one whose progress is shown.
    host.setProgress(0);
    ziptest::walk(list, engine, host);
    output.dropStatus();
    return statusFor(host.failed || missing);
}

int runCrc(const CliOptions &options, ConsoleOutput &output) {
    GroupFileList list;
    list.show(commonFolderGroup(options.paths));
    ConsoleCrcHost host(output, !options.reportFile.isEmpty());
    host.addRow(tools::crc32ReportHeader());
    tools::walkCrc32Report(list, host);
    output.dropStatus();
    bool failed = host.failed;
    // The same lines with the window's line ends; a save cut short by a
    // second Ctrl-C leaves the old file as it was.
    setEndAtOnce(false);
    if (!options.reportFile.isEmpty() &&
        !platform::saveWhole(options.reportFile, platform::crlfLines(host.lines))) {
        output.error(QStringLiteral("tovrane-batch: the report could not be saved as %1")
                         .arg(options.reportFile));
        failed = true;
    }
    return statusFor(failed);
}

int runDupes(const CliOptions &options, ConsoleOutput &output) {
    GroupFileList list;
    list.show(commonFolderGroup(options.paths));
    ConsoleDupesHost host(output);
    // The window's table stops at 6000 files, which its tabs can show; a
    // script gets every file it named.
    tools::DupesTable table(std::numeric_limits<int>::max());
    tools::walkDupes(list, host, table);
    output.dropStatus();
    bool failed = false;
    for (int i = 0; i < table.count(); ++i)
        if (table.at(i).size < 0) {
            output.error(QStringLiteral("tovrane-batch: cannot read %1").arg(table.at(i).name));
            failed = true;
        }
    // Members by group in one pass over the table, in table order.
    std::vector<std::vector<int>> members(static_cast<std::size_t>(table.group()));
    for (int i = 0; i < table.count(); ++i)
        if (table.at(i).group > 0)
            members[static_cast<std::size_t>(table.at(i).group - 1)].push_back(i);
    const bool nul = options.script.nul;
    for (std::size_t g = 0; g < members.size(); ++g)
        for (const int i : members[g])
            output.line(dupesLine(static_cast<int>(g + 1), table.at(i).size, table.at(i).name, nul),
                        nul ? '\0' : '\n');
    return statusFor(failed);
}

}  // namespace cli
