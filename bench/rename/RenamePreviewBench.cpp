// Measures what the rename tool's preview costs when many names are
// selected, against its own floor, reading the folder's names (which the
// preview does once per refresh to find clashes):
//   - listing: the folder's names read once;
//   - rows: the preview rows of every selected name (folder read included);
//   - window: a rule checked in the tool's window, rows shown in its list.
// Medians of alternating runs, in milliseconds, and the ratios to listing.
//
//     QT_QPA_PLATFORM=offscreen rename_bench [names] [runs]
//                (build/bin/rename_bench 6000 9)
#include "../FolderListing.h"
#include "platform/FileListSource.h"
#include "platform/MainWindowGate.h"
#include "tools/rename/RenamePreview.h"
#include "tools/rename/ui/TRename_Form.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QRadioButton>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <utility>
#include <vector>

namespace {

struct QuietGate final : MainWindowGate {
    void disableMain() override {}
    void enableMain() override {}
    void showMain() override {}
    void showAndEnableMain() override {}
    void setMainStatus(const QString &) override {}
    void rereadFileList() override {}
    void setBusy(bool) override {}
};

double milliseconds(const std::function<void()> &work) {
    QElapsedTimer timer;
    timer.start();
    work();
    return static_cast<double>(timer.nsecsElapsed()) / 1e6;
}

double median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

}  // namespace

int main(int argc, char **argv) {
    QApplication app(argc, argv);
    const int names = argc > 1 ? std::atoi(argv[1]) : 6000;
    const int runs = argc > 2 ? std::atoi(argv[2]) : 9;
    QTemporaryDir folder;
    QStringList entries;
    for (int i = 0; i < names; ++i) {
        // Names like a photo collection's, a few of which clash.
        const QString name = QStringLiteral("My Holiday_%1 photo [%2].jpg").arg(i).arg(i % 7);
        QFile file(folder.filePath(name));
        if (!file.open(QIODevice::WriteOnly))
            return 1;
        entries << name;
    }
    // Every name selected, as after "All".
    const WholeFolder list(folder.path(), entries);
    QuietGate gate;
    TRename_Form window(list, gate);
    window.openTool();
    std::vector<double> listing, rows, shown;
    std::size_t sink = 0;
    for (int r = 0; r < runs; ++r) {
        listing.push_back(
            milliseconds([&] { sink += tools::namesInFolder(folder.path()).size(); }));
        rows.push_back(milliseconds([&] {
            sink += static_cast<std::size_t>(
                tools::previewRenames(
                    list, {tools::SpacingRule::SpacesToUnderscores, tools::CaseRule::Capitalise})
                    .size());
        }));
        QRadioButton *rule = r % 2 ? window.RadioButton3 : window.RadioButton8;
        shown.push_back(milliseconds([&] { rule->click(); }));
    }
    const double base = median(listing);
    std::printf("%d names, %d runs (medians)\n", names, runs);
    std::printf("listing the folder   %8.2f ms\n", base);
    std::printf("preview rows         %8.2f ms  (%.1f x listing)\n", median(rows),
                median(rows) / base);
    std::printf("rule checked, shown  %8.2f ms  (%.1f x listing)\n", median(shown),
                median(shown) / base);
    return sink == 0 ? 1 : 0;
}
