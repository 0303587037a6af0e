// The component driving the real engine libraries on real files, with every
// archive checked by readers nobody here wrote.
#include "EngineFixture.h"

#include "engine/ZipEngine.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>
#include <QAbstractEventDispatcher>
#include <QDir>
#include <QFileInfo>
#include <stdexcept>

namespace {

using testsupport::TempFolder;

struct Integration : ::testing::Test {
    TempFolder folder;
    TZipEngine engine;

    void SetUp() override {
        REQUIRE_ENGINE_LIBRARIES();
        engine.Overwrite = zowAlways;
        folder.write("src/alpha.txt", QByteArray("alpha, packed well ").repeated(5000));
        folder.write("src/beta.bin", QByteArray(70000, '\x5a') + QByteArray("tail"));
        folder.write("src/sub/gamma.txt", "gamma");
    }
    int zipSources(const QString &archive) {
        engine.ZipFileName = archive;
        engine.FilesToProcess =
            QStringList{folder.path("src/alpha.txt"), folder.path("src/beta.bin")};
        engine.UsePaths = false;
        return engine.Zip(zacNormal);
    }
};

TEST_F(Integration, ZipThenTestAgreeWithUnzip) {
    const QString archive = folder.path("out.zip");
    QList<uint8_t> percents;
    engine.OnGlobalStatus = [&](TZipEngine *, const TZeGlobalStats &g) { percents << g.Percent; };
    ASSERT_EQ(zipSources(archive), 0);
    EXPECT_TRUE(engine.FilesToProcess.isEmpty());
    QString listing;
    EXPECT_EQ(testsupport::run("unzip", {"-t", archive}, &listing), 0) << listing.toStdString();
    EXPECT_TRUE(listing.contains("alpha.txt"));
    EXPECT_TRUE(listing.contains("beta.bin"));
    for (uint8_t p : percents)
        EXPECT_LE(p, 100);

    engine.ZipFileName = archive;
    EXPECT_EQ(engine.Test(), 0);

    // Extracted bytes are the originals.
    engine.ZipFileName = archive;
    engine.ExtractDirectory = folder.path("back");
    engine.FilesToProcess = QStringList{"*"};
    ASSERT_EQ(engine.Extract(zacNormal), 0);
    EXPECT_EQ(testsupport::readAll(folder.path("back/alpha.txt")),
              testsupport::readAll(folder.path("src/alpha.txt")));
    EXPECT_EQ(testsupport::readAll(folder.path("back/beta.bin")),
              testsupport::readAll(folder.path("src/beta.bin")));
}

TEST_F(Integration, DamagedArchiveFailsTheTest) {
    const QString archive = folder.path("out.zip");
    ASSERT_EQ(zipSources(archive), 0);
    QFile file(archive);
    ASSERT_TRUE(file.open(QIODevice::ReadWrite));
    QByteArray bytes = file.readAll();
    for (int i = 50; i < 70; ++i)
        bytes[i] = static_cast<char>(~bytes[i]);
    file.seek(0);
    file.write(bytes);
    file.close();
    ASSERT_NE(testsupport::run("unzip", {"-tq", archive}), 0);
    engine.ZipFileName = archive;
    const int result = engine.Test();
    EXPECT_NE(result, 0);
    EXPECT_NE(result, ZE_ERR_LOAD);
}

TEST_F(Integration, PasswordTravelsToTheEngine) {
    const QString archive = folder.path("locked.zip");
    engine.Password = "s3cret";
    ASSERT_EQ(zipSources(archive), 0);
    // An independent reader opens it with the password only.
    EXPECT_EQ(testsupport::run("7z", {"t", "-ps3cret", archive}), 0);
    EXPECT_NE(testsupport::run("7z", {"t", "-pwrong", archive}), 0);
    engine.ZipFileName = archive;
    EXPECT_EQ(engine.Test(), 0);
    engine.Password = "wrong";
    engine.ZipFileName = archive;
    EXPECT_NE(engine.Test(), 0);
}

TEST_F(Integration, HandlerExceptionReachesTheCallerAfterCleanUp) {
    const QString archive = folder.path("thrown.zip");
    engine.OnGlobalStatus = [](TZipEngine *, const TZeGlobalStats &) {
        throw std::runtime_error("from the handler");
    };
    EXPECT_THROW(zipSources(archive), std::runtime_error);
    EXPECT_TRUE(engine.FilesToProcess.isEmpty());
    EXPECT_FALSE(engine.AbortRequested);
    // Whatever the engine left under the final name is a whole archive.
    if (QFileInfo::exists(archive)) {
        EXPECT_EQ(testsupport::run("unzip", {"-tq", archive}), 0);
    }

    // The component is ready for the next call.
    engine.OnGlobalStatus = nullptr;
    EXPECT_EQ(zipSources(archive), 0);
    EXPECT_EQ(testsupport::run("unzip", {"-tq", archive}), 0);
}

TEST_F(Integration, StampGivesTheArchiveItsNewestEntryDate) {
    const QString archive = folder.path("dated.zip");
    const QDateTime newest(QDate(2015, 6, 7), QTime(8, 9, 10));
    QFile alpha(folder.path("src/alpha.txt"));
    ASSERT_TRUE(alpha.open(QIODevice::ReadWrite));
    ASSERT_TRUE(alpha.setFileTime(newest, QFileDevice::FileModificationTime));
    alpha.close();
    QFile beta(folder.path("src/beta.bin"));
    ASSERT_TRUE(beta.open(QIODevice::ReadWrite));
    ASSERT_TRUE(beta.setFileTime(newest.addYears(-3), QFileDevice::FileModificationTime));
    beta.close();
    ASSERT_EQ(zipSources(archive), 0);
    engine.ZipFileName = archive;
    ASSERT_EQ(engine.StampZipDate(), 0);
    // Zip dates keep even seconds.
    EXPECT_LE(qAbs(QFileInfo(archive).lastModified().secsTo(newest)), 2);
}

}  // namespace

// Files told ahead: whatever happens between the calls (a change while the
// batch waits for the user, calls that leave the list), every archive holds
// its file as the call found it.
TEST_F(Integration, ExpectedZipsHoldTheFilesAsTheCallsFindThem) {
    struct Row {
        const char *label;
        QStringList calls;
        bool changeWhileWaiting;  // c.txt is rewritten while the loop waits
    } rows[] = {
        {"in order", {"a", "b", "c"}, false},
        {"changed while waiting", {"a", "b", "c"}, true},
        {"another order", {"b", "a", "c"}, false},
        {"one left out, then changed", {"a", "c"}, true},
    };
    for (const Row &r : rows) {
        QStringList files;
        for (const QString &name : QStringList{"a", "b", "c"}) {
            files << folder.path("ahead/" + name + ".txt");
            folder.write("ahead/" + name + ".txt",
                         QByteArray(name.toLatin1() + " before ").repeated(20000));
        }
        engine.UsePaths = false;
        engine.ExpectZips(files);
        for (const QString &name : r.calls) {
            if (name == r.calls.back() && r.changeWhileWaiting) {
                emit QAbstractEventDispatcher::instance()->aboutToBlock();
                folder.write("ahead/c.txt", QByteArray("c after! ").repeated(20000));
            }
            engine.ZipFileName = folder.path("ahead/" + name + ".zip");
            QFile::remove(engine.ZipFileName);
            engine.FilesToProcess = {folder.path("ahead/" + name + ".txt")};
            ASSERT_EQ(engine.Zip(zacNormal), 0) << r.label;
            QString out;
            ASSERT_EQ(testsupport::run("unzip", {"-p", engine.ZipFileName}, &out), 0) << r.label;
            EXPECT_EQ(out.toLatin1(), testsupport::readAll(folder.path("ahead/" + name + ".txt")))
                << r.label << " " << name.toStdString();
        }
    }
    engine.ExpectZips({});
}
