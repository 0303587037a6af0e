// The installed layout: `cmake --install` into a temporary prefix, then the
// programs run from there find their engine libraries, help and settings
// folder as an installed program must, and the file-manager actions work.
#include "BatchTool.h"
#include "app/HelpWindow.h"
#include "cli/CliOptions.h"
#include "platform/AppPaths.h"
#include "support/ArchiveCheck.h"
#include "support/TempFolder.h"

#include <QDir>
#include <QDirIterator>
#include <QFileInfo>
#include <QRegularExpression>
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
          "share/man/man1/tovrane.1.gz", "share/man/man1/tovrane-batch.1.gz",
          "share/doc/tovrane/copyright", "share/doc/tovrane/changelog.gz",
          "share/bash-completion/completions/tovrane-batch"})
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

// Bash offers exactly the options that each command's usage lists.
TEST_F(Installed, BashCompletesTheOptionsOfEachCommand) {
    const QRegularExpression listed(QStringLiteral("^ +(?:(-[a-z0-9]), )? *(--[a-z-]+)"),
                                    QRegularExpression::MultilineOption);
    for (const QString &command : cli::commandNames()) {
        QStringList usage;
        for (const auto &m : listed.globalMatch(cli::usageText(command)))
            usage << m.captured(2)
                  << (m.captured(1).isEmpty() ? QStringList() : QStringList{m.captured(1)});
        QString offered;
        testsupport::run("bash",
                         {"-c",
                          "source \"$0\"; COMP_WORDS=(tovrane-batch \"$1\" -); COMP_CWORD=2; "
                          "_tovrane_batch; printf '%s\\n' \"${COMPREPLY[@]}\"",
                          path("share/bash-completion/completions/tovrane-batch"), command},
                         &offered);
        QStringList completed = offered.split('\n', Qt::SkipEmptyParts);
        usage.sort();
        completed.sort();
        EXPECT_EQ(completed, usage) << command.toStdString();
    }
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

// Each action of a Dolphin service menu or a Nemo action file: the name in
// the menu and the command line.
struct Action {
    QString name;
    QString exec;
};

QList<Action> actionsIn(const QString &file) {
    QList<Action> actions;
    QString name;
    for (const QString &line : QString::fromUtf8(testsupport::readAll(file)).split('\n')) {
        if (line.startsWith("Name="))
            name = line.mid(5);
        else if (line.startsWith("Exec="))
            actions.append({name, line.mid(5)});
    }
    return actions;
}

// Every file below `folder` with its bytes.
QMap<QString, QByteArray> contents(const QString &folder) {
    QMap<QString, QByteArray> files;
    for (QDirIterator it(folder, QDir::Files, QDirIterator::Subdirectories); it.hasNext();) {
        const QString file = it.next();
        files[file] = testsupport::readAll(file);
    }
    return files;
}

TEST_F(Installed, FileManagerActionsMakeArchivesAndDeleteNothing) {
    QList<Action> actions;
    const QDir menus(path("share/kio/servicemenus"));
    for (const QString &menu : menus.entryList(QDir::Files)) {
        actions += actionsIn(menus.filePath(menu));
        // Dolphin's service menus are of type Service, for which the validator
        // takes MimeType and Actions for errors: those two lines only.
        QString output;
        testsupport::run("desktop-file-validate", {menus.filePath(menu)}, &output);
        for (const QString &line : output.split('\n', Qt::SkipEmptyParts))
            EXPECT_TRUE(line.contains("the type is \"Service\" while this key is only valid"))
                << line.toStdString();
    }
    const QDir nemo(path("share/nemo/actions"));
    for (const QString &file : nemo.entryList(QDir::Files))
        actions += actionsIn(nemo.filePath(file));
    QStringList names;
    for (const Action &a : actions)
        names << a.name;
    names.sort();
    EXPECT_EQ(names, QStringList({"Test archives", "Test archives", "Unzip each archive here",
                                  "Unzip each archive here", "Zip each file into its own archive",
                                  "Zip each file into its own archive",
                                  "Zip each folder into its own archive",
                                  "Zip each folder into its own archive"}));

    for (const Action &action : actions) {
        TempFolder work;
        const QString a = work.write("in/a report.txt", QByteArray(5000, 'a'));
        const QString b = work.write("in/b.txt", "b");
        const QString d = work.mkdir("in/d");
        work.write("in/d/sub/c.txt", "c");
        ASSERT_EQ(testsupport::run("zip", {"-q", "-j", "e.zip", b}, nullptr, work.path("in")), 0);
        const QString zipped = work.path("in/e.zip");
        struct Expect {
            QString command;
            QStringList selection;
            QStringList made;  // archives the readers accept, or files extracted
        } expects[] = {
            {"zip", {a, b}, {"in/a report.zip", "in/b.zip"}},
            {"zip-folders", {d}, {"in/D.ZIP"}},  // the folder batch's names are capitals
            {"unzip", {zipped}, {"in/e/b.txt"}},
            {"test", {zipped}, {}},
        };
        QStringList words = action.exec.split(' ');
        const Expect *expect = nullptr;
        for (const Expect &e : expects)
            if (words.value(1) == e.command)
                expect = &e;
        ASSERT_TRUE(expect && words.first() == "tovrane-batch") << action.exec.toStdString();
        words.replace(words.indexOf("%F"), expect->selection.join('\n'));
        const QStringList args = words.mid(1).join('\n').split('\n');
        const QMap<QString, QByteArray> before = contents(work.path("in"));

        // No desktop here: no session bus, which must change nothing.
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("DBUS_SESSION_BUS_ADDRESS", "unix:path=" + work.path("no-bus"));
        environment.insert("XDG_CACHE_HOME", work.path("cache"));
        const clitest::ToolRun run =
            clitest::runInEnvironment(args, path("bin/tovrane-batch"), environment);

        EXPECT_EQ(run.exitCode, 0) << action.exec.toStdString();
        EXPECT_TRUE(run.errLines.isEmpty()) << run.errLines.join('\n').toStdString();
        for (const QString &made : expect->made)
            EXPECT_TRUE(made.endsWith(".zip", Qt::CaseInsensitive)
                            ? testsupport::readersAccept(work.path(made))
                            : QFileInfo::exists(work.path(made)))
                << action.exec.toStdString() << ": " << made.toStdString();
        if (expect->command == "test") {
            EXPECT_TRUE(run.out.contains("(Ok)")) << run.out.toStdString();
        }
        const QMap<QString, QByteArray> after = contents(work.path("in"));
        for (auto it = before.begin(); it != before.end(); ++it)
            EXPECT_EQ(after.value(it.key()), it.value()) << it.key().toStdString();
    }
}

}  // namespace
