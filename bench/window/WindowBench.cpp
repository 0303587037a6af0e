// The main window over one large folder, offscreen, driven through its
// commands as the user's clicks drive them:
//
//   window_bench FOLDER_OF_FILES FOLDER_OF_ZIP_NAMES
//   window_bench --batches SCRATCH_FOLDER_OF_FILES [LAST_STEP]
//   window_bench --step STEP SCRATCH_FOLDER_OF_FILES
//
// prints one line per step: its name, the seconds it took, the longest time
// the window went without handling its messages (the stall), and the
// processor seconds the whole process spent on it (every thread, user and
// system): a cost that a disk shared with other work does not blur. The Zip
// batch runs over names that end in ".zip", which it passes over with a
// line in the error log, so nothing is written or deleted; the Zip Testing
// Tool tests those same files, which are no archives.
//
// With --batches every batch and tool runs in turn over all the files of a
// scratch folder, which it uses up: Rename (to upper case), Zip (the
// originals deleted), the Zip Testing Tool, Rezip, Unzip (the archives
// deleted), CRC32, Dupes, Delete; given LAST_STEP, none after it (to
// trace or profile the steps up to one). With --step only that one step
// runs, over the files as they are (Dupes over a group of large copies,
// say).
//
// With WINDOW_BENCH_STACKS=1 in the environment, standard error gets the
// stack of the window's thread during every moment it does not answer, and
// "stall MS END" for each over 80 ms: bench/stall_stacks.py reads them.
#include "StallSampler.h"
#include "app/MainForm.h"
#include "app/OptionsModel.h"
#include "app/SecondaryWindows.h"
#include "app/TovraneApp.h"
#include "batch/ui/TrashRemovalWindow.h"
#include "platform/AppPaths.h"
#include "platform/Dialogs.h"
#include "tools/rename/ui/TRename_Form.h"
#include "widgets/FileListBox.h"
#include "widgets/FolderTree.h"

#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTimer>

#include <sys/resource.h>

#include <cstdio>
#include <functional>
#include <memory>

namespace {

// Every question is answered No (or Yes, once `yes` is set), every message
// closed at once.
class AnswerNo : public platform::Dialogs {
  public:
    platform::Button message(platform::MessageKind, const QString &,
                             platform::Buttons buttons) override {
        if (yes && (buttons & platform::Yes))
            return platform::Yes;
        for (platform::Button b : {platform::No, platform::Cancel, platform::Ok})
            if (buttons & b)
                return b;
        return platform::NoButton;
    }
    bool yes = false;
    std::optional<QString> saveFileName(const platform::SaveRequest &) override { return {}; }
};

// The longest gap between two turns of the message loop: a timer that
// should fire every 5 ms notes how late it was.
class StallMeter : public QObject {
  public:
    StallMeter() {
        if (qEnvironmentVariableIsSet("WINDOW_BENCH_STACKS"))
            sampler_ = std::make_unique<StallSampler>();
        connect(&ticks_, &QTimer::timeout, this, [this] { note(); });
        ticks_.start(5);
    }
    void reset() {
        since_.start();
        longest_ = 0;
    }
    qint64 longest() {
        note();
        return longest_;
    }

  private:
    void note() {
        const qint64 gap = since_.restart();
        longest_ = std::max(longest_, gap);
        if (!sampler_)
            return;
        sampler_->beat();
        if (gap > 80)
            std::fprintf(stderr, "stall %lld %lld\n", static_cast<long long>(gap),
                         static_cast<long long>(StallSampler::now()));
    }
    std::unique_ptr<StallSampler> sampler_;
    QTimer ticks_;
    QElapsedTimer since_;
    qint64 longest_ = 0;
};

double processorSeconds() {
    rusage used{};
    getrusage(RUSAGE_SELF, &used);
    const auto seconds = [](const timeval &t) { return t.tv_sec + t.tv_usec / 1e6; };
    return seconds(used.ru_utime) + seconds(used.ru_stime);
}

void closeTopLevel(const char *name) {
    for (QWidget *w : QApplication::topLevelWidgets())
        if (w->objectName() == QLatin1String(name) && w->isVisible())
            w->close();
}

}  // namespace

int main(int argc, char **argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    const bool oneStep = argc == 4 && QLatin1String(argv[1]) == QLatin1String("--step");
    const bool batches =
        oneStep || (argc > 1 && QLatin1String(argv[1]) == QLatin1String("--batches"));
    if (argc != 3 && !(batches && argc == 4)) {
        std::fprintf(stderr,
                     "usage: window_bench FOLDER_OF_FILES FOLDER_OF_ZIP_NAMES\n"
                     "       window_bench --batches SCRATCH_FOLDER_OF_FILES [LAST_STEP]\n"
                     "       window_bench --step STEP SCRATCH_FOLDER_OF_FILES\n");
        return 2;
    }
    const QString files = QString::fromLocal8Bit(argv[oneStep ? 3 : batches ? 2 : 1]);
    const QString zipNames = QString::fromLocal8Bit(argv[2]);

    QTemporaryDir own;
    platform::overrideAppFolder(own.path());
    platform::overrideDataFolder(own.path());
    platform::overrideHomeFolder(own.path());
    AnswerNo answers;
    platform::installDialogs(&answers);

    TovraneApp program;
    program.start();
    TMainform &main = program.main();
    main.Timer1Timer();
    auto *tree = main.findChild<FolderTree *>(QStringLiteral("DirectoryListBox1"));
    auto *list = main.findChild<FileListBox *>(QStringLiteral("FileListBox1"));
    StallMeter meter;
    QApplication::processEvents();

    const QString lastStep = argc == 4 ? QString::fromLocal8Bit(argv[oneStep ? 2 : 3]) : QString();
    bool ended = false;
    const auto step = [&](const char *name, const std::function<void()> &run) {
        if (ended || (oneStep && lastStep != QLatin1String(name)))
            return;
        ended = lastStep == QLatin1String(name);
        QApplication::processEvents();
        meter.reset();
        const double processorAtStart = processorSeconds();
        QElapsedTimer took;
        took.start();
        run();
        QApplication::processEvents();
        const double seconds = took.nsecsElapsed() / 1e9;
        std::printf("%s %.6f %lld %.6f\n", name, seconds, static_cast<long long>(meter.longest()),
                    processorSeconds() - processorAtStart);
        std::fflush(stdout);
    };
    const auto command = [&](const char *name) { main.findAction(QLatin1String(name))->trigger(); };

    if (batches) {
        OptionsModel &options = main.options();
        options.setOn(Option::deleteOriginal, true);
        options.setOn(Option::deleteZip, true);
        options.setOn(Option::trashDeletions, false);
        tree->setDirectory(files);
        const int listed = list->count();
        command("All");
        step("rename", [&] {
            command("Rename");
            TRename_Form *rename = program.windows().rename.get();
            rename->RadioButton1->setChecked(true);
            rename->BitBtn2Click();
            rename->close();
        });
        command("All");
        step("zip", [&] { command("Zip"); });
        command("All");
        step("zip-testing-tool-archives", [&] { command("Test"); });
        closeTopLevel("ziptest");
        command("All");
        answers.yes = true;
        step("rezip", [&] {
            // The File Filter Removal window waits for its Rezip button.
            QTimer::singleShot(0, [&] { program.windows().trashRemoval->BitBtn2->click(); });
            command("Rezip");
        });
        answers.yes = false;
        command("All");
        step("unzip", [&] { command("Unzip"); });
        command("All");
        step("crc32-batches", [&] { command("CRC32"); });
        closeTopLevel("CRC32_Form");
        command("All");
        step("dupes", [&] { command("Dupes"); });
        closeTopLevel("Dupes");
        command("All");
        answers.yes = true;
        step("delete", [&] { command("Delete"); });
        answers.yes = false;
        std::printf("listed %d left %d\n", listed, list->count());
        platform::installDialogs(nullptr);
        return 0;
    }

    step("browse", [&] { tree->setDirectory(files); });
    const int listed = list->count();
    step("filter", [&] { list->setMask(QStringLiteral("*.t?t;*.bin")); });
    list->setMask(QStringLiteral("*.*"));
    step("all", [&] { command("All"); });
    step("none", [&] { command("None"); });
    step("invert-none-to-all", [&] { command("Invert"); });
    step("invert-all-to-none", [&] { command("Invert"); });
    command("All");
    step("crc32", [&] { command("CRC32"); });
    closeTopLevel("CRC32_Form");

    step("browse-zip-names", [&] { tree->setDirectory(zipNames); });
    command("All");
    step("zip-log-lines", [&] { command("Zip"); });
    command("All");
    step("zip-testing-tool", [&] { command("Test"); });
    closeTopLevel("ziptest");
    std::printf("listed %d\n", listed);
    platform::installDialogs(nullptr);
    return 0;
}
