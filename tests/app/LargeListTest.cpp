// All, None and Invert over long lists, and a long folder listed: each is
// one change of the selection, whatever the selection was, and the loops
// read a line's state without searching the selection.
#include "support/PumpCounter.h"
#include "support/TempFolder.h"
#include "widgets/FileIconDelegate.h"
#include "widgets/FileListBox.h"
#include "widgets/OffThread.h"
#include "widgets/SelectionList.h"
#include "widgets/WidestLineDelegate.h"

#include <gtest/gtest.h>
#include <QApplication>
#include <QListWidget>
#include <QSignalSpy>
#include <QStyledItemDelegate>
#include <QTimer>

#include <atomic>
#include <chrono>
#include <stdexcept>
#include <thread>

#include <functional>

namespace {

constexpr int kLines = 5000;

// Selects the lines `chosen` says, one range per selected line, as a
// selection made by clicking each line leaves it.
void selectLineByLine(SelectionList &list, const std::function<bool(int)> &chosen) {
    QItemSelection lines;
    for (int i = 0; i < list.count(); ++i)
        if (chosen(i))
            lines.select(list.model()->index(i, 0), list.model()->index(i, 0));
    list.selectionModel()->select(lines, QItemSelectionModel::Select);
}

}  // namespace

TEST(LargeList, AllNoneInvertChangeTheSelectionOnce) {
    enum Command { All, None, Invert };
    const auto every = [](int) { return true; };
    const auto none = [](int) { return false; };
    const auto odd = [](int i) { return i % 2 == 1; };
    const auto even = [](int i) { return i % 2 == 0; };
    const auto block = [](int i) { return i >= 100 && i < 4000; };
    const auto outsideBlock = [](int i) { return i < 100 || i >= 4000; };
    const struct {
        const char *what;
        std::function<bool(int)> before;
        Command command;
        std::function<bool(int)> after;
        // The ranges the selection holds afterwards, at most.
        int ranges;
    } rows[] = {
        {"invert nothing", none, Invert, every, 1},
        {"invert everything", every, Invert, none, 0},
        {"invert every other line", even, Invert, odd, kLines / 2},
        {"invert a block", block, Invert, outsideBlock, 2},
        {"all over every other line", odd, All, every, 1},
        {"none over every other line", odd, None, none, 0},
    };
    for (const auto &row : rows) {
        SelectionList list;
        QStringList names;
        for (int i = 0; i < kLines; ++i)
            names << QStringLiteral("f%1").arg(i);
        list.setNames(names);
        selectLineByLine(list, row.before);
        QSignalSpy changes(list.selectionModel(), &QItemSelectionModel::selectionChanged);
        switch (row.command) {
            case All:
                list.selectEveryRow();
                break;
            case None:
                list.selectNoRow();
                break;
            case Invert:
                list.invertSelection();
                break;
        }
        EXPECT_LE(changes.count(), 1) << row.what;
        EXPECT_LE(list.selectionModel()->selection().size(), row.ranges) << row.what;
        int expected = 0;
        int wrong = 0;
        for (int i = 0; i < kLines; ++i) {
            expected += row.after(i) ? 1 : 0;
            const bool truth = list.selectionModel()->isSelected(list.model()->index(i, 0));
            if (list.rowSelected(i) != row.after(i) || truth != row.after(i))
                ++wrong;
        }
        EXPECT_EQ(wrong, 0) << row.what;
        EXPECT_EQ(list.selectedRows(), expected) << row.what;
    }
}

TEST(LargeList, ALongFolderLooksUpIconsOnlyForTheLinesShown) {
    testsupport::TempFolder tmp;
    for (int i = 0; i < 2000; ++i)
        tmp.write(QStringLiteral("f%1.txt").arg(i, 5, 10, QLatin1Char('0')));
    FileListBox list;
    list.resize(200, 300);
    list.show();
    list.setDirectory(tmp.path());
    QApplication::processEvents();
    list.repaint();
    const auto *icons = static_cast<const FileIconDelegate *>(list.itemDelegate());
    EXPECT_EQ(list.count(), 2000);
    EXPECT_GT(icons->looked(), 0);
    EXPECT_LT(icons->looked(), 100);
    // Line by line changes of the selection keep the flags the loops read.
    list.setSelected(5, true);
    list.setSelected(1999, true);
    list.setSelected(5, false);
    EXPECT_EQ(list.selectedCount(), 1);
    EXPECT_TRUE(list.isSelected(1999));
    EXPECT_FALSE(list.isSelected(5));
}

TEST(LargeList, EveryReadingOfAFolderReplacesTheLinesInOneReset) {
    testsupport::TempFolder tmp;
    for (int i = 0; i < 3000; ++i)
        tmp.write(
            QStringLiteral("f%1.%2").arg(i, 5, 10, QLatin1Char('0')).arg(i % 3 ? "txt" : "bin"));
    FileListBox list;
    list.setDirectory(tmp.path());
    const struct {
        const char *what;
        std::function<void()> read;
        int lines;
    } rows[] = {
        {"the same folder again", [&] { list.reread(); }, 3000},
        {"a narrower mask", [&] { list.setMask(QStringLiteral("*.bin")); }, 1000},
        {"every file again", [&] { list.setMask(QStringLiteral("*.*")); }, 3000},
        {"another folder", [&] { list.setDirectory(tmp.mkdir(QStringLiteral("empty"))); }, 0},
        {"back", [&] { list.setDirectory(tmp.path()); }, 3000},
    };
    for (const auto &row : rows) {
        list.selectEveryRow();
        QSignalSpy resets(list.model(), &QAbstractItemModel::modelReset);
        QSignalSpy inserted(list.model(), &QAbstractItemModel::rowsInserted);
        QSignalSpy removed(list.model(), &QAbstractItemModel::rowsRemoved);
        QSignalSpy changes(list.selectionModel(), &QItemSelectionModel::selectionChanged);
        row.read();
        EXPECT_EQ(resets.count(), 1) << row.what;
        EXPECT_EQ(inserted.count() + removed.count() + changes.count(), 0) << row.what;
        EXPECT_EQ(list.count(), row.lines) << row.what;
        EXPECT_EQ(list.selectedCount(), 0) << row.what;
        if (row.lines > 0) {
            EXPECT_EQ(list.name(0), "f00000.bin") << row.what;
            EXPECT_EQ(list.model()->index(row.lines - 1, 0).data().toString(),
                      list.name(row.lines - 1))
                << row.what;
        }
    }
}

TEST(LargeList, AFolderReadOffTheWindowsThreadLetsItsTimersRun) {
    // The work waits (a bounded time) for a timer of the window's thread:
    // it sees it fire only when the wait lets messages run.
    const struct {
        const char *what;
        bool throws;
    } rows[] = {{"work that returns", false}, {"work that fails", true}};
    for (const auto &row : rows) {
        std::atomic<bool> ticked{false};
        QTimer::singleShot(0, [&] { ticked = true; });
        const auto work = [&] {
            for (int i = 0; i < 1000 && !ticked; ++i)
                std::this_thread::sleep_for(std::chrono::milliseconds(10));
            if (row.throws)
                throw std::runtime_error("unreadable");
            return ticked.load();
        };
        if (row.throws) {
            EXPECT_THROW(runOffThread(work), std::runtime_error) << row.what;
            EXPECT_TRUE(ticked) << row.what;
        } else {
            EXPECT_TRUE(runOffThread(work)) << row.what;
        }
    }
}

// Reads that follow each other, each shorter than the pace, still let the
// window's messages through once it has gone the pace without: the folder
// tree and the folder list read after the file list, say.
TEST(LargeList, ReadsInARowLetMessagesThrough) {
    const struct { int reads, ms; } rows[] = {{1, 100}, {2, 30}, {4, 15}};
    for (const auto &row : rows) {
        QCoreApplication::processEvents();
        testsupport::PumpCounter pumps;
        for (int i = 0; i < row.reads; ++i)
            runOffThread([&] { std::this_thread::sleep_for(std::chrono::milliseconds(row.ms)); });
        EXPECT_GE(pumps.turns(), 1) << row.reads << " reads of " << row.ms << " ms";
    }
}

TEST(LargeList, ALogListSizesEveryLineAsItsWidestAndMeasuresEachLineOnce) {
    const QString wide =
        QStringLiteral("/a/rather/long/path/to/an/archive.zip  (Corrupt) - Code (3)");
    const QString shorter = QStringLiteral("/a/path/archive.zip  (Ok)");
    const struct {
        const char *what;
        std::function<void(QListWidget &)> change;
        // The line whose size every line takes, or none for sizes per line.
        QString widest;
        bool uniform;
    } rows[] = {
        {"lines added in batches", [](QListWidget &) {}, wide, true},
        {"the widest line removed", [&](QListWidget &l) { delete l.takeItem(l.count() / 2); },
         shorter, true},
        {"a wider line put first", [&](QListWidget &l) { l.insertItem(0, wide + wide); },
         wide + wide, true},
        {"emptied, then short lines",
         [](QListWidget &l) {
             l.clear();
             l.addItems({QStringLiteral("a"), QStringLiteral("bb")});
         },
         QStringLiteral("bb"), true},
        {"a line of two lines", [](QListWidget &l) { l.addItem(QStringLiteral("one\ntwo")); },
         QString(), false},
    };
    for (const auto &row : rows) {
        QListWidget list;
        auto *delegate = new WidestLineDelegate(list);
        constexpr int kBatches = 50;
        constexpr int kPerBatch = 100;
        for (int b = 0; b < kBatches; ++b) {
            QStringList lines;
            for (int i = 0; i < kPerBatch; ++i)
                lines << QStringLiteral("/a/path/f%1.zip")
                             .arg(b * kPerBatch + i, 5, 10, QLatin1Char('0'));
            if (b == kBatches / 2)
                lines[0] = wide;
            if (b == kBatches / 2 + 1)
                lines[0] = shorter;
            list.addItems(lines);
        }
        // Lines added at the end are each measured once, not once a batch.
        EXPECT_EQ(delegate->estimated(), kBatches * kPerBatch) << row.what;
        row.change(list);
        EXPECT_EQ(list.uniformItemSizes(), row.uniform) << row.what;
        if (!row.uniform)
            continue;
        QStyleOptionViewItem option;
        option.initFrom(&list);
        const QStyledItemDelegate plain;
        int widestRow = -1;
        for (int i = 0; i < list.count(); ++i)
            if (list.item(i)->text() == row.widest)
                widestRow = i;
        ASSERT_GE(widestRow, 0) << row.what;
        EXPECT_EQ(delegate->sizeHint(option, list.model()->index(0, 0)),
                  plain.sizeHint(option, list.model()->index(widestRow, 0)))
            << row.what;
    }
}
