// The "&Zip" command on real files through the whole program: naming,
// deletion of originals, the include file, the date stamp, Pause and Stop,
// the end of the batch and bad input. Archives are checked by unzip, 7z and
// Python's zipfile.
#include "AppFixture.h"

#include "app/SecondaryWindows.h"
#include "batch/ArchiveNaming.h"
#include "batch/ui/ErrorLogWindow.h"
#include "platform/AppPaths.h"
#include "support/ArchiveCheck.h"
#include "support/RecordingShell.h"
#include "support/ScriptedDialogs.h"
#include "widgets/FileListBox.h"

#include <QCheckBox>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGroupBox>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QProgressBar>
#include <QRadioButton>
#include <QTimer>
#include <QToolButton>
#include <cstdio>
#include <functional>
#include <map>
#include <memory>

using testsupport::dialogs;
using testsupport::entryNames;
using testsupport::readersAccept;

class ZipBatch : public AppFixture {
  protected:
    // Starts the program on `files` (name -> contents) in the home folder,
    // with originals kept unless a test turns deletion on.
    void start(const QMap<QString, QByteArray> &files, bool deleteOriginals = false) {
        for (auto it = files.begin(); it != files.end(); ++it)
            tmp.write("home/" + it.key(), it.value());
        startProgram();
        options().setOn(Option::deleteOriginal, deleteOriginals);
        options().setOn(Option::beepZip, true);
    }
    FileListBox &list() { return fileList(); }
    void select(const QStringList &names) {
        list().clearSelection();
        for (int i = 0; i < list().count(); ++i)
            if (names.contains(list().name(i)))
                list().setSelected(i, true);
    }
    void zip() { button("Zip")->click(); }
    // Presses Pause while the first file is added, and runs `whilePaused`
    // once the batch has stopped at the next file to wait.
    void pauseAtFirstFile(std::function<void()> whilePaused) {
        auto paused = std::make_shared<bool>(false);
        form().ZipEngine1.OnAdding = [this, paused](TZipEngine *, const TZeFileStats &) {
            if (!*paused)
                button("Pause")->click();
            *paused = true;
        };
        QObject::connect(&form(), &TMainform::statusChanged, [whilePaused](const QString &s) {
            if (s == "Paused - Click Pause again to continue.")
                QTimer::singleShot(0, whilePaused);
        });
    }
    QStringList homeFiles() {
        return QDir(home()).entryList(QDir::Files | QDir::Hidden, QDir::Name);
    }
};

TEST(ArchiveNames, BaseNameAndPathRules) {
    using namespace archivenaming;
    struct Row {
        const char *name, *base;
    } bases[] = {{"report.doc", "report"}, {"data.tar.gz", "data.tar"}, {"README", "README"},
                 {".profile", ".profile"}, {"notes.", "notes"},         {".zip", ".zip"}};
    for (const Row &r : bases)
        EXPECT_EQ(baseName(r.name), r.base) << r.name;
    for (const char *zipName : {"x.zip", "X.ZIP", "a.Zip", "long.name.zIp"})
        EXPECT_TRUE(isZipName(zipName));
    for (const char *other : {".zip", "zip", "x.zi", "x.zip.txt", "xzip"})
        EXPECT_FALSE(isZipName(other));
    EXPECT_EQ(archivePath("/out/", "report.doc", ".zip", false, true), "/out/REPORT.ZIP");
    EXPECT_EQ(archivePath("/out/", ".profile", ".zip", false, false), "/out/.profile.zip");
    EXPECT_EQ(archivePath("/Out/", "notes.", ".zip", true, true), "/Out/notes..zip");
}

TEST_F(ZipBatch, NamingMatrix) {
    const QStringList names = {"data.tar.gz", "notes.", "README", "report.doc"};
    struct Row {
        bool keep, full, upper;
        QStringList archives;
    } rows[] = {
        {false, false, false, {"data.tar.zip", "notes.zip", "README.zip", "report.zip"}},
        {false, false, true, {"data.tar.ZIP", "notes.ZIP", "README.ZIP", "report.ZIP"}},
        {false, true, false, {"DATA.TAR.ZIP", "NOTES.ZIP", "README.ZIP", "REPORT.ZIP"}},
        {false, true, true, {"DATA.TAR.ZIP", "NOTES.ZIP", "README.ZIP", "REPORT.ZIP"}},
        {true, false, false, {"data.tar.gz.zip", "notes..zip", "README.zip", "report.doc.zip"}},
        {true, false, true, {"data.tar.gz.ZIP", "notes..ZIP", "README.ZIP", "report.doc.ZIP"}},
        {true, true, false, {"data.tar.gz.zip", "notes..zip", "README.zip", "report.doc.zip"}},
        {true, true, true, {"data.tar.gz.ZIP", "notes..ZIP", "README.ZIP", "report.doc.ZIP"}},
    };
    start({{"data.tar.gz", "d"}, {"notes.", "n"}, {"README", "r"}, {"report.doc", "doc"}});
    const QString out = tmp.mkdir("out");
    options().setPinned(Option::zipFolder, true);
    for (const Row &r : rows) {
        QDir(out).removeRecursively();
        QDir().mkpath(out);
        options().setText(Option::zipFolder, out + "/");
        options().setOn(Option::keepExtension, r.keep);
        options().setOn(Option::fullPaths, r.full);
        options().setOn(Option::upperCaseExtension, r.upper);
        select(names);
        zip();
        QStringList made = QDir(out).entryList(QDir::Files);
        QStringList wanted = r.archives;
        made.sort(Qt::CaseInsensitive);
        wanted.sort(Qt::CaseInsensitive);
        EXPECT_EQ(made, wanted) << r.keep << r.full << r.upper;
        for (const QString &archive : made)
            EXPECT_TRUE(readersAccept(out + "/" + archive)) << archive.toStdString();
        EXPECT_TRUE(form().ErrorLog.isEmpty());
    }
    // With full paths the entries keep the folder path, without its root.
    const QStringList stored = entryNames(out + "/README.ZIP");
    ASSERT_EQ(stored.size(), 1);
    EXPECT_EQ("/" + stored[0], home("README"));
}

TEST_F(ZipBatch, SameBaseNameEndsInOneArchive) {
    start({{"a.txt", "text"}, {"a.doc", "doc"}});
    select({"a.txt", "a.doc"});
    zip();
    QStringList names = entryNames(home("a.zip"));
    names.sort();
    EXPECT_EQ(names, QStringList({"a.doc", "a.txt"}));
    EXPECT_TRUE(readersAccept(home("a.zip")));
}

TEST_F(ZipBatch, ArchivesAreNotPackedAgainButTheCounterMoves) {
    tmp.write("home/x.zip", "not really");
    start({{"X.ZIP", "nor this"}, {"b.txt", "b"}});
    QStringList statuses;
    QObject::connect(&form(), &TMainform::statusChanged, [&](const QString &s) { statuses << s; });
    select({"x.zip", "X.ZIP", "b.txt"});
    dialogs().answer(platform::No);
    zip();
    // The list is ordered without regard to case: b.txt, X.ZIP, x.zip.
    EXPECT_EQ(form().ErrorLog.lines(),
              QStringList({"X.ZIP ignored. (Use rezip to recompress the zip file)",
                           "x.zip ignored. (Use rezip to recompress the zip file)"}));
    EXPECT_TRUE(statuses.contains("Zipping: 1/3 - 32% - (b.txt)"))
        << statuses.join("|").toStdString();
    EXPECT_TRUE(statuses.contains("Zipping: 3/3 - 99% - (x.zip)"))
        << statuses.join("|").toStdString();
    EXPECT_EQ(testsupport::readAll(home("x.zip")), "not really");
    EXPECT_EQ(testsupport::readAll(home("X.ZIP")), "nor this");
    EXPECT_TRUE(QFile::exists(home("b.zip")));
    EXPECT_EQ(form().status(), "Completed - errors occured.");
}

TEST_F(ZipBatch, DeletesOriginalsOnlyOnceTheirArchiveIsMade) {
    start({{"keep.txt", "k"}, {"locked.txt", "read-only"}}, true);
    testsupport::setReadOnly(home("locked.txt"), true);
    select({"keep.txt", "locked.txt"});
    zip();
    EXPECT_EQ(homeFiles(), QStringList({"keep.zip", "locked.zip"}));
    EXPECT_TRUE(readersAccept(home("locked.zip")));
    EXPECT_EQ(list().count(), 2);  // the list was read again
}

TEST_F(ZipBatch, IncludeFileGoesIntoEveryArchive) {
    const QString extra = tmp.write("extra/licence.txt", "licence");
    start({{"a.txt", "a"}, {"b.txt", "b"}}, true);
    options().setPinned(Option::includeFile, true);
    options().setText(Option::includeFile, extra);
    select({"a.txt", "b.txt"});
    zip();
    for (const char *archive : {"a.zip", "b.zip"}) {
        QStringList names = entryNames(home(archive));
        names.sort();
        EXPECT_EQ(names.size(), 2) << archive;
        EXPECT_TRUE(names.contains("licence.txt")) << archive;
        EXPECT_TRUE(readersAccept(home(archive)));
    }
}

// An original that is no longer the file that was archived (written to or
// replaced once the engine had read it, here when the archive is complete)
// is kept, and the log says it could not be deleted.
TEST_F(ZipBatch, OriginalsChangedWhileZippedAreKept) {
    const std::map<QString, std::function<void(const QString &)>> changes{
        {"appended.txt",
         [](const QString &path) {
             QFile file(path);
             ASSERT_TRUE(file.open(QIODevice::Append));
             file.write(" and more");
         }},
        {"replaced.txt",
         [this](const QString &path) {
             const QString other = tmp.write("other.txt", "another file");
             ASSERT_EQ(
                 rename(QFile::encodeName(other).constData(), QFile::encodeName(path).constData()),
                 0);
         }},
    };
    start({{"appended.txt", "a"}, {"calm.txt", "c"}, {"replaced.txt", "r"}}, true);
    QString current;
    form().ZipEngine1.OnAdding = [&](TZipEngine *, const TZeFileStats &stats) {
        current = QFileInfo(stats.FileName).fileName();
    };
    const auto bound = form().ZipEngine1.OnGlobalStatus;
    form().ZipEngine1.OnGlobalStatus = [&](TZipEngine *engine, const TZeGlobalStats &stats) {
        bound(engine, stats);
        if (stats.Percent == 100 && changes.count(current) != 0) {
            changes.at(current)(home(current));
            current.clear();
        }
    };
    select({"appended.txt", "calm.txt", "replaced.txt"});
    dialogs().answer(platform::No);
    zip();
    EXPECT_EQ(form().ErrorLog.lines(),
              QStringList({"appended.txt could not be deleted. (In use?)",
                           "replaced.txt could not be deleted. (In use?)"}));
    EXPECT_EQ(homeFiles(), QStringList({"appended.txt", "appended.zip", "calm.zip", "replaced.txt",
                                        "replaced.zip"}));
    EXPECT_EQ(testsupport::readAll(home("appended.txt")), "a and more");
    EXPECT_EQ(testsupport::readAll(home("replaced.txt")), "another file");
    EXPECT_TRUE(readersAccept(home("replaced.zip")));
}

TEST_F(ZipBatch, FailingIncludeFileIsLoggedAndTheOriginalStaysDeleted) {
    start({{"a.txt", "a"}}, true);
    const QString missing = tmp.path("extra/gone.txt");
    options().setText(Option::includeFile, missing);
    select({"a.txt"});
    dialogs().answer(platform::No);
    zip();
    ASSERT_EQ(form().ErrorLog.count(), 1);
    EXPECT_TRUE(form().ErrorLog.lines()[0].contains(missing))
        << form().ErrorLog.lines()[0].toStdString();
    EXPECT_FALSE(QFile::exists(home("a.txt")));
    EXPECT_EQ(entryNames(home("a.zip")), QStringList({"a.txt"}));
}

TEST_F(ZipBatch, DateStampFollowsTheNewestEntry) {
    start({{"old.txt", "o"}});
    const QDateTime past(QDate(2001, 2, 3), QTime(4, 5, 6));
    QFile file(home("old.txt"));
    ASSERT_TRUE(file.open(QIODevice::ReadWrite));
    file.setFileTime(past, QFileDevice::FileModificationTime);
    file.close();
    action("dateStamp")->trigger();
    select({"old.txt"});
    zip();
    const QDateTime stamped = QFileInfo(home("old.zip")).lastModified();
    EXPECT_LE(qAbs(stamped.secsTo(past)), 2);  // zip times have two-second steps
}

TEST_F(ZipBatch, NamesWithWildcardsStandForThemselves) {
    start({{"a*.txt", "star"}, {"ab.txt", "neighbour"}, {"a?.txt", "question"}});
    select({"a*.txt"});
    zip();
    EXPECT_EQ(entryNames(home("a*.zip")), QStringList({"a*.txt"}));
}

TEST_F(ZipBatch, EndOfBatchRestoresTheWindow) {
    start({{"a.txt", "a"}});
    action("ViewFolders")->trigger();
    zip();  // the folders view has nothing selected: the window comes back in the files view
    EXPECT_TRUE(widget<QRadioButton>("filesRadio").isChecked());
    EXPECT_EQ(form().status(), "Completed.");
    EXPECT_EQ(form().OperationFlag, "GO");
    EXPECT_EQ(testsupport::shell().beeps, 1);
    EXPECT_TRUE(button("Zip")->isEnabled());
    EXPECT_FALSE(button("Pause")->isEnabled());
    EXPECT_FALSE(button("Stop")->isEnabled());
    EXPECT_TRUE(list().isEnabled());
    EXPECT_TRUE(widget<QMenu>("toolsMenu").menuAction()->isEnabled());
    EXPECT_EQ(widget<QProgressBar>("ProgressBar1").value(), 0);
    EXPECT_EQ(widget<QProgressBar>("ProgressBar2").value(), 0);

    widget<QCheckBox>("beepZip").click();
    select({"a.txt"});
    zip();
    EXPECT_EQ(testsupport::shell().beeps, 1);
    EXPECT_EQ(form().status(), "Completed.");
}

// While a batch runs, every command, menu and control that could start
// another operation is disabled and Pause and Stop are enabled; afterwards
// everything is as it was.
TEST_F(ZipBatch, TheLockDisablesEveryCommandWhileTheBatchRuns) {
    start({{"a.txt", "a"}});
    QList<QAction *> actions = form().menuBar()->actions();
    actions += form()
                   .findChild<QObject *>("commands")
                   ->findChildren<QAction *>(Qt::FindDirectChildrenOnly);
    QList<QWidget *> inputs;
    for (QGroupBox *group : widget<QWidget>("Panel12").findChildren<QGroupBox *>())
        inputs << group;
    for (const char *name : {"banner", "foldersRadio", "filesRadio", "DirectoryListBox1",
                             "DriveComboBox1", "FileListBox1", "ListBox2", "filterBand"})
        inputs << &widget<QWidget>(name);
    ASSERT_EQ(actions.size(), 37);
    auto enabled = [&] {
        QStringList on;
        for (QAction *a : actions)
            if (a->isEnabled())
                on << (a->objectName().isEmpty() ? a->text() : a->objectName());
        for (QWidget *w : inputs)
            if (w->isEnabled())
                on << w->objectName();
        return on;
    };
    const QStringList before = enabled();
    QStringList during;
    form().ZipEngine1.OnAdding = [&](TZipEngine *, const TZeFileStats &) { during = enabled(); };
    select({"a.txt"});
    zip();
    // "Email a Suggestion" is hidden, and so never enabled.
    EXPECT_EQ(during, QStringList({"Pause", "Stop", "Exit", "Help", "Homepage", "About"}));
    EXPECT_EQ(enabled(), before);
    EXPECT_FALSE(before.contains("Pause"));
}

TEST_F(ZipBatch, ErrorsOfferTheLog) {
    start({{"x.zip", "z"}});
    for (platform::Button answer : {platform::No, platform::Yes}) {
        select({"x.zip"});
        dialogs().answer(answer);
        zip();
        EXPECT_EQ(dialogs().texts().last(),
                  "Some errors occured during the zipping operation. Would you like to view the "
                  "error log now ?");
        EXPECT_EQ(app->windows().errorLog->isVisible(), answer == platform::Yes);
        EXPECT_EQ(form().ErrorLog.count(), 1);  // cleared at every start
    }
}

TEST_F(ZipBatch, PauseThenStopProcessesThePausedEntryThenEnds) {
    start({{"1.txt", "1"}, {"2.txt", "2"}, {"3.txt", "3"}});
    pauseAtFirstFile([this] { button("Stop")->click(); });
    select({"1.txt", "2.txt", "3.txt"});
    zip();
    EXPECT_TRUE(QFile::exists(home("1.zip")));
    EXPECT_TRUE(QFile::exists(home("2.zip")));
    EXPECT_FALSE(QFile::exists(home("3.zip")));
    EXPECT_EQ(form().status(), "Zipping process halted by User.");
    EXPECT_EQ(form().OperationFlag, "GO");
}

TEST_F(ZipBatch, PauseAfterStopLetsTheBatchGoOn) {
    start({{"1.txt", "1"}, {"2.txt", "2"}});
    bool clicked = false;
    form().ZipEngine1.OnAdding = [&](TZipEngine *, const TZeFileStats &) {
        if (clicked)
            return;
        clicked = true;
        button("Stop")->click();
        button("Pause")->click();
    };
    select({"1.txt", "2.txt"});
    zip();
    EXPECT_TRUE(QFile::exists(home("1.zip")));
    EXPECT_TRUE(QFile::exists(home("2.zip")));
    EXPECT_EQ(form().status(), "Completed.");
}

TEST_F(ZipBatch, VanishedSourceAndUnwritableDestinationLoseNothing) {
    start({{"gone.txt", "g"}, {"stays.txt", "s"}}, true);
    select({"gone.txt", "stays.txt"});
    QFile::remove(home("gone.txt"));
    dialogs().answer(platform::No);
    zip();
    ASSERT_EQ(form().ErrorLog.count(), 1);
    EXPECT_TRUE(form().ErrorLog.lines()[0].startsWith("gone.txt"))
        << form().ErrorLog.lines()[0].toStdString();
    EXPECT_FALSE(QFile::exists(home("gone.zip")));
    EXPECT_EQ(homeFiles(), QStringList({"stays.zip"}));

    // A destination below a regular file cannot be written: every entry
    // fails, every original stays, the batch runs to its end.
    tmp.write("home/one.txt", "1");
    tmp.write("home/two.txt", "2");
    const QString blocker = tmp.write("blocker", "file");
    options().setPinned(Option::zipFolder, true);
    options().setText(Option::zipFolder, blocker + "/sub/");
    list().reread();
    select({"one.txt", "two.txt"});
    dialogs().answer(platform::No);
    zip();
    EXPECT_EQ(form().ErrorLog.count(), 2);
    EXPECT_TRUE(QFile::exists(home("one.txt")));
    EXPECT_TRUE(QFile::exists(home("two.txt")));
}

TEST_F(ZipBatch, EncryptedArchivesAndProgress) {
    start({{"secret.txt", QByteArray(300000, 's')}});
    widget<QLineEdit>("zipPassword").setText("pa55");
    QList<int> item;
    const auto bound = form().ZipEngine1.OnGlobalStatus;
    form().ZipEngine1.OnGlobalStatus = [&](TZipEngine *engine, const TZeGlobalStats &stats) {
        bound(engine, stats);
        item << widget<QProgressBar>("ProgressBar2").value();
    };
    select({"secret.txt"});
    zip();
    EXPECT_TRUE(readersAccept(home("secret.zip"), "pa55"));
    EXPECT_FALSE(testsupport::sevenZipAccepts(home("secret.zip"), "wrong"));
    ASSERT_FALSE(item.isEmpty());
    EXPECT_EQ(item.last(), 100);
}

TEST_F(ZipBatch, ClosingThePausedWindowEndsTheBatch) {
    start({{"1.txt", "1"}, {"2.txt", "2"}, {"3.txt", "3"}});
    pauseAtFirstFile([this] { form().close(); });
    select({"1.txt", "2.txt", "3.txt"});
    zip();
    EXPECT_TRUE(QFile::exists(settingsFile()));
    EXPECT_FALSE(QFile::exists(home("3.zip")));
    EXPECT_EQ(form().OperationFlag, "GO");
}

TEST_F(ZipBatch, ClosingDuringABatchShutsDownOnlyOnceItHasReturned) {
    // "temp.$$$" stands for a re-zip's extraction folder: removed while the
    // batch still used it, a rebuilt archive would lose its files.
    // With a line in the error log, the end-of-batch question is not asked:
    // the window is on its way out (a box nobody expects fails the test).
    const struct {
        const char *how;
        std::function<void(TMainform &)> close;
        bool withError;
    } rows[] = {{"close box", [](TMainform &f) { f.close(); }, false},
                {"Exit", [](TMainform &f) { f.findAction("Exit")->trigger(); }, false},
                {"close box, error logged", [](TMainform &f) { f.close(); }, true}};
    for (const auto &r : rows) {
        SCOPED_TRACE(r.how);
        testsupport::TempFolder local;
        platform::overrideDataFolder(local.mkdir("app"));
        const QString work = local.write("app/temp.$$$/extracted.txt", "x");
        const QString settings = local.path("app/Tovrane5.Cfg");
        start({{"0.txt", "0"}, {"1.txt", "1"}, {"2.txt", "2"}});
        select({"0.txt", "1.txt", "2.txt"});
        if (r.withError)
            QFile::remove(home("0.txt"));  // vanished: one error line, no progress
        else
            list().setSelected(0, false);
        struct Seen {
            bool closed = false, workKept = false, settingsWritten = true, visible = false;
            bool settingsAtHalt = true;
        };
        auto seen = std::make_shared<Seen>();
        const auto bound = form().ZipEngine1.OnGlobalStatus;
        form().ZipEngine1.OnGlobalStatus = [&, seen](TZipEngine *e, const TZeGlobalStats &s) {
            bound(e, s);
            if (seen->closed)
                return;
            seen->closed = true;
            r.close(form());
            seen->workKept = QFile::exists(work);
            seen->settingsWritten = QFile::exists(settings);
            seen->visible = form().isVisible();
        };
        QObject::connect(&form(), &TMainform::statusChanged, [seen, settings](const QString &s) {
            if (s == "Zipping process halted by User.")
                seen->settingsAtHalt = QFile::exists(settings);
        });
        zip();
        EXPECT_TRUE(seen->closed);
        EXPECT_TRUE(seen->workKept) << "the work folder outlives the batch";
        EXPECT_FALSE(seen->settingsWritten);
        EXPECT_TRUE(seen->visible) << "the window waits for the batch";
        EXPECT_FALSE(seen->settingsAtHalt) << "the batch ends before the shutdown";
        EXPECT_TRUE(QFile::exists(home("1.zip")));
        EXPECT_FALSE(QFile::exists(home("2.zip"))) << "the close stopped the batch";
        EXPECT_FALSE(QFileInfo::exists(local.path("app/temp.$$$")));
        EXPECT_TRUE(QFile::exists(settings));
        EXPECT_FALSE(form().isVisible());
        EXPECT_EQ(form().OperationFlag, "GO");
        EXPECT_EQ(form().ErrorLog.count(), r.withError ? 1 : 0);
        app.reset();
        for (const char *name : {"0.txt", "1.zip", "1.txt", "2.txt"})
            QFile::remove(home(name));
    }
}
