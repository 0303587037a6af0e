// The engine's callbacks as the engine libraries make them: every code with
// its block, straight into the component's callback.
#include "engine/ZipEngine.h"
#include "support/PumpCounter.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>
#include <QElapsedTimer>
#include <QStringList>
#include <QThread>
#include <array>
#include <cstring>
#include <stdexcept>

namespace {

int32_t call(TZipEngine &engine, int32_t code, void *block) {
    return TZipEngine::engineCallback(code, block, &engine);
}

uint16_t dosDate(int year, int month, int day) {
    return static_cast<uint16_t>(((year - 1980) << 9) | (month << 5) | day);
}
uint16_t dosTime(int hour, int minute, int second) {
    return static_cast<uint16_t>((hour << 11) | (minute << 5) | (second / 2));
}

TEST(Callback, EntryRecordCodesReachTheirOwnEvent) {
    const char comment[] = "notes-and-more";  // only the first 9 bytes belong to it
    ZeEntryRecord record{};
    record.name = "dir/file.txt";
    record.size = 1000;
    record.compressed_size = 400;
    record.ratio = 60;
    record.attributes = 0x01 | 0x04 | 0x20;
    record.dos_time = dosTime(13, 45, 58);
    record.dos_date = dosDate(2021, 3, 5);
    record.crc = 0xCAFEBABE;
    record.method = 8;
    record.version_made = 63;
    record.version_needed = 20;
    record.encrypted = 7;
    record.comment = comment;
    record.comment_length = 9;

    TZipEngine engine;
    QStringList raised;
    TZeFileStats seen;
    auto recorder = [&](const char *event) {
        return [&, event](TZipEngine *sender, const TZeFileStats &stats) {
            EXPECT_EQ(sender, &engine);
            raised << event;
            seen = stats;
        };
    };
    engine.OnTesting = recorder("testing");
    engine.OnExtracting = recorder("extracting");
    engine.OnListing = recorder("listing");
    engine.OnUpdating = recorder("updating");
    engine.OnAdding = recorder("adding");
    engine.OnStatus = recorder("status");

    const struct {
        int32_t code;
        const char *event;
    } rows[] = {{ZE_CB_TESTING, "testing"}, {ZE_CB_EXTRACTING, "extracting"},
                {ZE_CB_LISTING, "listing"}, {ZE_CB_UPDATING, "updating"},
                {ZE_CB_ADDING, "adding"},   {ZE_CB_STATUS, "status"}};
    for (const auto &row : rows) {
        raised.clear();
        seen = {};
        EXPECT_EQ(call(engine, row.code, &record), 0);
        EXPECT_EQ(raised, QStringList{row.event}) << row.code;
        EXPECT_EQ(seen.FileName, "dir/file.txt");
        EXPECT_EQ(seen.Size, 1000u);
        EXPECT_EQ(seen.CompressedSize, 400u);
        EXPECT_EQ(seen.Ratio, 60u);
        EXPECT_EQ((std::array<bool, 6>{seen.ReadOnly, seen.Hidden, seen.SysFile, seen.VolumeId,
                                       seen.Directory, seen.Archive}),
                  (std::array<bool, 6>{true, false, true, false, false, true}));
        EXPECT_EQ(seen.DateTime, QDateTime(QDate(2021, 3, 5), QTime(13, 45, 58)));
        EXPECT_EQ(seen.Crc, 0xCAFEBABEu);
        EXPECT_EQ(seen.Method, 8);
        EXPECT_EQ(seen.VersionMadeBy, 63);
        EXPECT_EQ(seen.VersionNeeded, 20);
        EXPECT_TRUE(seen.Encrypted);
        EXPECT_EQ(seen.Comment, "notes-and");
    }

    // Code 90 raises nothing but is kept as the entry under work.
    raised.clear();
    EXPECT_EQ(call(engine, ZE_CB_ENTRY_COPY, &record), 0);
    EXPECT_TRUE(raised.isEmpty());
    EXPECT_EQ(engine.currentEntry().FileName, "dir/file.txt");
    EXPECT_EQ(engine.currentEntry().Crc, 0xCAFEBABEu);
}

TEST(Callback, EntryDatesOutsideTheDosRangeBecome1980) {
    const QDateTime epoch(QDate(1980, 1, 1), QTime(0, 0));
    const struct {
        const char *name;
        uint16_t time, date;
        QDateTime expected;
    } rows[] = {
        {"all zero (month 0)", 0, 0, epoch},
        {"month 13", dosTime(10, 0, 0), static_cast<uint16_t>(dosDate(2000, 1, 1) | (13 << 5)),
         epoch},
        {"day 0", dosTime(10, 0, 0), dosDate(2000, 5, 0), epoch},
        {"hour 24", dosTime(24, 0, 0), dosDate(2000, 5, 1), epoch},
        {"hour 25", dosTime(25, 0, 0), dosDate(2000, 5, 1), epoch},
        {"minute 60", dosTime(10, 60, 0), dosDate(2000, 5, 1), epoch},
        {"doubled seconds 60", static_cast<uint16_t>(dosTime(10, 0, 0) | 30), dosDate(2000, 5, 1),
         epoch},
        {"30 February", dosTime(10, 0, 0), dosDate(2001, 2, 30), epoch},
        {"valid", dosTime(23, 59, 58), dosDate(2107, 12, 31),
         QDateTime(QDate(2107, 12, 31), QTime(23, 59, 58))},
        {"leap day", dosTime(0, 0, 2), dosDate(2024, 2, 29),
         QDateTime(QDate(2024, 2, 29), QTime(0, 0, 2))},
    };
    TZipEngine engine;
    QDateTime seen;
    engine.OnListing = [&](TZipEngine *, const TZeFileStats &s) { seen = s.DateTime; };
    for (const auto &row : rows) {
        ZeEntryRecord record{};
        record.dos_time = row.time;
        record.dos_date = row.date;
        call(engine, ZE_CB_LISTING, &record);
        EXPECT_EQ(seen, row.expected) << row.name;
    }
}

TEST(Callback, VarRecordsAreCopiedBackWithinTheirBuffers) {
    TZipEngine engine;

    // 10: answer and second name.
    std::array<char, ZE_NAME_BUFFER> second{};
    ZeReplaceBlock replace{"old.txt", second.data(), ZE_REPLACE_YES};
    engine.OnReplace = [](TZipEngine *, TZeReplace &r) {
        EXPECT_EQ(r.FileName, "old.txt");
        EXPECT_EQ(r.Answer, ZE_REPLACE_YES);
        EXPECT_TRUE(r.SecondName.isEmpty());
        r.Answer = ZE_REPLACE_RENAME;
        r.SecondName = QString::fromUtf8("nouveau-é.txt");
    };
    call(engine, ZE_CB_REPLACE, &replace);
    EXPECT_EQ(replace.answer, ZE_REPLACE_RENAME);
    EXPECT_STREQ(second.data(), "nouveau-é.txt");

    // 160: a name longer than the buffer is cut between characters.
    std::array<char, ZE_NAME_BUFFER + 8> renamed;
    renamed.fill('#');
    ZeRenameBlock rename{"a.txt", renamed.data()};
    engine.OnRename = [](TZipEngine *, TZeRename &r) {
        EXPECT_EQ(r.FileName, "a.txt");
        r.NewName = "x" + QString(ZE_NAME_BUFFER, QChar(0xE9));  // 2 bytes each
    };
    call(engine, ZE_CB_RENAME, &rename);
    EXPECT_EQ(std::strlen(renamed.data()), 4095u);  // "x" and 2047 whole characters
    EXPECT_EQ(renamed[ZE_NAME_BUFFER], '#');

    // 120: at most 255 characters, length reported.
    std::array<char, ZE_COMMENT_BUFFER + 8> comment;
    comment.fill('#');
    ZeCommentBlock commentBlock{"c.txt", comment.data(), 0};
    engine.OnFileComment = [](TZipEngine *, TZeFileComment &c) {
        EXPECT_EQ(c.FileName, "c.txt");
        c.Comment = QString(300, QChar('k'));
    };
    call(engine, ZE_CB_COMMENT, &commentBlock);
    EXPECT_EQ(commentBlock.length, 255);
    EXPECT_EQ(std::strlen(comment.data()), 255u);
    EXPECT_EQ(comment[ZE_COMMENT_BUFFER], '#');

    // Unbound var events leave their blocks untouched.
    TZipEngine unbound;
    ZeReplaceBlock untouched{"f", second.data(), ZE_REPLACE_YES};
    second[0] = 0;
    call(unbound, ZE_CB_REPLACE, &untouched);
    EXPECT_EQ(untouched.answer, ZE_REPLACE_YES);
    EXPECT_EQ(second[0], 0);
}

TEST(Callback, ValueEventsCarryTheirFields) {
    TZipEngine engine;
    QStringList log;
    engine.OnNewdisk = [&](TZipEngine *, int disk) { log << QString("disk %1").arg(disk); };
    engine.OnDeleting = [&](TZipEngine *, const QString &name) { log << "deleting " + name; };
    engine.OnFixing = [&](TZipEngine *, const QString &name) { log << "fixing " + name; };
    engine.OnSkippingFile = [&](TZipEngine *, const TZeSkipping &s) {
        log << QString("skipping %1 %2").arg(s.FileName).arg(s.Reason);
    };
    engine.OnGlobalStatus = [&](TZipEngine *, const TZeGlobalStats &g) {
        log << QString("status %1 %2 %3 %4 %5 %6")
                   .arg(g.TotalFiles)
                   .arg(g.DoneFiles)
                   .arg(g.FilePercent)
                   .arg(g.TotalKBytes)
                   .arg(g.DoneKBytes)
                   .arg(g.Percent);
    };
    int32_t disk = 3;
    call(engine, ZE_CB_NEW_DISK, &disk);
    call(engine, ZE_CB_DELETING, const_cast<char *>("gone.txt"));
    call(engine, ZE_CB_FIXING, const_cast<char *>("broken.zip"));
    ZeSkippingBlock skip{"missing.txt", ZE_SKIP_NOT_FOUND};
    call(engine, ZE_CB_SKIPPING, &skip);
    ZeGlobalStatusBlock status{10, 2048, 4, 512, 75, 40};
    call(engine, ZE_CB_GLOBAL_STATUS, &status);
    uint32_t entries = 17;
    call(engine, ZE_CB_VALUE, &entries);
    EXPECT_EQ(log, QStringList({"disk 3", "deleting gone.txt", "fixing broken.zip",
                                "skipping missing.txt 1", "status 10 4 75 2048 512 40"}));
    EXPECT_EQ(engine.engineValue(), 17u);
    // A code nobody knows, and a missing block, are answered and ignored.
    EXPECT_EQ(call(engine, 4242, &disk), 0);
    EXPECT_EQ(call(engine, ZE_CB_GLOBAL_STATUS, nullptr), 0);
    EXPECT_EQ(TZipEngine::engineCallback(ZE_CB_GLOBAL_STATUS, &status, nullptr), 0);
}

// The marker of the last operation is set even when its library is missing,
// which lets these tests put it in place without an engine.
struct PasswordFixture : ::testing::Test {
    testsupport::TempFolder empty;
    TZipEngine engine;
    std::array<char, ZE_PASSWORD_BUFFER + 8> buffer{};
    ZePasswordBlock block{"secret.txt", buffer.data(), 0};

    void SetUp() override { engine.setLibraryFolder(empty.path()); }
    int ask() {
        buffer.fill('#');
        block.answer = 99;
        return call(engine, ZE_CB_PASSWORD, &block);
    }
};

TEST_F(PasswordFixture, OwnPasswordIsGivenOnceThenNoneForTheSameRequest) {
    engine.Password = "letmein";
    const struct {
        const char *name;
        std::function<int(TZipEngine &)> operation;
        uint8_t answer;
    } rows[] = {
        {"after zip", [](TZipEngine &e) { return e.Zip(); }, 5},
        {"stamp keeps zip", [](TZipEngine &e) { return e.StampZipDate(); }, 5},
        {"after extract", [](TZipEngine &e) { return e.Extract(); }, 2},
        {"stamp keeps extract", [](TZipEngine &e) { return e.StampZipDate(); }, 2},
        {"after test", [](TZipEngine &e) { return e.Test(); }, 2},
    };
    for (const auto &row : rows) {
        ASSERT_EQ(row.operation(engine), ZE_ERR_LOAD) << row.name;
        ask();
        EXPECT_EQ(block.answer, row.answer) << row.name;
        EXPECT_STREQ(buffer.data(), "letmein") << row.name;
        // Asked again straight away: the password was wrong, give none.
        ask();
        EXPECT_EQ(block.answer, 0) << row.name;
        // Any other callback in between makes the next request a new one.
        ZeGlobalStatusBlock status{};
        call(engine, ZE_CB_GLOBAL_STATUS, &status);
        ask();
        EXPECT_EQ(block.answer, row.answer) << row.name;
        // The next row's operation starts afresh: its first request gets the password.
    }
}

TEST_F(PasswordFixture, LongPasswordIsCutTo80Characters) {
    engine.Password = QString(100, QChar('p'));
    ask();
    EXPECT_EQ(std::strlen(buffer.data()), 80u);
    EXPECT_EQ(buffer[ZE_PASSWORD_BUFFER], '#');
}

TEST_F(PasswordFixture, WithoutOwnPasswordTheEventAnswers) {
    int asked = 0;
    engine.OnPwdQuery = [&](TZipEngine *, TZePwdQuery &q) {
        ++asked;
        EXPECT_EQ(q.FileName, "secret.txt");
        EXPECT_TRUE(q.Password.isEmpty());
        q.Password = QString::fromUtf8("clé");
        q.Answer = 2;
    };
    ask();
    EXPECT_EQ(asked, 1);
    EXPECT_EQ(block.answer, 2);
    EXPECT_STREQ(buffer.data(), "clé");
    // The event is asked every time: the handshake is the handler's own.
    ask();
    EXPECT_EQ(asked, 2);

    // Nobody to ask: the block stays as the engine left it.
    engine.OnPwdQuery = nullptr;
    buffer.fill(0);
    block.answer = 0;
    call(engine, ZE_CB_PASSWORD, &block);
    EXPECT_EQ(block.answer, 0);
    EXPECT_EQ(buffer[0], 0);
}

TEST(Callback, StoreIsSharedByEveryComponentAndHolds255Bytes) {
    TZipEngine writer, reader;
    std::array<uint8_t, 300> data;
    for (size_t i = 0; i < data.size(); ++i)
        data[i] = static_cast<uint8_t>(i);
    ZeStoreWriteBlock write{data.data(), static_cast<uint16_t>(data.size())};
    call(writer, ZE_CB_STORE_WRITE, &write);

    std::array<uint8_t, ZE_SHARED_STORE + 8> out;
    out.fill(0xEE);
    ZeStoreReadBlock read{out.data(), 0, 0};
    call(reader, ZE_CB_STORE_READ, &read);
    EXPECT_EQ(read.length, 255);
    EXPECT_EQ(read.present, 1);
    EXPECT_EQ(std::memcmp(out.data(), data.data(), 255), 0);
    EXPECT_EQ(out[255], 0xEE);
    EXPECT_EQ(TZipEngine::sharedStore().size(), 255);

    const uint8_t small[] = {1, 2, 3};
    ZeStoreWriteBlock again{small, 3};
    call(reader, ZE_CB_STORE_WRITE, &again);
    ZeStoreReadBlock back{out.data(), 0, 0};
    call(writer, ZE_CB_STORE_READ, &back);
    EXPECT_EQ(back.length, 3);
    EXPECT_EQ(TZipEngine::sharedStore(), QByteArray("\x01\x02\x03", 3));
}

TEST(Callback, WindowMessagesRunByTheClockAndBeforeTheEvent) {
    // A burst of callbacks (an archive of one small file after another)
    // lets messages run once per interval, not once per callback; callbacks
    // further apart than the interval (a large file) each let them run,
    // before their event.
    const struct {
        const char *what;
        int callbacks;
        unsigned long apartMs;
    } rows[] = {{"burst", 3000, 0}, {"far apart", 3, 60}};
    for (const auto &row : rows) {
        TZipEngine engine;
        testsupport::PumpCounter pumps;
        QElapsedTimer took;
        took.start();
        QList<int> turnsAtEvent;
        engine.OnGlobalStatus = [&](TZipEngine *, const TZeGlobalStats &) {
            turnsAtEvent << pumps.turns();
        };
        ZeGlobalStatusBlock status{};
        for (int i = 0; i < row.callbacks; ++i) {
            QThread::msleep(row.apartMs);
            call(engine, ZE_CB_GLOBAL_STATUS, &status);
        }
        if (row.apartMs > 0) {
            EXPECT_EQ(turnsAtEvent, QList<int>({1, 2, 3})) << row.what;
        } else {
            EXPECT_LE(pumps.turns(), 1 + took.elapsed() / 40) << row.what;
        }
    }
}

TEST(Callback, AbortRequestAnswersEveryCodeWithOne) {
    TZipEngine engine;
    int statuses = 0;
    engine.OnGlobalStatus = [&](TZipEngine *, const TZeGlobalStats &) { ++statuses; };
    ZeGlobalStatusBlock status{};
    EXPECT_EQ(call(engine, ZE_CB_GLOBAL_STATUS, &status), 0);
    engine.AbortRequested = true;
    EXPECT_EQ(call(engine, ZE_CB_GLOBAL_STATUS, &status), 1);
    EXPECT_EQ(call(engine, 4242, nullptr), 1);
    EXPECT_EQ(statuses, 2);  // events still run while aborting
}

TEST(Callback, HandlerExceptionStopsTheEngineInsteadOfCrossingIt) {
    TZipEngine engine;
    int calls = 0;
    engine.OnGlobalStatus = [&](TZipEngine *, const TZeGlobalStats &) {
        ++calls;
        throw std::runtime_error("handler failed");
    };
    ZeGlobalStatusBlock status{};
    EXPECT_EQ(call(engine, ZE_CB_GLOBAL_STATUS, &status), 1);
    // Later callbacks of the same call only ask to stop.
    EXPECT_EQ(call(engine, ZE_CB_GLOBAL_STATUS, &status), 1);
    EXPECT_EQ(calls, 1);
}

}  // namespace
