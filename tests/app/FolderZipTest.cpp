// "&Zip" in the folders view through the whole program: archive names and
// stored paths, folders removed after their archive, Pause and Stop, and a
// browsed folder that is gone by the time the batch reaches it.
#include "AppFixture.h"

#include "support/ArchiveCheck.h"
#include "support/ScriptedDialogs.h"
#include "widgets/FileListBox.h"
#include "widgets/FolderListBox.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QRadioButton>
#include <QTimer>
#include <QToolButton>

using testsupport::dialogs;
using testsupport::entryNames;
using testsupport::readersAccept;

class FolderZip : public AppFixture {
  protected:
    // Folders of the home folder, each with files at three levels.
    void start(const QStringList &folders) {
        for (const QString &f : folders) {
            tmp.write("home/" + f + "/top.txt", "top " + f.toUtf8());
            tmp.write("home/" + f + "/one/mid.txt", QByteArray(50000, 'm'));
            tmp.write("home/" + f + "/one/two/deep.txt", "deep");
        }
        startProgram();
        action("ViewFolders")->trigger();
        recordStatuses();
    }
    void recordStatuses() {
        QObject::connect(&form(), &TMainform::statusChanged,
                         [this](const QString &s) { statuses << s; });
    }
    FolderListBox &folders() { return folderList(); }
    void select(const QStringList &names) {
        folders().clearSelection();
        for (int i = 0; i < folders().count(); ++i)
            if (names.contains(folders().name(i)))
                folders().setSelected(i, true);
    }
    void zip() { button("Zip")->click(); }

    QStringList statuses;
};

TEST_F(FolderZip, EachFolderBecomesOneArchiveAndGoesWhenAsked) {
    start({"Docs", "photos", "Kept"});
    ASSERT_FALSE(action("deleteFolder")->isChecked());  // off by default
    action("deleteFolder")->trigger();
    select({"Docs", "photos"});
    zip();
    for (const char *archive : {"DOCS.ZIP", "PHOTOS.ZIP"}) {
        QStringList names = entryNames(home(archive));
        names.sort();
        const QString folder = QString(archive).startsWith("D") ? "Docs" : "photos";
        EXPECT_EQ(names, QStringList({folder + "/one/mid.txt", folder + "/one/two/deep.txt",
                                      folder + "/top.txt"}))
            << archive;
        EXPECT_TRUE(readersAccept(home(archive))) << archive;
    }
    EXPECT_FALSE(QFileInfo::exists(home("Docs")));
    EXPECT_FALSE(QFileInfo::exists(home("photos")));
    EXPECT_TRUE(QFileInfo::exists(home("Kept/one/two/deep.txt")));
    EXPECT_TRUE(statuses.contains("Zipping folders...  (1/2)  (Docs)"));
    EXPECT_TRUE(statuses.contains("Zipping folders...  (2/2)  (photos)"));
    EXPECT_EQ(form().status(), "Completed.");
    // The batch ends in the files view, its new archives listed.
    EXPECT_TRUE(widget<QRadioButton>("filesRadio").isChecked());
    EXPECT_TRUE(fileList().isEnabled());
    EXPECT_TRUE(button("Zip")->isEnabled());
    EXPECT_EQ(QDir::currentPath(), home());
    EXPECT_TRUE(form().ErrorLog.isEmpty());
}

TEST_F(FolderZip, PauseThenStopFinishesTheFolderWherePauseBegan) {
    start({"A", "B", "C"});
    bool paused = false;
    form().ZipEngine1.OnAdding = [&](TZipEngine *, const TZeFileStats &) {
        if (!paused)
            button("Pause")->click();
        paused = true;
    };
    QObject::connect(&form(), &TMainform::statusChanged, [this](const QString &s) {
        if (s == "Paused - Click Pause again to continue.")
            QTimer::singleShot(0, [this] { button("Stop")->click(); });
    });
    select({"A", "B", "C"});
    zip();
    EXPECT_TRUE(readersAccept(home("A.ZIP")));
    EXPECT_TRUE(readersAccept(home("B.ZIP")));
    EXPECT_FALSE(QFileInfo::exists(home("C.ZIP")));
    EXPECT_EQ(form().status(), "Zipping process halted by User.");
    EXPECT_EQ(form().OperationFlag, "GO");
}

TEST_F(FolderZip, VanishedBrowsedFolderGivesOneLinePerFolderAndUnlocks) {
    tmp.write("home/work/A/a.txt", "a");
    tmp.write("home/work/B/b.txt", "b");
    startProgram();
    browseTo(home("work"));
    action("ViewFolders")->trigger();
    select({"A", "B"});
    ASSERT_TRUE(QDir().rename(home("work"), home("moved")));
    dialogs().answer(platform::No);
    zip();
    EXPECT_EQ(form().ErrorLog.lines(),
              QStringList({"A skipped. (File/Folder maybe use or empty?)",
                           "B skipped. (File/Folder maybe use or empty?)"}));
    EXPECT_EQ(dialogs().texts().last(),
              "Some errors occured during the zipping operation. Would you like to view the "
              "error log now ?");
    EXPECT_EQ(form().status(), "Completed - errors occured.");
    EXPECT_TRUE(button("Zip")->isEnabled());
    EXPECT_FALSE(button("Stop")->isEnabled());
    EXPECT_TRUE(fileList().isEnabled());
    EXPECT_TRUE(QFileInfo::exists(home("moved/A/a.txt")));
    EXPECT_TRUE(QDir(home()).entryList({"*.ZIP"}, QDir::Files).isEmpty());
}
