// The zip testing tool: verdict lines, progress, the no-selection box, Stop
// and closing the window during a run.
#include "EngineFixture.h"
#include "platform/Rounding.h"
#include "support/TableFileList.h"

#include "engine/ZipEngine.h"
#include "engine/ui/ZipTestWindow.h"
#include "support/ScriptedDialogs.h"
#include "support/TempFolder.h"
#include "widgets/BusyIndicator.h"

#include <gtest/gtest.h>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QTest>

namespace {

using testsupport::TempFolder;

QStringList lines(const Tziptest &window) {
    QStringList result;
    for (int i = 0; i < window.ListBox1()->count(); ++i)
        result << window.ListBox1()->item(i)->text();
    return result;
}

TEST(ZipTestTool, VerdictLines) {
    const struct {
        const char *name;
        int result;
        const char *line;
    } rows[] = {
        {"good.zip", 0, "good.zip  (Ok)"},
        {"UPPER.ZIP", 0, "UPPER.ZIP  (Ok)"},
        {"Mixed.zIp", 410, "Mixed.zIp  (Corrupt) - Code (410)"},
        {"gone.zip", 240, "gone.zip  (Corrupt) - Code (240)"},
        {"odd.zip", -1, "odd.zip  (Corrupt) - Code (-1)"},
        {"notes.txt", 0, "notes.txt  (Not a valid zip archive)"},
        {"almost.zi", 0, "almost.zi  (Not a valid zip archive)"},
        {"real-zip.txt", 110, "real-zip.txt  (Not a valid zip archive)"},
        {"zip", 0, "zip  (Not a valid zip archive)"},
        {".zip", 0, ".zip  (Ok)"},
    };
    for (const auto &row : rows)
        EXPECT_EQ(ziptest::verdictLine(row.name, row.result), row.line) << row.name;
}

TEST(ZipTestTool, ProgressRoundsHalvesToEven) {
    const struct {
        int index, count, percent;
    } rows[] = {{1, 2, 100}, {1, 9, 12},  {3, 9, 38},  {5, 9, 62},   {7, 9, 88},
                {8, 9, 100}, {1, 201, 0}, {3, 201, 2}, {1, 3, 50},   {2, 7, 33},
                {4, 7, 67},  {1, 41, 2},  {3, 41, 8},  {13, 27, 50}, {1, 401, 0}};
    for (const auto &row : rows)
        EXPECT_EQ(platform::walkPercent(row.index, row.count), row.percent)
            << row.index << " of " << row.count;
}

struct ToolFixture : ::testing::Test {
    TempFolder folder;
    QWidget mainWindow;
    BusyIndicator animation;
    TZipEngine engine;
    Tziptest window{animation, &mainWindow};
    QList<int> progress;

    void SetUp() override {
        mainWindow.show();
        QObject::connect(window.ProgressBar1(), &QProgressBar::valueChanged,
                         [this](int v) { progress << v; });
    }
    // A real archive made by Info-ZIP's zip.
    QString makeZip(const QString &name) {
        folder.write("src/one.txt", QByteArray(20000, 'a') + "one");
        folder.write("src/two.txt", QByteArray("two, a little text to pack ").repeated(400));
        const QString path = folder.path(name);
        EXPECT_EQ(testsupport::run("zip", {"-q", "-j", path, folder.path("src/one.txt"),
                                           folder.path("src/two.txt")}),
                  0);
        return path;
    }
    // The same, with bytes of the first entry's packed data flipped.
    QString makeCorruptZip(const QString &name) {
        const QString path = makeZip(name);
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::ReadWrite));
        QByteArray bytes = file.readAll();
        for (int i = 60; i < 80; ++i)
            bytes[i] = static_cast<char>(~bytes[i]);
        file.seek(0);
        file.write(bytes);
        file.close();
        EXPECT_NE(testsupport::run("unzip", {"-tq", path}), 0) << "damage went unnoticed";
        return path;
    }
    void expectIdleAfterRun() {
        EXPECT_EQ(window.ProgressBar1()->value(), 0);
        EXPECT_EQ(window.runFlag(), "GO");
        EXPECT_FALSE(window.BitBtn2()->isEnabled());
        EXPECT_FALSE(animation.isRunning());
    }
};

TEST_F(ToolFixture, NoSelectionShowsOnlyTheBox) {
    TableFileList files(folder.path(), {{"a.zip", false}, {"b.zip", false}});
    testsupport::dialogs().answer(platform::Cancel);
    window.testSelectedFiles(files, engine, {});
    ASSERT_EQ(testsupport::dialogs().boxes().size(), 1);
    const testsupport::ShownBox box = testsupport::dialogs().boxes().first();
    EXPECT_EQ(box.kind, platform::MessageKind::Information);
    EXPECT_EQ(box.text, "You must select a Zip file before testing can take place.");
    EXPECT_EQ(box.buttons, platform::Buttons(platform::Cancel));
    EXPECT_FALSE(window.isVisible());
    EXPECT_FALSE(animation.isRunning());
    EXPECT_TRUE(mainWindow.isEnabled());
}

TEST_F(ToolFixture, MissingEngineMakesEveryZipCorrupt240) {
    TempFolder empty;
    engine.setLibraryFolder(empty.path());
    TableFileList files(
        folder.path(),
        {{"a.zip", true}, {"b.txt", true}, {"c.ZIP", false}, {"d.Zip", true}, {"e.zi", true}});
    window.testSelectedFiles(files, engine, {});
    EXPECT_EQ(lines(window),
              QStringList({"a.zip  (Corrupt) - Code (240)", "b.txt  (Not a valid zip archive)",
                           "d.Zip  (Corrupt) - Code (240)", "e.zi  (Not a valid zip archive)"}));
    EXPECT_EQ(progress, QList<int>({25, 50, 75, 100, 0}));
    EXPECT_TRUE(testsupport::dialogs().boxes().isEmpty());
    EXPECT_TRUE(window.isVisible());
    EXPECT_FALSE(mainWindow.isEnabled());  // until the window closes
    expectIdleAfterRun();

    // Closing the idle window asks nothing and gives the main window back.
    window.close();
    EXPECT_FALSE(window.isVisible());
    EXPECT_TRUE(mainWindow.isEnabled());
    EXPECT_EQ(window.runFlag(), "STOP");

    // The next run starts with an empty list.
    TableFileList one(folder.path(), {{"only.zip", true}});
    progress.clear();
    window.testSelectedFiles(one, engine, {});
    EXPECT_EQ(lines(window), QStringList({"only.zip  (Corrupt) - Code (240)"}));
    EXPECT_TRUE(progress.isEmpty());  // one line: never divided, stays at 0
    EXPECT_EQ(window.runFlag(), "GO");
}

TEST_F(ToolFixture, MixedSelectionIsJudgedByNameAndTest) {
    REQUIRE_ENGINE_LIBRARIES();
    makeZip("good.zip");
    makeCorruptZip("bad.zip");
    makeZip("UPPER.ZIP");
    makeZip("zipped.txt");  // a real archive, but not by name
    folder.write("plain.txt", "just text");
    makeZip("skipped.zip");
    QStringList tested;
    engine.OnGlobalStatus = [&](TZipEngine *e, const TZeGlobalStats &) {
        if (!tested.contains(e->ZipFileName))
            tested << e->ZipFileName;
    };
    TableFileList files(folder.path(), {{"good.zip", true},
                                        {"bad.zip", true},
                                        {"UPPER.ZIP", true},
                                        {"zipped.txt", true},
                                        {"plain.txt", true},
                                        {"skipped.zip", false}});
    window.testSelectedFiles(files, engine, {});
    const QStringList got = lines(window);
    ASSERT_EQ(got.size(), 5);
    EXPECT_EQ(got[0], "good.zip  (Ok)");
    EXPECT_TRUE(got[1].startsWith("bad.zip  (Corrupt) - Code (")) << got[1].toStdString();
    EXPECT_FALSE(got[1].endsWith("(240)"));
    EXPECT_EQ(got[2], "UPPER.ZIP  (Ok)");
    EXPECT_EQ(got[3], "zipped.txt  (Not a valid zip archive)");
    EXPECT_EQ(got[4], "plain.txt  (Not a valid zip archive)");
    // The text files went to the engine too; the unselected archive did not.
    EXPECT_TRUE(tested.contains(folder.path("zipped.txt")));
    EXPECT_FALSE(tested.contains(folder.path("skipped.zip")));
    EXPECT_EQ(progress, QList<int>({20, 40, 60, 80, 100, 0}));
    expectIdleAfterRun();
}

// The run sends the "Set Unzip Password :" value, whatever an earlier batch
// left in the engine.
TEST_F(ToolFixture, TestsWithTheUnzipPassword) {
    REQUIRE_ENGINE_LIBRARIES();
    folder.write("src/secret.txt", QByteArray("private words ").repeated(300));
    ASSERT_EQ(testsupport::run("zip", {"-q", "-j", "-P", "open sesame", folder.path("locked.zip"),
                                       folder.path("src/secret.txt")}),
              0);
    const struct {
        const char *leftInEngine, *unzipPassword;
        bool ok;
    } rows[] = {
        {"", "open sesame", true},
        {"wrong", "open sesame", true},
        {"open sesame", "", false},
        {"open sesame", "wrong", false},
    };
    TableFileList files(folder.path(), {{"locked.zip", true}});
    for (const auto &r : rows) {
        engine.Password = r.leftInEngine;
        window.testSelectedFiles(files, engine, r.unzipPassword);
        const QStringList got = lines(window);
        ASSERT_EQ(got.size(), 1);
        EXPECT_EQ(got[0] == "locked.zip  (Ok)", r.ok)
            << r.leftInEngine << " / " << r.unzipPassword << ": " << got[0].toStdString();
    }
}

TEST_F(ToolFixture, StopFinishesTheCurrentFileAndSkipsTheRest) {
    REQUIRE_ENGINE_LIBRARIES();
    for (const char *name : {"1.zip", "2.zip", "3.zip"})
        makeZip(name);
    int presses = 0;
    engine.OnGlobalStatus = [&](TZipEngine *, const TZeGlobalStats &) {
        if (presses++ == 0)
            QTest::mouseClick(window.BitBtn2(), Qt::LeftButton);
    };
    TableFileList files(folder.path(), {{"1.zip", true}, {"2.zip", true}, {"3.zip", true}});
    window.testSelectedFiles(files, engine, {});
    EXPECT_EQ(lines(window), QStringList({"1.zip  (Ok)"}));
    EXPECT_EQ(progress, QList<int>({50, 100, 0}));
    expectIdleAfterRun();
}

TEST_F(ToolFixture, ClosingDuringARunAsksFirst) {
    REQUIRE_ENGINE_LIBRARIES();
    for (const char *name : {"1.zip", "2.zip", "3.zip"})
        makeZip(name);
    TableFileList files(folder.path(), {{"1.zip", true}, {"2.zip", true}, {"3.zip", true}});

    // No: the window stays and the run goes on to the end.
    bool asked = false;
    engine.OnGlobalStatus = [&](TZipEngine *, const TZeGlobalStats &) {
        if (asked)
            return;
        asked = true;
        testsupport::dialogs().answer(platform::No);
        window.close();
        EXPECT_TRUE(window.isVisible());
        EXPECT_TRUE(animation.isRunning());
        EXPECT_FALSE(mainWindow.isEnabled());
    };
    window.testSelectedFiles(files, engine, {});
    EXPECT_EQ(lines(window).size(), 3);
    EXPECT_EQ(testsupport::dialogs().texts(), QStringList{"Cancel Zip testing operation ?"});
    EXPECT_EQ(testsupport::dialogs().boxes().first().kind, platform::MessageKind::Confirmation);
    EXPECT_EQ(testsupport::dialogs().boxes().first().buttons, platform::Yes | platform::No);
    expectIdleAfterRun();

    // Yes: the window goes, the main window comes back, the rest is skipped.
    asked = false;
    progress.clear();
    engine.OnGlobalStatus = [&](TZipEngine *, const TZeGlobalStats &) {
        if (asked)
            return;
        asked = true;
        testsupport::dialogs().answer(platform::Yes);
        window.close();
        EXPECT_FALSE(window.isVisible());
        EXPECT_FALSE(animation.isRunning());
        EXPECT_TRUE(mainWindow.isEnabled());
        EXPECT_EQ(window.runFlag(), "STOP");
    };
    window.testSelectedFiles(files, engine, {});
    EXPECT_EQ(lines(window), QStringList({"1.zip  (Ok)"}));
    EXPECT_EQ(progress, QList<int>({50, 100, 0}));
    EXPECT_FALSE(window.isVisible());
    EXPECT_TRUE(mainWindow.isEnabled());
    expectIdleAfterRun();
}

}  // namespace
