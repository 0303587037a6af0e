// dupes_bench: the duplicate search of the program, headless, over whole
// folders (every file of a folder selected, one search per folder, as a
// user browses to each and selects all). Prints one line per group found,
// its files' full paths separated by tabs. Not a test.
#include "platform/FileListSource.h"
#include "platform/FileSystem.h"
#include "tools/dupes/DupesHost.h"
#include "tools/dupes/DupesTable.h"
#include "tools/dupes/DupesWalk.h"

#include <QCoreApplication>
#include <QStringList>

#include <cstdio>

namespace {

class WholeFolder final : public FileListSource {
  public:
    explicit WholeFolder(QString folder)
        : folder_(std::move(folder)), names_(platform::listFiles(folder_)) {}
    QString directory() const override { return folder_; }
    int count() const override { return static_cast<int>(names_.size()); }
    QString name(int i) const override { return names_[i]; }
    bool isSelected(int) const override { return true; }
    int selectedCount() const override { return count(); }

  private:
    QString folder_;
    QStringList names_;
};

class Quiet final : public tools::DupesHost {
    bool keepGoing() const override { return true; }
    void setProgress(int) override {}
    void pumpMessages() override {}
};

}  // namespace

int main(int argc, char **argv) {
    QCoreApplication app(argc, argv);
    const QStringList folders = app.arguments().mid(1);
    if (folders.isEmpty()) {
        std::fprintf(stderr, "usage: dupes_bench FOLDER...\n");
        return 2;
    }
    Quiet host;
    tools::DupesTable table;
    for (const QString &folder : folders) {
        const WholeFolder files(folder);
        // Past the limit the search would show its message box.
        if (files.count() > tools::DupesTable::kCapacity) {
            std::fprintf(stderr, "%s: more than %d files\n", qPrintable(folder),
                         tools::DupesTable::kCapacity);
            return 2;
        }
        tools::walkDupes(files, host, table);
        const QString prefix = platform::withSeparator(folder);
        const int groups = table.group();
        for (int g = 1; g <= groups; ++g) {
            QStringList paths;
            for (const int i : table.members(g))
                paths << prefix + table.at(i).name;
            std::printf("%s\n", paths.join(QLatin1Char('\t')).toLocal8Bit().constData());
        }
    }
    return 0;
}
