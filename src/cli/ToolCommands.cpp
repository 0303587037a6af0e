#include "ToolCommands.h"

#include "CliOptions.h"
#include "ConsoleOutput.h"
#include "PathGroups.h"
#include "StopSignal.h"
#include "engine/ZipEngine.h"
#include "engine/ZipTestWalk.h"
#include "tools/crc/Crc32ReportFile.h"
#include "tools/crc/Crc32ReportHost.h"
#include "tools/crc/Crc32ReportWalk.h"
#include "tools/dupes/DupesHost.h"
#include "tools/dupes/DupesTable.h"
#include "tools/dupes/DupesWalk.h"

#include <QCoreApplication>

namespace cli {

namespace {

class ConsoleZipTestHost final : public ZipTestHost {
  public:
    explicit ConsoleZipTestHost(ConsoleOutput &output) : output_(output) {}
    bool runFlagIsGo() const override { return !stopRequested(); }
    void setProgress(int) override {}
    void addVerdict(const QString &line) override {
        const bool ok = line.endsWith(QLatin1String("  (Ok)"));
        ok ? output_.line(line) : output_.failedLine(line);
        failed |= !ok;
    }
    bool failed = false;

  private:
    ConsoleOutput &output_;
};

class ConsoleCrcHost final : public tools::Crc32ReportHost {
  public:
    explicit ConsoleCrcHost(ConsoleOutput &output) : output_(output) {}
    bool keepGoing() const override { return !stopRequested(); }
    void setProgress(int) override {}
    void addRow(const tools::Crc32ReportRow &row) override {
        rows << row;
        output_.line(tools::crc32ReportLine(row));
    }
    void pumpMessages() override { QCoreApplication::processEvents(); }
    QList<tools::Crc32ReportRow> rows;

  private:
    ConsoleOutput &output_;
};

class ConsoleDupesHost final : public tools::DupesHost {
  public:
    bool keepGoing() const override { return !stopRequested(); }
    void setProgress(int) override {}
    void pumpMessages() override { QCoreApplication::processEvents(); }
};

int statusFor(bool failed) {
    return failed || stopRequested() ? 1 : 0;
}

}  // namespace

int runTest(const CliOptions &options, ConsoleOutput &output) {
    GroupFileList list;
    list.show(commonFolderGroup(options.paths));
    TZipEngine engine;
    ConsoleZipTestHost host(output);
    ziptest::walk(list, engine, host);
    return statusFor(host.failed);
}

int runCrc(const CliOptions &options, ConsoleOutput &output) {
    GroupFileList list;
    list.show(commonFolderGroup(options.paths));
    ConsoleCrcHost host(output);
    host.addRow(tools::crc32ReportHeader());
    tools::walkCrc32Report(list, host);
    bool failed = false;
    for (const tools::Crc32ReportRow &row : host.rows)
        failed |= row.crc == QLatin1String("XXXXXXXX");
    if (!options.reportFile.isEmpty() && !tools::saveCrc32Report(options.reportFile, host.rows)) {
        output.error(QStringLiteral("tovrane-batch: the report could not be saved as %1")
                         .arg(options.reportFile));
        failed = true;
    }
    return statusFor(failed);
}

int runDupes(const CliOptions &options, ConsoleOutput &output) {
    GroupFileList list;
    list.show(commonFolderGroup(options.paths));
    ConsoleDupesHost host;
    tools::DupesTable table;
    tools::walkDupes(list, host, table);
    bool failed = false;
    for (int i = 0; i < table.count(); ++i)
        if (table.at(i).size < 0) {
            output.error(QStringLiteral("tovrane-batch: cannot read %1").arg(table.at(i).name));
            failed = true;
        }
    const int groups = table.group();
    for (int number = 1; number <= groups; ++number)
        for (const int i : table.members(number))
            output.line(QStringLiteral("%1\t%2\t%3")
                            .arg(number)
                            .arg(table.at(i).size)
                            .arg(table.at(i).name));
    return statusFor(failed);
}

}  // namespace cli
