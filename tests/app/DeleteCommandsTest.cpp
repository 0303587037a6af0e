// "Delete" for files and folders from the button, the File menu and the
// pop-up menus: the questions, the delete window with Cancel and Esc, trees
// with read-only parts and links, and a file that cannot be deleted.
#include "AppFixture.h"

#include "app/SecondaryWindows.h"
#include "batch/ui/DeleteScreen.h"
#include "batch/ui/ErrorLogWindow.h"
#include "support/ArchiveCheck.h"
#include "support/ScriptedDialogs.h"
#include "widgets/BusyIndicator.h"
#include "widgets/FileListBox.h"
#include "widgets/FolderListBox.h"
#include "widgets/FolderTree.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QTest>
#include <QToolButton>
#include <functional>

using testsupport::dialogs;

namespace {

const QString kFilesQuestion = "Are you sure you want to delete the files you have selected ?";
const QString kFoldersQuestion = "Are you sure you want to delete the FOLDERS you have selected ?";
const QString kLogQuestion =
    "Some errors occured during the zipping operation. Would you like to view the error log now ?";

// Makes a file undeletable even for root for as long as it lives, where the
// file system allows it.
class Immutable {
  public:
    explicit Immutable(QString path) : path_(std::move(path)) {
        ok_ = testsupport::run("chattr", {"+i", path_}) == 0;
    }
    ~Immutable() {
        if (ok_)
            testsupport::run("chattr", {"-i", path_});
    }
    bool ok() const { return ok_; }

  private:
    QString path_;
    bool ok_ = false;
};

}  // namespace

class Deletion : public AppFixture {
  protected:
    FileListBox &files() { return fileList(); }
    FolderListBox &folders() { return folderList(); }
    TDeleteScreen &screen() { return *app->windows().deleteScreen; }
    template <typename List>
    void select(List &list, const QStringList &names) {
        list.clearSelection();
        for (int i = 0; i < list.count(); ++i)
            if (names.contains(list.name(i)))
                list.setSelected(i, true);
    }
    // A tree three levels deep with read-only and hidden files and
    // read-only folders.
    void makeTree(const QString &name) {
        for (const char *file :
             {"/a.txt", "/.hidden", "/one/b.txt", "/one/two/c.txt", "/one/two/three/.d"})
            testsupport::setReadOnly(tmp.write("home/" + name + file, "data"), true);
        for (const char *folder : {"/one/two/three", "/one/two", "/one"})
            testsupport::setReadOnly(home(name + folder), true);
    }
    void startInFoldersView() {
        startProgram();
        action("ViewFolders")->trigger();
    }
    // The three ways in to each command: the button, the File menu, the pop-up.
    void deleteFiles(int way) {
        const std::function<void()> ways[] = {
            [this] { button("Delete")->click(); }, [this] { action("DeleteFiles")->trigger(); },
            [this] { popupItem("fileListMenu", "Delete Selected File(s)")->trigger(); }};
        ways[way]();
    }
    void deleteFolders(int way) {
        const std::function<void()> ways[] = {
            [this] { button("Delete")->click(); }, [this] { action("DeleteFolders")->trigger(); },
            [this] { popupItem("folderListMenu", "Delete selected folders")->trigger(); }};
        ways[way]();
    }
};

TEST_F(Deletion, SelectedFilesFromEveryEntryPoint) {
    for (int entry = 0; entry < 3; ++entry) {
        tmp.write("home/keep.txt", "k");
        tmp.write("home/gone.txt", "g");
        testsupport::setReadOnly(tmp.write("home/locked.txt", "l"), true);
        if (!app)
            startProgram();
        files().reread();
        select(files(), {"gone.txt", "locked.txt"});
        // No first: nothing changes.
        dialogs().answer(platform::No);
        deleteFiles(entry);
        EXPECT_EQ(files().count(), 3) << entry;
        dialogs().answer(platform::Yes);
        deleteFiles(entry);
        EXPECT_EQ(dialogs().texts(), QStringList({kFilesQuestion, kFilesQuestion})) << entry;
        EXPECT_EQ(QDir(home()).entryList(QDir::Files), QStringList({"keep.txt"})) << entry;
        EXPECT_EQ(files().count(), 1) << entry;  // the list was read again
        EXPECT_FALSE(widget<BusyIndicator>("Animate1").isRunning());
        dialogs().reset();
    }
}

TEST_F(Deletion, SelectedFoldersFromEveryEntryPoint) {
    for (int entry = 0; entry < 3; ++entry) {
        makeTree("Tree");
        tmp.write("home/Other/x.txt", "x");
        if (!app)
            startInFoldersView();
        folderTree().reread();
        folders().fill(home());
        select(folders(), {"Tree"});
        form().ErrorLog.append("left from before");
        // No: nothing is deleted, but the log is cleared all the same.
        dialogs().answer(platform::No);
        deleteFolders(entry);
        EXPECT_TRUE(form().ErrorLog.isEmpty()) << entry;
        EXPECT_TRUE(QFileInfo::exists(home("Tree/one/two/three/.d"))) << entry;
        select(folders(), {"Tree"});  // the list was filled again
        dialogs().answer(platform::Yes);
        deleteFolders(entry);
        EXPECT_EQ(dialogs().texts(), QStringList({kFoldersQuestion, kFoldersQuestion})) << entry;
        EXPECT_FALSE(QFileInfo::exists(home("Tree"))) << entry;
        EXPECT_TRUE(QFileInfo::exists(home("Other/x.txt"))) << entry;
        EXPECT_EQ(folders().names(), QStringList({"Other"})) << entry;  // refreshed
        EXPECT_FALSE(screen().isVisible());
        EXPECT_TRUE(form().isEnabled());
        EXPECT_EQ(screen().DeleteRunFlag, "GO");
        dialogs().reset();
    }
}

TEST_F(Deletion, LinksGoAsLinksAndWhatTheyPointToStays) {
    const QString precious = tmp.write("outside/precious.txt", "keep");
    tmp.write("home/Tree/a.txt", "a");
    QFile::link(tmp.path("outside"), home("Tree/to-outside"));
    QFile::link(tmp.path("outside"), home("Alias"));
    startInFoldersView();
    select(folders(), {"Tree", "Alias"});
    dialogs().answer(platform::Yes);
    button("Delete")->click();
    EXPECT_FALSE(QFileInfo::exists(home("Tree")));
    EXPECT_FALSE(QFileInfo(home("Alias")).isSymLink());
    EXPECT_EQ(testsupport::readAll(precious), "keep");
    EXPECT_TRUE(form().ErrorLog.isEmpty());
}

TEST_F(Deletion, CancelOrEscDuringTheSecondOfFiveFolders) {
    struct Row {
        const char *how;
        std::function<void(TDeleteScreen &)> cancel;
    } rows[] = {
        {"Cancel", [](TDeleteScreen &s) { QTest::mouseClick(s.cancelButton(), Qt::LeftButton); }},
        {"Esc", [](TDeleteScreen &s) { QTest::keyClick(&s, Qt::Key_Escape); }},
        // As a user's click comes: queued while F2 is removed, delivered by
        // the event loop when the loop next pumps messages.
        {"Cancel queued",
         [](TDeleteScreen &s) {
             QPushButton *b = s.cancelButton();
             const QPointF at = QRectF(b->rect()).center();
             for (QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease})
                 QCoreApplication::postEvent(
                     b, new QMouseEvent(
                            type, at, b->mapToGlobal(at), Qt::LeftButton,
                            type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton,
                            Qt::NoModifier));
         }},
        {"Esc queued",
         [](TDeleteScreen &s) {
             QCoreApplication::postEvent(
                 &s, new QKeyEvent(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier));
         }},
    };
    for (const Row &r : rows) {
        const QStringList names = {"F1", "F2", "F3", "F4", "F5"};
        for (const QString &name : names) {
            tmp.write("home/" + name + "/x.txt", "x");
            tmp.write("home/" + name + "/sub/y.txt", "y");
        }
        if (!app)
            startInFoldersView();
        // The deleter's own removal, which a Cancel can interrupt in a tree.
        options().setOn(Option::trashDeletions, false);
        folders().fill(home());
        select(folders(), names);
        QStringList shown;
        form().Deltree1.OnProcessFile = [&](TDelTree &, const QString &file, const QFileInfo &,
                                            bool &) {
            EXPECT_TRUE(screen().isVisible());
            EXPECT_FALSE(form().isEnabled());
            shown << screen().folderLabel()->text();
            if (file.contains("/F2/"))
                r.cancel(screen());
        };
        dialogs().answer(platform::Yes);
        button("Delete")->click();
        form().Deltree1.OnProcessFile = nullptr;
        shown.removeDuplicates();
        EXPECT_EQ(shown, QStringList({"F1", "F2"})) << r.how;
        EXPECT_EQ(folders().names(), QStringList({"F3", "F4", "F5"})) << r.how;
        EXPECT_TRUE(QFileInfo::exists(home("F5/sub/y.txt"))) << r.how;
        EXPECT_EQ(screen().DeleteRunFlag, "GO") << r.how;
        EXPECT_FALSE(screen().isVisible()) << r.how;
        EXPECT_TRUE(form().isEnabled()) << r.how;
        for (const QString &name : names)
            QDir(home(name)).removeRecursively();
        dialogs().reset();
    }
}

TEST_F(Deletion, AFileThatCannotBeDeletedKeepsItsFoldersAndIsLogged) {
    tmp.write("home/A/a.txt", "a");
    const QString stuck = tmp.write("home/B/one/two/stuck.txt", "stuck");
    tmp.write("home/B/one/sibling/s.txt", "s");
    tmp.write("home/C/c.txt", "c");
    const Immutable guard(stuck);
    if (!guard.ok())
        GTEST_SKIP() << "this file system cannot make a file undeletable (chattr +i)";
    startInFoldersView();
    // The deleter's own removal: into the Trash, B would go whole.
    options().setOn(Option::trashDeletions, false);
    select(folders(), {"A", "B", "C"});
    dialogs().answer(platform::Yes);
    dialogs().answer(platform::Yes);
    button("Delete")->click();
    EXPECT_EQ(dialogs().texts(), QStringList({kFoldersQuestion, kLogQuestion}));
    EXPECT_EQ(form().ErrorLog.lines(), QStringList({"B cound not fully be deleted (In use?)"}));
    EXPECT_TRUE(app->windows().errorLog->isVisible());
    EXPECT_FALSE(QFileInfo::exists(home("A")));
    EXPECT_FALSE(QFileInfo::exists(home("C")));
    EXPECT_TRUE(QFileInfo::exists(stuck));
    EXPECT_FALSE(QFileInfo::exists(home("B/one/sibling")));
    EXPECT_EQ(folders().names(), QStringList({"B"}));
}

TEST_F(Deletion, AFolderZippedButNotDeletableIsLogged) {
    const QString stuck = tmp.write("home/B/one/stuck.txt", "stuck");
    tmp.write("home/B/b.txt", "b");
    const Immutable guard(stuck);
    if (!guard.ok())
        GTEST_SKIP() << "this file system cannot make a file undeletable (chattr +i)";
    startInFoldersView();
    action("deleteFolder")->trigger();
    select(folders(), {"B"});
    dialogs().answer(platform::No);
    button("Zip")->click();
    EXPECT_EQ(form().ErrorLog.lines(), QStringList({"B cound not fully be deleted (In use?)"}));
    EXPECT_TRUE(testsupport::readersAccept(home("B.ZIP")));
    EXPECT_TRUE(QFileInfo::exists(stuck));
}
