#include "RecordingGate.h"
#include "support/RecordingShell.h"
#include "support/ScriptedDialogs.h"
#include "support/TableFileList.h"
#include "support/TempFolder.h"
#include "tools/crc/Crc32.h"
#include "tools/trim/FileTrim.h"
#include "tools/trim/IntegerParser.h"
#include "tools/trim/TrimOffsets.h"
#include "tools/trim/ui/Ttrimmer.h"

#include <gtest/gtest.h>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>

#include <sched.h>
#include <sys/mount.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>
#include <algorithm>
#include <csignal>
#include <functional>
#include <iostream>
#include <limits>
#include <optional>
#include <thread>

using testsupport::TempFolder;

namespace {

// Bytes that differ from their neighbours, so a shifted range shows.
QByteArray pattern(qint64 size) {
    QByteArray bytes(size, Qt::Uninitialized);
    for (qint64 i = 0; i < size; ++i)
        bytes[i] = static_cast<char>((i * 7 + i / 251) & 0xFF);
    return bytes;
}

QString crcOf(const QByteArray &bytes) {
    quint32 crc = tools::kCrc32Start;
    tools::UpdateCrc32Block(bytes.constData(), static_cast<std::size_t>(bytes.size()), crc);
    return tools::crc32Hex(~crc);
}

QStringList entries(const QString &folder) {
    return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
}

// Runs `work` on a thread of its own mount namespace, after `mounts` set
// it up; the mounts vanish with the thread. False when the system allows
// no mount namespace here.
bool inPrivateMounts(const std::function<bool()> &mounts, const std::function<void()> &work) {
    bool entered = false;
    std::thread([&] {
        if (::unshare(CLONE_NEWNS) != 0 ||
            ::mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0 || !mounts())
            return;
        entered = true;
        work();
    }).join();
    return entered;
}

bool bind(const QString &from, const QString &to, bool readOnly) {
    const QByteArray f = QFile::encodeName(from), t = QFile::encodeName(to);
    return ::mount(f, t, nullptr, MS_BIND, nullptr) == 0 &&
           (!readOnly ||
            ::mount(nullptr, t, nullptr, MS_BIND | MS_REMOUNT | MS_RDONLY, nullptr) == 0);
}

}  // namespace

TEST(Trim, IntegerParser) {
    const qint64 max32 = std::numeric_limits<qint32>::max();
    const qint64 min32 = std::numeric_limits<qint32>::min();
    const struct {
        const char *text;
        std::optional<qint64> value;
    } rows[] = {{"500", 500},
                {"$1F4", 500},
                {"$1f4", 500},
                {"   42", 42},
                {"+7", 7},
                {"-7", -7},
                {"-$10", -16},
                {"0", 0},
                {"2147483647", max32},
                {"-2147483648", min32},
                {"$7FFFFFFF", max32},
                {"", std::nullopt},
                {"  ", std::nullopt},
                {"$", std::nullopt},
                {"-", std::nullopt},
                {"12 ", std::nullopt},
                {"1x", std::nullopt},
                {"0x10", std::nullopt},
                {"- 5", std::nullopt},
                {"$-5", std::nullopt},
                {"\t5", std::nullopt},
                {"1.5", std::nullopt},
                {"2147483648", std::nullopt},
                {"-2147483649", std::nullopt},
                {"$80000000", std::nullopt},
                {"99999999999999999999999", std::nullopt}};
    for (const auto &r : rows)
        EXPECT_EQ(tools::parseInteger(QString::fromLatin1(r.text)), r.value) << r.text;
    EXPECT_EQ(tools::parseByteCount("3000000000"), 3000000000LL);
    EXPECT_EQ(tools::parseByteCount("99999999999999999999"), std::nullopt);
}

TEST(Trim, OffsetRulesAndHalves) {
    const struct {
        const char *start, *end, *size;
        bool startValid, endValid;
    } rows[] = {{"1", "1000", "1000", true, true},    {"0", "1000", "1000", false, true},
                {"1", "1001", "1000", true, false},   {"600", "500", "1000", false, false},
                {"1", "-1", "-1", false, false},      {"$1F5", "$3E8", "1000", true, true},
                {"x", "500", "1000", false, true},    {"5", "", "1000", true, false},
                {"1000", "1000", "1000", true, true}, {"-3", "10", "1000", false, true}};
    for (const auto &r : rows) {
        EXPECT_EQ(tools::startOffsetValid(r.start, r.end), r.startValid) << r.start << " " << r.end;
        EXPECT_EQ(tools::endOffsetValid(r.end, r.size, r.start), r.endValid)
            << r.start << " " << r.end;
    }
    const struct {
        const char *size;
        bool odd;
        const char *firstEnd, *secondStart;
    } halves[] = {{"1000", false, "500", "501"}, {" 1000 ", false, "500", "501"},
                  {"0", false, "0", "1"},        {"1001", true, "", ""},
                  {"-1", true, "", ""},          {"7 ", true, "", ""}};
    for (const auto &h : halves) {
        EXPECT_EQ(tools::oddSize(h.size), h.odd) << h.size;
        if (!h.odd) {
            EXPECT_EQ(tools::firstHalfEnd(h.size), h.firstEnd);
            EXPECT_EQ(tools::secondHalfStart(h.size), h.secondStart);
        }
    }
}

TEST(Trim, KeepsExactlyTheRangeAndThePermissions) {
    const qint64 big = 3 * tools::kTrimBlock + 5;
    const struct {
        qint64 size, start, end;
        int progressCalls;
    } rows[] = {{1000, 1, 1000, 1},     {1000, 501, 1000, 1},
                {1000, 1, 500, 1},      {1000, 1, 1, 1},
                {1000, 1000, 1000, 1},  {big, 1, big, 4},
                {big, 100, big - 7, 3}, {big, tools::kTrimBlock + 1, 2 * tools::kTrimBlock, 1}};
    for (const auto &r : rows) {
        TempFolder tmp;
        const QByteArray bytes = pattern(r.size);
        const QString path = tmp.write("rom.bin", bytes);
        QFile::setPermissions(
            path, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadGroup);
        QList<int> progress;
        const tools::TrimOutcome outcome =
            tools::trimFile(path, r.start, r.end, [&](int p) { progress << p; });
        const QByteArray kept = bytes.mid(r.start - 1, r.end - r.start + 1);
        ASSERT_TRUE(outcome.trimmed) << outcome.failure.toStdString();
        EXPECT_EQ(testsupport::readAll(path), kept) << r.start << ".." << r.end;
        EXPECT_EQ(tools::crc32Hex(outcome.crc), crcOf(kept));
        EXPECT_EQ(progress.size(), r.progressCalls);
        EXPECT_EQ(progress.value(progress.size() - 1), 100);
        EXPECT_TRUE(std::is_sorted(progress.begin(), progress.end()));
        struct stat status {};
        ASSERT_EQ(::stat(QFile::encodeName(path).constData(), &status), 0);
        EXPECT_EQ(status.st_mode & 07777, 0640u);
        EXPECT_EQ(entries(tmp.path()), QStringList{"rom.bin"}) << "no temporary file is left";
    }
}

// Every way a trim can fail leaves the file byte for byte as it was and no
// temporary file behind, and says why.
TEST(Trim, FailuresLeaveTheFileAsItWas) {
    const bool root = ::geteuid() == 0;
    const QByteArray bytes = pattern(4000);
    enum Setup {
        None,
        Missing,
        ReadOnlyFolder,
        FolderOnlyReadOnly,
        FileIsMountPoint,
        FileSizeLimit
    };
    const struct {
        const char *what;
        Setup setup;
        qint64 start, end;
        const char *why;
    } rows[] = {
        {"start 0", None, 0, 10, "The offsets"},
        {"start after end", None, 20, 10, "The offsets"},
        {"end beyond the file", None, 1, 4001, "It holds fewer bytes"},
        {"file gone", Missing, 1, 10, "It could not be opened"},
        {"folder on a read-only mount", ReadOnlyFolder, 1, 3000, "It could not be opened"},
        {"writable file in a read-only folder", FolderOnlyReadOnly, 1, 3000, "No temporary file"},
        {"rename refused: the file is a mount point", FileIsMountPoint, 1, 3000,
         "The temporary file could not take its place"},
        {"write refused: file size limit", FileSizeLimit, 1, 3000,
         "The temporary file could not be written: File too large"}};
    for (const auto &r : rows) {
        SCOPED_TRACE(r.what);
        TempFolder tmp;
        const QString folder = tmp.mkdir("dir");
        const QString path =
            r.setup == Missing ? tmp.path("dir/rom.bin") : tmp.write("dir/rom.bin", bytes);
        // The file the trim works on; with a read-only folder over a writable
        // file, it is another file mounted in its place.
        QString checked = path;
        tools::TrimOutcome outcome;
        const auto trim = [&] { outcome = tools::trimFile(path, r.start, r.end, [](int) {}); };
        bool ran = true;
        switch (r.setup) {
            case None:
            case Missing:
                trim();
                break;
            case ReadOnlyFolder:
            case FolderOnlyReadOnly:
                if (!root) {  // permissions are enough where they bind
                    QFile::setPermissions(folder, QFileDevice::ReadOwner | QFileDevice::ExeOwner);
                    trim();
                    QFile::setPermissions(folder,
                                          QFile::permissions(folder) | QFileDevice::WriteOwner);
                    break;
                }
                if (r.setup == FolderOnlyReadOnly)
                    checked = tmp.write("side/rom.bin", bytes);
                ran = inPrivateMounts(
                    [&] {
                        return bind(folder, folder, true) &&
                               (r.setup == ReadOnlyFolder || bind(checked, path, false));
                    },
                    trim);
                break;
            case FileIsMountPoint:
                ran = inPrivateMounts([&] { return bind(path, path, false); }, trim);
                break;
            case FileSizeLimit: {
                rlimit kept{};
                ::getrlimit(RLIMIT_FSIZE, &kept);
                rlimit small = kept;
                small.rlim_cur = 1000;
                const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
                ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &small), 0);
                trim();
                ::setrlimit(RLIMIT_FSIZE, &kept);
                std::signal(SIGXFSZ, oldHandler);
                break;
            }
        }
        if (!ran) {
            std::cerr << "not run, no private mount namespace here: " << r.what << "\n";
            continue;
        }
        EXPECT_FALSE(outcome.trimmed);
        EXPECT_FALSE(outcome.failure.isEmpty());
        // Without root a read-only folder is one by its permissions only.
        const char *why = !root && r.setup == ReadOnlyFolder ? "No temporary file" : r.why;
        EXPECT_TRUE(outcome.failure.startsWith(why)) << outcome.failure.toStdString();
        if (r.setup != Missing) {
            EXPECT_EQ(testsupport::readAll(checked), bytes);
        }
        EXPECT_EQ(entries(folder), r.setup == Missing ? QStringList() : QStringList{"rom.bin"});
    }
}

namespace {

// The trim window over a folder with one file, offscreen.
struct TrimWindow {
    TempFolder tmp;
    TableFileList list{tmp.path(), {{"other.txt", false}, {"rom.bin", true}}};
    RecordingGate gate;
    Ttrimmer window{list, gate};
    QList<int> progress;

    explicit TrimWindow(qint64 size) {
        tmp.write("rom.bin", pattern(size));
        QObject::connect(window.ProgressBar1, &QProgressBar::valueChanged,
                         [this](int p) { progress << p; });
    }
    void offsets(const char *start, const char *end) {
        window.Edit7->setText(start);
        window.Edit8->setText(end);
    }
    QStringList flags() const { return {window.StartOffsetFlag, window.EndOffsetFlag}; }
};

}  // namespace

TEST(TrimWindow, OpeningChecksTheSelection) {
    using testsupport::dialogs;
    const QString one = "Please select 1 file for trimming.";
    const QString zip =
        "Are you sure to want to trim a ZIP file, it may render the file corrupt "
        "when you try to unzip it?";
    const struct {
        QList<TableFileList::Entry> entries;
        QList<platform::Button> answers;
        QStringList texts;
    } rows[] = {
        {{}, {}, {}},
        {{{"a.bin", false}, {"b.bin", false}}, {platform::Ok}, {one}},
        {{{"a.bin", true}, {"b.bin", true}}, {platform::Ok}, {one}},
        {{{"a.bin", true}, {"b.zIp", true}}, {platform::Yes, platform::Ok}, {zip, one}},
        {{{"a.ZIP", true}}, {platform::No}, {zip}},
    };
    for (const auto &r : rows) {
        TempFolder tmp;
        TableFileList list(tmp.path(), r.entries);
        RecordingGate gate;
        Ttrimmer window(list, gate);
        dialogs().reset();
        for (const platform::Button b : r.answers)
            dialogs().answer(b);
        window.openTool();
        EXPECT_EQ(dialogs().texts(), r.texts);
        EXPECT_FALSE(window.isVisible());
        EXPECT_TRUE(gate.enabled);
    }
}

TEST(TrimWindow, ShowsSizeAndCrcAndHalvesEvenSizes) {
    TrimWindow t(1000);
    t.window.openTool();
    EXPECT_TRUE(t.window.isVisible());
    EXPECT_FALSE(t.gate.enabled);
    EXPECT_EQ(t.window.TrimFilePath, t.tmp.path("rom.bin"));
    EXPECT_EQ(t.window.Edit1->text(), "$000003E8");
    EXPECT_EQ(t.window.Edit3->text(), "1000");
    EXPECT_EQ(t.window.Edit5->text(), crcOf(pattern(1000)));
    EXPECT_EQ(t.window.Edit7->text(), "1");
    EXPECT_EQ(t.window.Edit8->text(), "1000");
    t.window.BitBtn1->click();
    EXPECT_EQ(QStringList({t.window.Edit7->text(), t.window.Edit8->text()}),
              QStringList({"501", "1000"}));
    EXPECT_EQ(t.flags(), QStringList({"OK", "OK"}));
    t.window.BitBtn3->click();
    EXPECT_EQ(QStringList({t.window.Edit7->text(), t.window.Edit8->text()}),
              QStringList({"1", "500"}));
    EXPECT_EQ(t.flags(), QStringList({"OK", "OK"}));
    t.window.BitBtn2->click();  // Done
    EXPECT_FALSE(t.window.isVisible());
    EXPECT_TRUE(t.gate.enabled);
}

TEST(TrimWindow, OddSizesAndUnopenableFiles) {
    TrimWindow t(1001);
    t.window.Edit7->setText("7");
    t.window.openTool();
    for (QPushButton *half : {t.window.BitBtn3, t.window.BitBtn1}) {
        t.window.Edit8->setText("20");
        testsupport::dialogs().reset();
        testsupport::dialogs().answer(platform::Cancel);
        half->click();
        EXPECT_EQ(testsupport::dialogs().texts(), QStringList{"Cant half an odd sized rom..."});
        EXPECT_EQ(testsupport::dialogs().boxes().value(0).buttons, platform::Cancel);
        EXPECT_EQ(t.window.Edit7->text(), "7");
        EXPECT_EQ(t.window.Edit8->text(), "1001");
    }
    t.window.BitBtn2->click();
    QFile::remove(t.tmp.path("rom.bin"));
    t.window.openTool();
    EXPECT_EQ(t.window.Edit1->text(), "$FFFFFFFF");
    EXPECT_EQ(t.window.Edit3->text(), "-1");
    EXPECT_EQ(t.window.Edit5->text(), "00000000");
    EXPECT_EQ(t.window.EndOffsetFlag, "BAD");
}

TEST(TrimWindow, FlagsChangeOnlyWithTheirOwnBox) {
    const QString invalid =
        "You must enter a valid decimal byte size in order to trim your file correctly.  Check "
        "your trim size is not greater than the original size..etc.";
    TrimWindow t(1000);
    t.window.openTool();
    t.offsets("1", "500");
    t.window.Edit7->setText("600");
    EXPECT_EQ(t.flags(), QStringList({"BAD", "OK"}));
    t.window.Edit8->setText("700");
    EXPECT_EQ(t.flags(), QStringList({"BAD", "OK"})) << "the start flag stays bad";
    testsupport::dialogs().answer(platform::Ok);
    t.window.BitBtn5->click();
    EXPECT_EQ(testsupport::dialogs().texts(), QStringList{invalid});
    EXPECT_TRUE(t.window.isEnabled());
    EXPECT_EQ(testsupport::shell().beeps, 0);
    EXPECT_EQ(testsupport::readAll(t.tmp.path("rom.bin")), pattern(1000));
    t.window.Edit7->setText("$1F5");
    EXPECT_EQ(t.flags(), QStringList({"OK", "OK"}));
    t.window.Edit8->setText("0");
    EXPECT_EQ(t.flags(), QStringList({"OK", "BAD"}));
    t.window.Edit8->setText("1001");
    EXPECT_EQ(t.flags(), QStringList({"OK", "BAD"}));
}

TEST(TrimWindow, TrimReplacesTheFileAfterConfirmation) {
    TrimWindow t(1000);
    t.window.openTool();
    t.offsets("501", "1000");
    const QString question = "Are you sure you want to trim " + t.tmp.path("rom.bin") + " ?";
    testsupport::dialogs().answer(platform::No);
    t.window.BitBtn5->click();
    EXPECT_EQ(testsupport::dialogs().texts(), QStringList{question});
    EXPECT_EQ(testsupport::readAll(t.tmp.path("rom.bin")), pattern(1000));
    EXPECT_TRUE(t.window.isVisible() && t.window.isEnabled());
    EXPECT_EQ(testsupport::shell().beeps, 1);

    testsupport::dialogs().reset();
    testsupport::dialogs().answer(platform::Yes);
    testsupport::dialogs().answer(platform::Ok);
    t.gate.calls.clear();
    t.progress.clear();
    t.window.BitBtn5->click();
    const QByteArray kept = pattern(1000).mid(500);
    EXPECT_EQ(testsupport::readAll(t.tmp.path("rom.bin")), kept);
    EXPECT_EQ(
        testsupport::dialogs().texts(),
        QStringList({question, "File Trimmed successfully.  New CRC32 Value = $" + crcOf(kept)}));
    EXPECT_EQ(t.gate.calls, QStringList({"reread", "show and enable"}));
    EXPECT_FALSE(t.window.isVisible());
    EXPECT_TRUE(t.window.isEnabled());
    EXPECT_EQ(t.progress, QList<int>({100, 0}));
    EXPECT_EQ(testsupport::shell().beeps, 2);
}

TEST(TrimWindow, FailedTrimSaysSoAndKeepsTheWindow) {
    TrimWindow t(1000);
    t.window.openTool();
    t.offsets("1", "900");
    QFile::resize(t.tmp.path("rom.bin"), 800);  // shortened behind the window's back
    testsupport::dialogs().answer(platform::Yes);
    testsupport::dialogs().answer(platform::Ok);
    t.window.BitBtn5->click();
    ASSERT_EQ(testsupport::dialogs().boxes().size(), 2);
    const testsupport::ShownBox box = testsupport::dialogs().boxes()[1];
    EXPECT_EQ(box.kind, platform::MessageKind::Error);
    EXPECT_TRUE(box.text.startsWith(t.tmp.path("rom.bin") + " could not be trimmed"));
    EXPECT_EQ(testsupport::readAll(t.tmp.path("rom.bin")), pattern(800));
    EXPECT_TRUE(t.window.isVisible() && t.window.isEnabled());
    EXPECT_FALSE(t.gate.enabled);
}
