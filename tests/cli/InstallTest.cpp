// The installed layout: `cmake --install` into a temporary prefix, then the
// programs run from there find their engine libraries, help and settings
// folder as an installed program must.
#include "BatchTool.h"
#include "app/HelpWindow.h"
#include "platform/AppPaths.h"
#include "support/ArchiveCheck.h"
#include "support/TempFolder.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

#include <gtest/gtest.h>

using testsupport::TempFolder;

namespace {

// The build installed once for every test of this file.
class Installed : public ::testing::Test {
  protected:
    static void SetUpTestSuite() {
        prefix = new TempFolder;
        QString output;
        status = testsupport::run(
            QStringLiteral(TOVRANE_CMAKE_COMMAND),
            {"--install", QStringLiteral(TOVRANE_BUILD_FOLDER), "--prefix", prefix->path()},
            &output);
        log = output;
    }
    static void TearDownTestSuite() {
        delete prefix;
        prefix = nullptr;
    }
    void SetUp() override { ASSERT_EQ(status, 0) << log.toStdString(); }
    void TearDown() override {
        platform::overrideAppFolder({});
        platform::overrideDataFolder({});
    }
    static QString path(const QString &relative) { return prefix->path(relative); }

    static inline TempFolder *prefix = nullptr;
    static inline int status = -1;
    static inline QString log;
};

TEST_F(Installed, EveryFileInItsPlace) {
    for (const char *file :
         {"bin/tovrane", "bin/tovrane-batch", "lib/tovrane/libzezip.so",
          "lib/tovrane/libzeunzip.so", "share/tovrane/help.html", "share/tovrane/main-window.png",
          "share/applications/org.tovrane.Tovrane.desktop",
          "share/metainfo/org.tovrane.Tovrane.metainfo.xml",
          "share/icons/hicolor/scalable/apps/org.tovrane.Tovrane.svg",
          "share/man/man1/tovrane-batch.1"})
        EXPECT_TRUE(QFileInfo::exists(path(file))) << file;
    // Nothing beside the programs but the programs.
    EXPECT_EQ(QDir(path("bin")).entryList(QDir::Files, QDir::Name),
              QStringList({"tovrane", "tovrane-batch"}));
    struct Check {
        const char *program;
        QStringList args;
    } checks[] = {
        {"desktop-file-validate", {path("share/applications/org.tovrane.Tovrane.desktop")}},
        {"appstreamcli",
         {"validate", "--no-net", path("share/metainfo/org.tovrane.Tovrane.metainfo.xml")}},
    };
    for (const Check &c : checks) {
        if (QStandardPaths::findExecutable(c.program).isEmpty())
            continue;
        QString output;
        EXPECT_EQ(testsupport::run(c.program, c.args, &output), 0) << output.toStdString();
    }
    QString ldd;
    testsupport::run("ldd", {path("bin/tovrane")}, &ldd);
    EXPECT_FALSE(ldd.contains("not found")) << ldd.toStdString();
}

TEST_F(Installed, ToolFindsItsEngineUnderLib) {
    TempFolder work;
    const QString file = work.write("a.txt", QByteArray(3000, 'x'));
    const clitest::ToolRun run = clitest::runTool({"zip", file}, path("bin/tovrane-batch"));
    EXPECT_EQ(run.exitCode, 0) << run.errLines.join('\n').toStdString();
    EXPECT_TRUE(testsupport::readersAccept(work.path("a.zip")));
}

TEST_F(Installed, HelpAndSettingsFoldersOfAnInstalledProgram) {
    struct Row {
        QString programFolder;
        QString help;
        bool settingsBesideProgram;
    } rows[] = {
        // Installed: help under share, settings per user, even for root.
        {path("bin"), path("share/tovrane/help.html"), false},
        // The build: everything beside the program.
        {QStringLiteral(TOVRANE_PROGRAM_FOLDER),
         QStringLiteral(TOVRANE_PROGRAM_FOLDER) + "/docs/help.html", true},
    };
    for (const Row &r : rows) {
        platform::overrideAppFolder(r.programFolder);
        EXPECT_EQ(THelpWindow::helpFile(), r.help);
        EXPECT_EQ(platform::dataFolder() == r.programFolder, r.settingsBesideProgram)
            << r.programFolder.toStdString() << " -> " << platform::dataFolder().toStdString();
        // The re-zip work folder is scratch data: the cache, not the settings' folder.
        EXPECT_EQ(platform::workFolder(),
                  r.settingsBesideProgram
                      ? r.programFolder
                      : QStandardPaths::writableLocation(QStandardPaths::CacheLocation));
    }
}

}  // namespace
