// Folders and files dropped on the main window, or named on its command
// line, open the browser on them; without any it starts on the home folder.
#include "AppFixture.h"

#include "support/ScriptedDialogs.h"
#include "widgets/FileListBox.h"
#include "widgets/FolderTree.h"

#include <QAction>
#include <QApplication>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMimeData>
#include <QRadioButton>
#include <QUrl>

namespace {

struct Row {
    const char *what;
    QStringList paths;  // relative to the home folder; "/..." absolute
    bool foldersView;   // the view before the drop
    QString folder;     // browsed afterwards, relative to the home folder
    QStringList selected;
    QString status;  // %1: the home folder
    bool foldersViewAfter;
};

const Row kRows[] = {
    {"a folder", {"docs"}, false, "docs", {}, "0 Files Selected", false},
    {"a folder in the folders view", {"docs"}, true, "docs", {}, "0 Folders Selected", true},
    {"files",
     {"docs/a.txt", "docs/c.zip"},
     false,
     "docs",
     {"a.txt", "c.zip"},
     "2 files selected.",
     false},
    {"files in the folders view",
     {"docs/a.txt"},
     true,
     "docs",
     {"a.txt"},
     "1 files selected.",
     false},
    {"files of two folders",
     {"docs/a.txt", "pics/p.png", "docs/b.txt"},
     false,
     "docs",
     {"a.txt", "b.txt"},
     "2 files selected. Only the files of %1/docs are selected: 1 more left out.",
     false},
    {"a folder and more",
     {"pics", "docs", "docs/a.txt"},
     false,
     "pics",
     {},
     "Only the first folder is shown: 2 more left out.",
     false},
    {"a missing file first",
     {"gone.txt", "docs/b.txt"},
     false,
     "docs",
     {"b.txt"},
     "1 files selected. 1 not found.",
     false},
};

}  // namespace

class OpenPaths : public AppFixture {
  protected:
    void makeFolders() {
        for (const char *file : {"docs/a.txt", "docs/b.txt", "docs/c.zip", "pics/p.png"})
            tmp.write("home/" + QString(file), "x");
    }
    QStringList absolute(const QStringList &paths) {
        QStringList full;
        for (const QString &p : paths)
            full << (p.startsWith('/') ? p : home(p));
        return full;
    }
    QStringList selectedNames() {
        QStringList names;
        for (int i = 0; i < fileList().count(); ++i)
            if (fileList().isSelected(i))
                names << fileList().name(i);
        return names;
    }
    void expectOpened(const Row &r) {
        EXPECT_EQ(folderTree().directory(), home(r.folder)) << r.what;
        EXPECT_EQ(fileList().directory(), home(r.folder)) << r.what;
        EXPECT_EQ(selectedNames(), r.selected) << r.what;
        const QString status = r.status.contains("%1") ? QString(r.status).arg(home()) : r.status;
        EXPECT_EQ(form().status(), status) << r.what;
        EXPECT_EQ(action("ViewFolders")->isChecked(), r.foldersViewAfter) << r.what;
    }
    // Drops `urls` on the window as a file manager would; whether the
    // window took the drag.
    bool drop(const QList<QUrl> &urls) {
        QMimeData data;
        data.setUrls(urls);
        QDragEnterEvent enter(QPoint(10, 10), Qt::CopyAction, &data, Qt::LeftButton, {});
        QApplication::sendEvent(&form(), &enter);
        if (!enter.isAccepted())
            return false;
        QDropEvent dropped(QPointF(10, 10), Qt::CopyAction, &data, Qt::LeftButton, {});
        QApplication::sendEvent(&form(), &dropped);
        return dropped.isAccepted();
    }
};

TEST_F(OpenPaths, DropsOpenTheBrowserOnFoldersAndFiles) {
    makeFolders();
    for (const Row &r : kRows) {
        startProgram();
        if (r.foldersView)
            action("ViewFolders")->trigger();
        QList<QUrl> urls;
        for (const QString &p : absolute(r.paths))
            urls << QUrl::fromLocalFile(p);
        EXPECT_TRUE(drop(urls)) << r.what;
        expectOpened(r);
        app.reset();
    }
}

TEST_F(OpenPaths, CommandLineOpensLikeADropOnceTheSettingsAreRead) {
    makeFolders();
    for (const Row &r : kRows) {
        if (r.foldersView)
            continue;
        startProgram(false);
        form().openAtStart(absolute(r.paths));
        form().Timer1Timer();
        expectOpened(r);
        app.reset();
    }
}

TEST_F(OpenPaths, WithoutPathsTheWindowStartsAtHomeAsEver) {
    makeFolders();
    for (bool told : {false, true}) {
        startProgram(false);
        if (told)
            form().openAtStart({});
        form().Timer1Timer();
        EXPECT_EQ(folderTree().directory(), home());
        EXPECT_EQ(fileList().selectedCount(), 0);
        EXPECT_EQ(form().status(), "0 Files Selected");
        app.reset();
    }
}

TEST_F(OpenPaths, DropsRefusedWhileBusyOrForOtherThanLocalFiles) {
    makeFolders();
    startProgram(false);  // the settings are not applied yet
    EXPECT_FALSE(drop({QUrl::fromLocalFile(home("docs"))}));
    form().Timer1Timer();
    EXPECT_FALSE(drop({QUrl("https://tovrane.org/a.zip")}));
    form().setEnabled(false);  // a dialog or tool window is open
    EXPECT_FALSE(drop({QUrl::fromLocalFile(home("docs"))}));
    form().setEnabled(true);
    EXPECT_TRUE(drop({QUrl::fromLocalFile(home("docs"))}));
    EXPECT_EQ(folderTree().directory(), home("docs"));
}
