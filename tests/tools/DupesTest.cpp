#include "platform/Dialogs.h"
#include "platform/FileSystem.h"
#include "platform/MainWindowGate.h"
#include "support/ScriptedDialogs.h"
#include "support/TableFileList.h"
#include "support/TempFolder.h"
#include "tools/crc/Crc32.h"
#include "tools/dupes/ContentClasses.h"
#include "tools/dupes/DupesHost.h"
#include "tools/dupes/DupesTable.h"
#include "tools/dupes/DupesWalk.h"
#include "tools/dupes/ui/TDupes.h"

#include <gtest/gtest.h>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QTabBar>
#include <QTest>
#include <QTimer>

#include <unistd.h>
#include <algorithm>
#include <functional>

using namespace tools;
using testsupport::TempFolder;
using Groups = QList<QStringList>;

namespace {

quint32 crcOf(const QByteArray &bytes) {
    quint32 crc = kCrc32Start;
    UpdateCrc32Block(bytes.constData(), static_cast<std::size_t>(bytes.size()), crc);
    return ~crc;
}

// Changes the four bytes at `at` so that the CRC-32 of `bytes` becomes
// `target`. CRC-32 is linear, so flipping a set of bits changes the CRC by
// the sum of what flipping each alone does: the 32 bits of the patch are
// solved for by elimination over GF(2).
void forceCrc(QByteArray &bytes, qsizetype at, quint32 target) {
    const quint32 base = crcOf(bytes);
    quint32 pivot[32] = {}, combo[32] = {};
    for (int k = 0; k < 32; ++k) {
        QByteArray flipped = bytes;
        flipped[at + k / 8] = static_cast<char>(flipped[at + k / 8] ^ (1 << (k % 8)));
        quint32 v = crcOf(flipped) ^ base, m = 1u << k;
        for (int bit = 31; bit >= 0 && v; --bit) {
            if (!((v >> bit) & 1))
                continue;
            if (!pivot[bit]) {
                pivot[bit] = v;
                combo[bit] = m;
                break;
            }
            v ^= pivot[bit];
            m ^= combo[bit];
        }
    }
    quint32 want = base ^ target, flips = 0;
    for (int bit = 31; bit >= 0; --bit)
        if ((want >> bit) & 1) {
            ASSERT_NE(pivot[bit], 0u);
            want ^= pivot[bit];
            flips ^= combo[bit];
        }
    for (int k = 0; k < 32; ++k)
        if ((flips >> k) & 1)
            bytes[at + k / 8] = static_cast<char>(bytes[at + k / 8] ^ (1 << (k % 8)));
}

QByteArray pattern(int size, int seed) {
    QByteArray bytes(size, Qt::Uninitialized);
    quint32 x = 2463534242u + static_cast<quint32>(seed);
    for (char &c : bytes) {
        x ^= x << 13, x ^= x >> 17, x ^= x << 5;
        c = static_cast<char>(x);
    }
    return bytes;
}

// A copy of `bytes`, changed in its first byte, whose CRC-32 is `target`.
QByteArray lookalike(const QByteArray &bytes, quint32 target) {
    QByteArray other = bytes;
    other[0] = static_cast<char>(other[0] ^ 0x55);
    forceCrc(other, other.size() / 2, target);
    return other;
}

struct RecordingHost final : DupesHost {
    bool keepGoing() const override { return go; }
    void setProgress(int percent) override { progress << percent; }
    void pumpMessages() override {
        ++pumps;
        if (onPump)
            onPump(pumps);
    }
    bool go = true;
    int pumps = 0;
    QList<int> progress;
    std::function<void(int)> onPump;
};

// The groups of a table as lists of names, in group order.
Groups groupsOf(const DupesTable &table) {
    Groups groups;
    for (int g = 1; g <= table.groupCount(); ++g) {
        QStringList names;
        for (const int i : table.members(g))
            names << table.at(i).name;
        groups << names;
    }
    return groups;
}

Groups search(const TableFileList &list, RecordingHost &host, DupesTable &table) {
    walkDupes(list, host, table);
    table.group();
    return groupsOf(table);
}

}  // namespace

TEST(Dupes, CrcPatchMakesLookalikes) {
    const QByteArray a = pattern(1000, 1);
    const QByteArray b = lookalike(a, crcOf(a));
    EXPECT_NE(a, b);
    EXPECT_EQ(crcOf(a), crcOf(b));
    EXPECT_EQ(crcOf(lookalike(a, 0x12345678)), 0x12345678u);
}

TEST(Dupes, GroupsOnlyIdenticalContents) {
    const QByteArray a = pattern(3000, 1), b = pattern(3000, 2), big = pattern(9 << 20, 3);
    QByteArray bigTail = big;
    bigTail[bigTail.size() - 1] = static_cast<char>(bigTail.back() ^ 1);
    const QByteArray sameCrc = lookalike(a, crcOf(a));
    const QByteArray sameKey = lookalike(a, crcOf(a) ^ 0x5A);
    QByteArray longerSameCrc = pattern(3100, 4);
    forceCrc(longerSameCrc, 100, crcOf(a));
    const struct Case {
        const char *what;
        QList<std::pair<QString, QByteArray>> files;  // list order
        QStringList unselected, missing;
        Groups groups;
    } cases[] = {
        {"three copies form one group in list order",
         {{"A", a}, {"B", a}, {"C", a}},
         {},
         {},
         {{"A", "B", "C"}}},
        {"groups numbered by their first member",
         {{"a1", a}, {"b1", b}, {"x", "unique size"}, {"a2", a}, {"b2", b}, {"a3", a}},
         {},
         {},
         {{"a1", "a2", "a3"}, {"b1", "b2"}}},
        {"equal size and CRC-32 but other bytes", {{"A", a}, {"B", sameCrc}}, {}, {}, {}},
        {"CRC-32 agreeing in its first six digits",
         {{"A", a}, {"B", sameKey}, {"C", a}},
         {},
         {},
         {{"A", "C"}}},
        {"equal CRC-32, other size", {{"A", a}, {"B", longerSameCrc}}, {}, {}, {}},
        {"an unselected copy", {{"A", a}, {"B", a}}, {"B"}, {}, {}},
        {"files that cannot be opened",
         {{"A", a}, {"gone1", {}}, {"gone2", {}}},
         {},
         {"gone1", "gone2"},
         {}},
        {"empty files", {{"e1", ""}, {"e2", ""}, {"x", "x"}}, {}, {}, {{"e1", "e2"}}},
        {"large files differing in their last byte",
         {{"L1", big}, {"L2", bigTail}, {"L3", big}},
         {},
         {},
         {{"L1", "L3"}}},
    };
    for (const Case &c : cases) {
        TempFolder tmp;
        QList<TableFileList::Entry> entries;
        for (const auto &[name, bytes] : c.files) {
            if (!c.missing.contains(name))
                tmp.write(name, bytes);
            entries.push_back({name, !c.unselected.contains(name)});
        }
        RecordingHost host;
        DupesTable table;
        EXPECT_EQ(search(TableFileList(tmp.path(), entries), host, table), c.groups) << c.what;
    }
}

TEST(Dupes, EntriesHoldSizeAndKeyOfWhatWasRead) {
    TempFolder tmp;
    tmp.write("abc1", "abc");
    tmp.write("abc2", "abc");
    tmp.write("alone", "12345");
    tmp.write("locked1", "abc");
    tmp.write("locked2", "abc");
    testsupport::setReadOnly(tmp.path("locked1"), true);
    const TableFileList list(tmp.path(), {{"abc1", true},
                                          {"abc2", true},
                                          {"alone", true},
                                          {"gone", true},
                                          {"locked1", true},
                                          {"locked2", true}});
    RecordingHost host;
    DupesTable table;
    EXPECT_EQ(search(list, host, table), Groups({{"abc1", "abc2", "locked1", "locked2"}}));
    const struct {
        qint64 size;
        const char *key;
    } expected[] = {{3, "352441"},  {3, "352441"}, {5, ""},
                    {-1, "XXXXXX"}, {3, "352441"}, {3, "352441"}};
    ASSERT_EQ(table.count(), 6);
    for (int i = 0; i < 6; ++i) {
        EXPECT_EQ(table.at(i).size, expected[i].size) << i;
        EXPECT_EQ(table.at(i).key, expected[i].key) << i;
    }
    EXPECT_TRUE(platform::isReadOnly(tmp.path("locked1")));
    EXPECT_EQ(host.pumps, 6);
}

TEST(Dupes, LinksAreNotCopies) {
    TempFolder tmp;
    const QByteArray a = pattern(500, 7);
    tmp.write("file", a);
    tmp.write("real copy", a);
    ASSERT_TRUE(QFile::link(tmp.path("file"), tmp.path("symlink")));
    ASSERT_EQ(::link(QFile::encodeName(tmp.path("file")).constData(),
                     QFile::encodeName(tmp.path("hardlink")).constData()),
              0);
    const struct {
        QStringList names;
        Groups groups;
    } cases[] = {
        {{"file", "symlink"}, {}},
        {{"file", "hardlink"}, {}},
        {{"hardlink", "file", "real copy", "symlink"}, {{"hardlink", "real copy"}}},
    };
    for (const auto &c : cases) {
        QList<TableFileList::Entry> entries;
        for (const QString &name : c.names)
            entries.push_back({name, true});
        RecordingHost host;
        DupesTable table;
        EXPECT_EQ(search(TableFileList(tmp.path(), entries), host, table), c.groups)
            << c.names.join(',').toStdString();
    }
}

TEST(Dupes, ManyFilesOfOneSizeAreComparedInBatches) {
    // More files of one size than are read side by side, with copies in
    // different batches and a CRC-32 lookalike among them.
    TempFolder tmp;
    const QByteArray kinds[] = {pattern(2048, 1), pattern(2048, 2), pattern(2048, 3)};
    QList<TableFileList::Entry> entries;
    Groups expected(3);
    for (int i = 0; i < 150; ++i) {
        const QString name = QStringLiteral("f%1").arg(i, 3, 10, QLatin1Char('0'));
        tmp.write(name, kinds[i % 3]);
        entries.push_back({name, true});
        expected[i % 3] << name;
    }
    tmp.write("z lookalike", lookalike(kinds[0], crcOf(kinds[0])));
    entries.push_back({"z lookalike", true});
    RecordingHost host;
    DupesTable table;
    EXPECT_EQ(search(TableFileList(tmp.path(), entries), host, table), expected);
}

TEST(Dupes, ProgressOnlyAfterTheFirstLine) {
    TempFolder tmp;
    QList<TableFileList::Entry> entries;
    for (int i = 0; i < 10; ++i)
        entries.push_back({QString::number(i), i == 0 || i == 9});
    tmp.write("0", "same");
    tmp.write("9", "same");
    RecordingHost host;
    DupesTable table;
    EXPECT_EQ(search(TableFileList(tmp.path(), entries), host, table), Groups({{"0", "9"}}));
    EXPECT_EQ(host.progress, QList<int>({11, 22, 33, 44, 56, 67, 78, 89, 100}));

    RecordingHost one;
    EXPECT_EQ(search(TableFileList(tmp.path(), {{"0", true}}), one, table), Groups());
    EXPECT_TRUE(one.progress.isEmpty());
    EXPECT_EQ(table.count(), 1);
}

TEST(Dupes, StopReadsNoFurtherFileButKeepsWhatWasRead) {
    TempFolder tmp;
    for (const char *name : {"a1", "b1", "a2", "b2", "c1", "c2"})
        tmp.write(name, QByteArray(name).left(1).repeated(name[0] == 'c' ? 5 : 10));
    const TableFileList list(
        tmp.path(),
        {{"a1", true}, {"b1", true}, {"a2", true}, {"b2", true}, {"c1", true}, {"c2", true}});
    RecordingHost host;
    host.onPump = [&](int pumps) { host.go = pumps < 3; };
    DupesTable table;
    // b2 was read with the other files of its size before the stop, so
    // its group stays; the c files were never read.
    EXPECT_EQ(search(list, host, table), Groups({{"a1", "a2"}, {"b1", "b2"}}));
    EXPECT_EQ(table.count(), 4);
    EXPECT_EQ(host.progress, QList<int>({20, 40, 60, 80, 100}));
}

// Stop during the read of many files of one size: the groups of the files
// read so far stay, and the bar moves while they are read.
TEST(Dupes, StopDuringALongReadKeepsTheGroupsReadSoFar) {
    TempFolder tmp;
    QList<TableFileList::Entry> entries;
    const int pairs = 40;  // more files than are read side by side
    for (int k = 0; k < 2 * pairs; ++k) {
        const QString name = QStringLiteral("f%1").arg(k, 2, 10, QLatin1Char('0'));
        tmp.write(name, pattern(512 * 1024, k / 2));
        entries.push_back({name, true});
    }
    RecordingHost host;
    DupesTable table;
    QList<int> duringRead;
    host.onPump = [&](int) {
        if (table.count() == 0) {
            duringRead = host.progress;
            host.go = false;  // Stop at the first look
        }
    };
    const Groups groups = search(TableFileList(tmp.path(), entries), host, table);
    ASSERT_FALSE(groups.isEmpty());
    EXPECT_LT(groups.size(), pairs);
    for (int g = 0; g < groups.size(); ++g)
        EXPECT_EQ(groups[g], QStringList({entries[2 * g].name, entries[2 * g + 1].name}));
    ASSERT_EQ(duringRead.size(), 1);
    EXPECT_GT(duringRead.first(), 0);
    EXPECT_TRUE(std::is_sorted(host.progress.begin(), host.progress.end()));
}

TEST(Dupes, LongReadsLetMessagesRunAndHonourStop) {
    TempFolder tmp;
    const QByteArray big = pattern(24 << 20, 5);
    for (const char *name : {"A", "B", "C"})
        tmp.write(name, big);
    const TableFileList list(tmp.path(), {{"A", true}, {"B", true}, {"C", true}});
    for (const bool stop : {false, true}) {
        DupesTable table;
        RecordingHost host;
        int duringFirstRead = 0;
        host.onPump = [&](int) {
            duringFirstRead += table.count() == 0;
            host.go = !stop;
        };
        const Groups groups = search(list, host, table);
        EXPECT_GT(duringFirstRead, 1) << "messages run while the copies are read";
        EXPECT_EQ(groups, stop ? Groups() : Groups({{"A", "B", "C"}}));
        EXPECT_EQ(table.count(), stop ? 1 : 3);
    }
}

TEST(Dupes, ALargeFileOfAGroupTooLargeToReadSideBySideHonoursStop) {
    // One file named more times than files are read side by side: each is
    // checksummed in turn, and one more than 16 MiB long is looked at while
    // it is read, so a stop at the first look ends it before its checksum.
    TempFolder tmp;
    const QStringList paths(65, tmp.write("big", pattern(17 << 20, 7)));
    int looks = 0;
    const std::vector<ContentReading> found = classifyContents(paths, [&](qint64) {
        ++looks;
        return false;
    });
    EXPECT_EQ(looks, 1);
    for (const ContentReading &r : found)
        EXPECT_EQ(r.contentClass, -1) << "a file cut short proves nothing";
}

TEST(Dupes, SixThousandFileLimit) {
    TempFolder tmp;
    QList<TableFileList::Entry> entries;
    for (int i = 0; i <= 6001; ++i) {
        const QString name = QStringLiteral("f%1").arg(i, 4, 10, QLatin1Char('0'));
        // The first and the last file are copies, but the last one is past
        // the limit.
        tmp.write(name, i == 0 || i == 6001 ? QByteArray("copy") : QByteArray::number(i));
        entries.push_back({name, i != 1});
    }
    testsupport::dialogs().answer(platform::Ok);
    RecordingHost host;
    DupesTable table;
    EXPECT_EQ(search(TableFileList(tmp.path(), entries), host, table), Groups());
    EXPECT_EQ(testsupport::dialogs().texts(),
              QStringList({"6000 file limit reached.  Only the first 6000 files will be listed."}));
    EXPECT_EQ(testsupport::dialogs().boxes().value(0).kind, platform::MessageKind::Information);
    ASSERT_EQ(table.count(), 6000);
    EXPECT_EQ(table.at(0).name, "f0000");
    EXPECT_EQ(table.at(1).name, "f0002");
    EXPECT_EQ(table.at(5999).name, "f6000");
}

namespace {

struct RecordingGate final : MainWindowGate {
    void disableMain() override { locked = true; }
    void enableMain() override { locked = false; }
    void showMain() override {}
    void showAndEnableMain() override { locked = false; }
    void setMainStatus(const QString &text) override { status = text; }
    void rereadFileList() override { ++rereads; }
    void setBusy(bool on) override { busy << on; }
    bool locked = false;
    QString status;
    int rereads = 0;
    QList<bool> busy;
};

// The window over a folder whose files are all selected, in name order.
struct Window {
    TempFolder tmp;
    TableFileList list{tmp.path(), {}};
    RecordingGate gate;
    TDupes dupes{list, gate};

    void add(const QString &name, const QByteArray &bytes) {
        tmp.write(name, bytes);
        list.entries().push_back({name, true});
    }
    QStringList lines() const {
        QStringList shown;
        for (int i = 0; i < dupes.ListBox1->count(); ++i)
            shown << dupes.ListBox1->item(i)->text();
        return shown;
    }
    QStringList tabs() const {
        QStringList captions;
        for (int i = 0; i < dupes.TabControl1->count(); ++i)
            captions << dupes.TabControl1->tabText(i);
        return captions;
    }
    void select(const QStringList &names) {
        for (int i = 0; i < dupes.ListBox1->count(); ++i)
            dupes.ListBox1->item(i)->setSelected(names.contains(dupes.ListBox1->item(i)->text()));
    }
    QStringList filesLeft() const { return QDir(tmp.path()).entryList(QDir::Files, QDir::Name); }
};

}  // namespace

TEST(DupesWindow, ShowsNumberedGroupsAndListsTheChosenOne) {
    Window w;
    for (const char *name : {"a1", "b1", "a2", "b2", "b3", "c"})
        w.add(name, QByteArray(name).left(1).repeated(10));
    w.dupes.findDuplicates();
    EXPECT_TRUE(w.dupes.isVisible());
    EXPECT_EQ(w.dupes.windowTitle(), "Duplicate File Remover Tool");
    EXPECT_TRUE(w.gate.locked) << "the main window stays disabled while the tool is open";
    EXPECT_EQ(w.tabs(), QStringList({"1", "2"}));
    EXPECT_EQ(w.lines(), QStringList({"a1", "a2"}));
    EXPECT_EQ(w.dupes.Label1->text(), "Number of Duplicates found : 2");
    EXPECT_EQ(w.dupes.Label2->text(), "Status : Complete.");
    EXPECT_EQ(w.dupes.ProgressBar1->value(), 0);
    EXPECT_TRUE(w.dupes.ListBox1->isEnabled());
    EXPECT_TRUE(w.dupes.BitBtn3->isEnabled());
    EXPECT_FALSE(w.dupes.BitBtn1->isEnabled());
    EXPECT_EQ(w.dupes.DupesRunFlag(), "GO");
    w.dupes.TabControl1->setCurrentIndex(1);
    EXPECT_EQ(w.lines(), QStringList({"b1", "b2", "b3"}));

    w.dupes.close();
    EXPECT_FALSE(w.dupes.isVisible());
    EXPECT_FALSE(w.gate.locked);
    EXPECT_EQ(w.gate.rereads, 1);
    EXPECT_EQ(w.gate.status, "Operation Completed.");
    EXPECT_TRUE(testsupport::dialogs().texts().isEmpty());
}

TEST(DupesWindow, NothingFound) {
    for (const QStringList &names :
         {QStringList(), QStringList({"one"}), QStringList({"x", "yy"})}) {
        Window w;
        for (const QString &name : names)
            w.add(name, name.toUtf8());
        w.dupes.findDuplicates();
        EXPECT_EQ(w.lines(), QStringList({"No Duplicate files found."}));
        EXPECT_TRUE(w.tabs().isEmpty());
        EXPECT_EQ(w.dupes.Label1->text(), "Number of Duplicates found : 0");
        EXPECT_FALSE(w.dupes.BitBtn3->isEnabled());
    }
}

TEST(DupesWindow, DeletesChosenCopies) {
    const struct Case {
        const char *what;
        QStringList chosen;
        QList<platform::Button> answers;  // to the questions expected
        QStringList questions;
        QStringList linesAfter;
        QStringList filesAfter;
    } cases[] = {
        {"all but one: no question", {"b1", "b3"}, {}, {}, {"b2"}, {"a1", "a2", "b2"}},
        {"all: asked, and yes",
         {"b1", "b2", "b3"},
         {platform::Yes},
         {"Are you sure you want to delete all files you have selected ?"},
         {},
         {"a1", "a2"}},
        {"all: asked, and no",
         {"b1", "b2", "b3"},
         {platform::No},
         {"Are you sure you want to delete all files you have selected ?"},
         {"b1", "b2", "b3"},
         {"a1", "a2", "b1", "b2", "b3"}},
        {"none chosen",
         {},
         {platform::Ok},
         {"You must select a file before you can delete it."},
         {"b1", "b2", "b3"},
         {"a1", "a2", "b1", "b2", "b3"}},
    };
    for (const Case &c : cases) {
        Window w;
        for (const char *name : {"a1", "b1", "a2", "b2", "b3"})
            w.add(name, QByteArray(name).left(1).repeated(10));
        testsupport::setReadOnly(w.tmp.path("b3"), true);
        w.dupes.findDuplicates();
        w.dupes.TabControl1->setCurrentIndex(1);
        testsupport::dialogs().reset();
        for (const platform::Button answer : c.answers)
            testsupport::dialogs().answer(answer);
        w.select(c.chosen);
        w.dupes.BitBtn3->click();
        EXPECT_EQ(testsupport::dialogs().texts(), c.questions) << c.what;
        EXPECT_EQ(w.lines(), c.linesAfter) << c.what;
        EXPECT_EQ(w.filesLeft(), c.filesAfter) << c.what;
        // Deleted files stay out of their group's list.
        w.dupes.TabControl1->setCurrentIndex(0);
        w.dupes.TabControl1->setCurrentIndex(1);
        EXPECT_EQ(w.lines(), c.linesAfter) << c.what;
        EXPECT_EQ(w.gate.busy, c.chosen.isEmpty() || c.answers == QList{platform::No}
                                   ? QList<bool>()
                                   : QList<bool>({true, false}))
            << c.what;
    }
}

TEST(DupesWindow, CopiesChangedSinceTheSearchAreKept) {
    const QString kept = "Not deleted, as no file you keep holds the same bytes any more:\nb1";
    const struct Case {
        const char *what;
        std::function<void(const TempFolder &)> change;
        bool b1Deleted;
    } cases[] = {
        {"the chosen copy appended to",
         [](const TempFolder &tmp) { tmp.write("b1", QByteArray("b").repeated(10) + "more"); },
         false},
        {"the chosen copy rewritten, same size",
         [](const TempFolder &tmp) { tmp.write("b1", QByteArray("c").repeated(10)); }, false},
        {"one kept copy changed, another still alike",
         [](const TempFolder &tmp) { tmp.write("b2", "other"); }, true},
        {"every kept copy changed or gone",
         [](const TempFolder &tmp) {
             tmp.write("b2", "other");
             QFile::remove(tmp.path("b3"));
         },
         false},
    };
    for (const Case &c : cases) {
        Window w;
        for (const char *name : {"b1", "b2", "b3"})
            w.add(name, QByteArray("b").repeated(10));
        w.dupes.findDuplicates();
        c.change(w.tmp);
        testsupport::dialogs().reset();
        if (!c.b1Deleted)
            testsupport::dialogs().answer(platform::Ok);
        w.select({"b1"});
        w.dupes.BitBtn3->click();
        EXPECT_EQ(testsupport::dialogs().texts(), c.b1Deleted ? QStringList() : QStringList({kept}))
            << c.what;
        EXPECT_EQ(QFileInfo::exists(w.tmp.path("b1")), !c.b1Deleted) << c.what;
        EXPECT_EQ(w.lines().contains("b1"), !c.b1Deleted) << c.what;
    }
}

TEST(DupesWindow, LongNamesAreDeletedWhole) {
    Window w;
    const QString cut = QString(150, QLatin1Char('n'));
    const QString longName = cut + QString(50, QLatin1Char('1'));
    w.add(cut, "a file of the cut name, unlike the others");
    w.add(longName, "copy");
    w.add(longName.left(199) + "2", "copy");
    w.dupes.findDuplicates();
    ASSERT_EQ(w.lines(), QStringList({longName, longName.left(199) + "2"}));
    w.select({longName});
    w.dupes.BitBtn3->click();
    EXPECT_EQ(w.filesLeft(), QStringList({cut, longName.left(199) + "2"}));
    EXPECT_EQ(w.lines(), QStringList({longName.left(199) + "2"}));
}

TEST(DupesWindow, ClosingWhileReadingAsksFirst) {
    for (const platform::Button answer : {platform::No, platform::Yes}) {
        Window w;
        for (const char *name : {"a1", "a2", "b1", "b2"})
            w.add(name, QByteArray(name).left(1).repeated(10));
        testsupport::dialogs().reset();
        testsupport::dialogs().answer(answer);
        bool asked = false;
        QObject::connect(w.dupes.ProgressBar1, &QProgressBar::valueChanged, &w.dupes, [&](int v) {
            if (v == 33 && !asked) {
                asked = true;
                QTimer::singleShot(0, &w.dupes, [&] { w.dupes.close(); });
            }
        });
        w.dupes.findDuplicates();
        const bool closed = answer == platform::Yes;
        EXPECT_EQ(testsupport::dialogs().texts(),
                  QStringList({"Cancel duplicate reporting Operation ?"}));
        EXPECT_EQ(testsupport::dialogs().boxes().value(0).buttons, platform::Yes | platform::No);
        EXPECT_EQ(w.dupes.isVisible(), !closed);
        EXPECT_EQ(w.gate.locked, !closed);
        EXPECT_EQ(w.gate.status, closed ? "Operation Completed." : "");
        // A closed search read no further file; its analysis still ran, and
        // kept the b files, read together with the a files of their size.
        EXPECT_EQ(w.tabs(), QStringList({"1", "2"}));
        EXPECT_EQ(w.dupes.Label1->text(), "Number of Duplicates found : 2");
    }
}

TEST(DupesWindow, StopAndEscape) {
    for (const bool byKey : {false, true}) {
        Window w;
        for (const char *name : {"a1", "a2", "b1", "b2"})
            w.add(name, QByteArray(name).left(1).repeated(10));
        QObject::connect(w.dupes.ProgressBar1, &QProgressBar::valueChanged, &w.dupes, [&](int v) {
            if (v == 33)
                QTimer::singleShot(0, &w.dupes, [&] {
                    if (byKey)
                        QTest::keyClick(w.dupes.ListBox1, Qt::Key_Escape);
                    else
                        w.dupes.BitBtn1->click();
                });
        });
        w.dupes.findDuplicates();
        EXPECT_EQ(w.lines(), QStringList({"a1", "a2"})) << byKey;
        EXPECT_EQ(w.tabs(), QStringList({"1", "2"}));
        EXPECT_EQ(w.dupes.DupesRunFlag(), "GO");
        EXPECT_TRUE(w.dupes.isVisible());
        EXPECT_FALSE(w.dupes.BitBtn1->isEnabled());
    }
}
