#include "Crc32ReportFixture.h"
#include "platform/AppPaths.h"
#include "support/PumpCounter.h"
#include "support/ScriptedDialogs.h"
#include "support/TableFileList.h"
#include "support/TempFolder.h"
#include "tools/crc/ui/TCRC32_Form.h"

#include <gtest/gtest.h>
#include <QFileInfo>
#include <QProgressBar>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>
#include <QTimer>

#include <functional>

using namespace tools;
using crcreport::MixedFolder;
using testsupport::TempFolder;
using Row = Crc32ReportRow;

namespace {

struct Form {
    explicit Form(const FileListSource &files) : form(files, &main) { main.show(); }
    QWidget main;
    TCRC32_Form form;
    QTableWidget *grid() { return form.findChild<QTableWidget *>("StringGrid1"); }
    QPushButton *button(const char *name) { return form.findChild<QPushButton *>(name); }
    QList<Row> rows() {
        QList<Row> result;
        for (int r = 0; r < grid()->rowCount(); ++r)
            result << Row{grid()->item(r, 0)->text(), grid()->item(r, 1)->text(),
                          grid()->item(r, 2)->text()};
        return result;
    }
    // Runs `work` as soon as the walk has shown `count` lines, as a click
    // does that the window takes at once: the walk lets messages run by
    // the clock, not after every file, so a message posted now would
    // arrive after a number of files that depends on the machine's speed.
    void afterRows(int count, std::function<void()> work) {
        QObject::connect(grid()->model(), &QAbstractItemModel::rowsInserted, &form, [=, this] {
            if (grid()->rowCount() == count)
                work();
        });
    }
};

// Counts the paint events a widget receives.
struct PaintCounter : QObject {
    explicit PaintCounter(QWidget &widget) { widget.installEventFilter(this); }
    bool eventFilter(QObject *, QEvent *event) override {
        count += event->type() == QEvent::Paint ? 1 : 0;
        return false;
    }
    int count = 0;
};

}  // namespace

TEST(Crc32Report, WindowFillsGridAndSavesExactBytes) {
    MixedFolder folder;
    Form f(folder.list);
    f.form.runReport();
    EXPECT_EQ(f.rows(), folder.rows);
    EXPECT_TRUE(f.form.isVisible());
    EXPECT_FALSE(f.main.isEnabled()) << "stays disabled until the report closes";
    EXPECT_TRUE(f.button("BitBtn3")->isEnabled());
    EXPECT_FALSE(f.button("BitBtn1")->isEnabled());
    EXPECT_EQ(f.form.runFlag(), "GO");

    platform::overrideHomeFolder(folder.tmp.path());
    const QString target = folder.tmp.write("Report.CSV", "old contents that are longer");
    testsupport::dialogs().answerSave(target);
    testsupport::dialogs().answer(platform::Ok);
    f.button("BitBtn3")->click();
    platform::overrideHomeFolder({});
    EXPECT_EQ(testsupport::readAll(target),
              "\"File Name\",\"File Crc 32\",File Size (Bytes)\r\n"
              "\"a.txt\",\"352441C2\",3\r\n"
              "\"empty.bin\",\"00000000\",0\r\n"
              "\"gone.txt\",\"XXXXXXXX\",- FILE IN USE -\r\n"
              "\"say \"hi\".txt\",\"CBF43926\",9\r\n");
    const platform::SaveRequest request = testsupport::dialogs().saveRequests().value(0);
    EXPECT_EQ(request.title, "Save Tovrane CRC32 Report");
    EXPECT_EQ(request.defaultName, "Report");
    EXPECT_EQ(request.defaultSuffix, "CSV");
    EXPECT_EQ(request.filter, ".CSV|*.CSV;*.csv");
    EXPECT_EQ(request.initialFolder, folder.tmp.path());
    EXPECT_EQ(testsupport::dialogs().boxes().value(0).kind, platform::MessageKind::Information);
    EXPECT_EQ(testsupport::dialogs().texts(), QStringList({"File Save Successfully !"}));

    f.form.close();  // idle: no question
    EXPECT_TRUE(f.main.isEnabled());
    EXPECT_FALSE(f.form.isVisible());
}

TEST(Crc32Report, PlaceholderSavedAndFailedOrCancelledSaves) {
    TempFolder tmp;
    TableFileList list(tmp.path(), {});
    Form f(list);
    f.form.runReport();
    const QString target = tmp.path("empty.csv");
    const QString unwritable = tmp.write("plain.txt", "keep") + "/report.csv";
    testsupport::dialogs().answerSave(target);
    testsupport::dialogs().answer(platform::Ok);
    testsupport::dialogs().answerSave(unwritable);
    testsupport::dialogs().answer(platform::Ok);
    testsupport::dialogs().cancelSave();
    for (int i = 0; i < 3; ++i)
        f.button("BitBtn3")->click();
    EXPECT_EQ(testsupport::readAll(target),
              "\"File Name\",\"File Crc 32\",File Size (Bytes)\r\n"
              "\"--No Files Selected --\",\"\",\r\n");
    EXPECT_EQ(testsupport::dialogs().texts(),
              QStringList({"File Save Successfully !", "Error Saving File."}));
    EXPECT_EQ(testsupport::dialogs().boxes().value(1).kind, platform::MessageKind::Error);
    EXPECT_EQ(testsupport::readAll(tmp.path("plain.txt")), "keep");
}

TEST(Crc32Report, StopDuringRunSkipsTheRestAndRunsBarToItsEnd) {
    for (const bool byKey : {false, true}) {
        MixedFolder folder;
        Form f(folder.list);
        QList<int> bar;
        QObject::connect(f.form.findChild<QProgressBar *>("ProgressBar1"),
                         &QProgressBar::valueChanged, [&](int v) { bar << v; });
        f.afterRows(1, [&] {
            if (byKey)
                QTest::keyClick(f.grid(), Qt::Key_Escape);
            else
                f.button("BitBtn1")->click();
        });
        f.form.runReport();
        EXPECT_EQ(f.rows(), folder.rows.mid(0, 1)) << "Escape: " << byKey;
        EXPECT_EQ(bar.mid(bar.size() - 2), QList<int>({100, 0}));
        EXPECT_TRUE(f.button("BitBtn3")->isEnabled());
        EXPECT_EQ(f.form.runFlag(), "GO");
        EXPECT_TRUE(f.form.isVisible());
        EXPECT_FALSE(f.main.isEnabled());
    }
}

TEST(Crc32Report, ClosingDuringRunAsksFirst) {
    for (const platform::Button answer : {platform::No, platform::Yes}) {
        MixedFolder folder;
        Form f(folder.list);
        testsupport::dialogs().reset();
        testsupport::dialogs().answer(answer);
        const bool closed = answer == platform::Yes;
        f.afterRows(1, [&] {
            f.form.close();
            // Once closed, the main window is enabled and could ask for a
            // report before the walk has ended: it must not start inside it.
            if (closed)
                f.form.runReport();
        });
        f.form.runReport();
        EXPECT_EQ(testsupport::dialogs().texts(),
                  QStringList({"Cancel CRC32 reporting Operation ?"}));
        EXPECT_EQ(testsupport::dialogs().boxes().value(0).buttons, platform::Yes | platform::No);
        EXPECT_EQ(f.rows(), closed ? folder.rows.mid(0, 1) : folder.rows);
        EXPECT_EQ(f.form.isVisible(), !closed);
        EXPECT_EQ(f.main.isEnabled(), closed);
        EXPECT_FALSE(f.form.isRunning());
    }
}

TEST(Crc32Report, ALongSelectionGoesIntoTheGridByTheBatch) {
    // One row inserted (and scrolled to) per file lays the grid out once per
    // file; the rows go in a few at a time, and every one of them arrives.
    TempFolder tmp;
    QList<TableFileList::Entry> entries;
    for (int i = 0; i < 1500; ++i) {
        const QString name = QStringLiteral("f%1.txt").arg(i, 4, 10, QLatin1Char('0'));
        tmp.write(name, name.toUtf8());
        entries.append({name, i % 3 != 0});
    }
    TableFileList list(tmp.path(), entries);
    Form f(list);
    int insertions = 0;
    QObject::connect(f.grid()->model(), &QAbstractItemModel::rowsInserted, &f.form,
                     [&] { ++insertions; });
    f.form.runReport();
    ASSERT_EQ(f.grid()->rowCount(), 1000);
    EXPECT_EQ(f.grid()->item(0, 0)->text(), "f0001.txt");
    EXPECT_EQ(f.grid()->item(999, 0)->text(), "f1499.txt");
    EXPECT_EQ(f.grid()->item(999, 2)->text(), "9");
    EXPECT_LE(insertions, 1000 / 50);
}

TEST(Crc32Report, BarPaintsWithTheMessageLoopNotAtEachPercent) {
    // Painting the bar on the spot at each new percent costs more than a
    // small file's checksum: it paints when the walk lets messages run (and
    // once as the run ends), whatever the count.
    for (const int count : {100, 1000}) {
        TempFolder tmp;
        QList<TableFileList::Entry> entries;
        for (int i = 0; i < count; ++i)
            entries << TableFileList::Entry{
                QFileInfo(tmp.write(QString::number(i), "x")).fileName(), true};
        TableFileList list(tmp.path(), entries);
        Form f(list);
        PaintCounter paints(*f.form.findChild<QProgressBar *>("ProgressBar1"));
        testsupport::PumpCounter pumps;
        f.form.runReport();
        EXPECT_EQ(f.rows().size(), count);
        EXPECT_LE(paints.count, pumps.turns() + 1) << count << " files";
    }
}
