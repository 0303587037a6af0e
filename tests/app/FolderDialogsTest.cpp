#include "AppFixture.h"

#include "app/CreateFolderDialog.h"
#include "app/FileInclusionDialog.h"
#include "app/FolderDialog.h"
#include "app/NewFolder.h"
#include "platform/Volumes.h"
#include "support/ScriptedDialogs.h"
#include "widgets/DriveComboBox.h"
#include "widgets/FileListBox.h"
#include "widgets/FolderListBox.h"
#include "widgets/FolderTree.h"

#include <QAction>
#include <QFileInfo>
#include <QLineEdit>
#include <QTest>
#include <QToolButton>
#include <functional>
#include <utility>
#include <vector>

using testsupport::dialogs;
using testsupport::run;

namespace {

bool treeShows(const FolderTree &tree, const QString &name) {
    return !tree.findItems(name, Qt::MatchExactly | Qt::MatchRecursive).isEmpty();
}

}  // namespace

class FolderDialogs : public AppFixture {
  protected:
    void SetUp() override {
        tmp.write("home/a.txt", "a");
        tmp.write("home/b.bin", "b");
        tmp.mkdir("home/Zeta");
        tmp.mkdir("far/away");
        tmp.write("far/away/Include Me.TXT", "x");
        startProgram();
    }

    // The three folder options, each with its dialog, in the panel's order.
    struct Row {
        const char *marker;
        Option option;
        FolderDialog &dialog;
    };
    std::vector<Row> folderOptions() {
        SecondaryWindows &w = app->windows();
        return {{"Zip", Option::zipFolder, *w.zipDest},
                {"Unzip", Option::unzipFolder, *w.unzipDest},
                {"Temp", Option::workFolder, *w.tempDest}};
    }
    // The option's value, its toggle button and its field on the panel.
    QString value(Option option) { return options().text(option); }
    QToolButton &toggle(Option option) { return *button(descriptorOf(option).name); }
    QLineEdit &field(Option option) { return widget<QLineEdit>(descriptorOf(option).name); }
    TFileInclusion &inclusion() { return *app->windows().fileInclusion; }
    TCreate_Folder &creator() { return *app->windows().createFolder; }

    void clickFile(FileListBox &list, int index) {
        QTest::mouseClick(list.viewport(), Qt::LeftButton, {},
                          list.visualRect(list.model()->index(index, 0)).center());
    }
    void createNamed(const QString &name, platform::MessageKind kind, const char *text) {
        creator().nameEdit->clear();
        QTest::keyClicks(creator().nameEdit, name);
        dialogs().answer(platform::Ok);
        creator().createFolderButton->click();
        ASSERT_FALSE(dialogs().boxes().isEmpty());
        EXPECT_EQ(dialogs().boxes().last().kind, kind);
        EXPECT_EQ(dialogs().boxes().last().text, text);
        EXPECT_EQ(dialogs().boxes().last().buttons, platform::Ok);
    }
};

TEST_F(FolderDialogs, OkPinsTheOptionUntilTheButtonIsReleased) {
    for (const Row &r : folderOptions()) {
        SCOPED_TRACE(r.marker);
        browseTo(home());
        toggle(r.option).click();
        EXPECT_FALSE(form().isEnabled());
        EXPECT_TRUE(r.dialog.isVisible());

        // A folder elsewhere, then the root of a volume: one separator each.
        struct Pick {
            QString folder, pinned;
        } picks[] = {{tmp.path("far/away"), tmp.path("far/away") + "/"}, {"/", "/"}};
        for (const Pick &p : picks) {
            if (!r.dialog.isVisible()) {
                toggle(r.option).click();  // up: follows again
                toggle(r.option).click();  // down: the dialog again
            }
            r.dialog.DirectoryListBox1->setDirectory(p.folder);
            r.dialog.okButton->click();
            EXPECT_TRUE(form().isEnabled());
            EXPECT_FALSE(r.dialog.isVisible());
            EXPECT_TRUE(toggle(r.option).isChecked());
            EXPECT_EQ(value(r.option), p.pinned);
            EXPECT_EQ(field(r.option).text(), p.pinned);
        }

        browseTo(home("Zeta"));
        EXPECT_EQ(value(r.option), "/") << "a pinned option ignores the browser";
        toggle(r.option).click();
        EXPECT_FALSE(r.dialog.isVisible());
        EXPECT_FALSE(toggle(r.option).isChecked());
        EXPECT_EQ(value(r.option), home("Zeta") + "/") << "released, it follows at once";
    }
}

TEST_F(FolderDialogs, CancelReleasesTheButtonAndKeepsTheOption) {
    // By the button and by Escape alike.
    for (bool escape : {false, true}) {
        for (const Row &r : folderOptions()) {
            SCOPED_TRACE(std::string(r.marker) + (escape ? " Escape" : " Cancel"));
            browseTo(home());
            toggle(r.option).click();
            r.dialog.DirectoryListBox1->setDirectory(tmp.path("far"));
            if (escape)
                QTest::keyClick(&r.dialog, Qt::Key_Escape);
            else
                r.dialog.cancelButton->click();
            EXPECT_TRUE(form().isEnabled());
            EXPECT_FALSE(r.dialog.isVisible());
            EXPECT_FALSE(toggle(r.option).isChecked());
            EXPECT_EQ(value(r.option), home() + "/");
            browseTo(home("Zeta"));
            EXPECT_EQ(value(r.option), home("Zeta") + "/") << "follows from the next folder change";
        }
    }
}

TEST_F(FolderDialogs, AFolderDialogReopensWhereItWasLeft) {
    FolderDialog &zip = *app->windows().zipDest;
    EXPECT_EQ(zip.folder(), home());
    toggle(Option::zipFolder).click();
    zip.DirectoryListBox1->setDirectory(tmp.path("far/away"));
    zip.cancelButton->click();
    browseTo(home("Zeta"));
    toggle(Option::zipFolder).click();
    EXPECT_EQ(zip.folder(), tmp.path("far/away"));
    EXPECT_EQ(zip.DriveComboBox1->drive(), platform::volumeOf(tmp.path("far/away")));
    QTest::keyClick(&zip, Qt::Key_Return);  // OK is the default button
    EXPECT_EQ(value(Option::zipFolder), tmp.path("far/away") + "/");
}

TEST_F(FolderDialogs, DriveNotReadyReturnsTheDialogHome) {
    struct Case {
        QString root;
        const char *text;
        platform::Buttons buttons;
    } cases[] = {{"/no/such/volume", "Drive not ready", platform::Cancel},
                 {"C:", "Not a valid drive letter", platform::Ok}};
    for (const Row &r : folderOptions()) {
        for (const Case &c : cases) {
            SCOPED_TRACE(std::string(r.marker) + " " + c.text);
            r.dialog.DirectoryListBox1->setDirectory(tmp.path("far"));
            dialogs().reset();
            dialogs().answer(c.buttons == platform::Ok ? platform::Ok : platform::Cancel);
            r.dialog.DriveChosen(c.root);
            ASSERT_EQ(dialogs().boxes().size(), 1);
            EXPECT_EQ(dialogs().boxes()[0].kind, platform::MessageKind::Error);
            EXPECT_EQ(dialogs().boxes()[0].text, c.text);
            EXPECT_EQ(dialogs().boxes()[0].buttons, c.buttons);
            EXPECT_EQ(r.dialog.folder(), home());
        }
        r.dialog.DriveChosen("/");
        EXPECT_EQ(r.dialog.folder(), "/");
    }
}

TEST_F(FolderDialogs, IncludeFileNeedsAPickedFile) {
    QToolButton &include = toggle(Option::includeFile);
    TFileInclusion &d = inclusion();
    d.DirectoryListBox1->setDirectory(tmp.path("far/away"));  // left elsewhere last time
    include.click();
    EXPECT_FALSE(form().isEnabled());
    ASSERT_TRUE(d.isVisible());
    EXPECT_EQ(d.DirectoryListBox1->directory(), home()) << "every opening starts at home";
    EXPECT_EQ(d.FileListBox1->directory(), home());
    EXPECT_EQ(d.FileListBox1->count(), 2);
    EXPECT_FALSE(d.okButton->isEnabled());
    QTest::keyClick(&d, Qt::Key_Return);
    EXPECT_TRUE(d.isVisible()) << "Enter does nothing before a file is picked";
    const QWidget *list = d.FileListBox1->viewport();
    QTest::mouseClick(d.FileListBox1->viewport(), Qt::LeftButton, {},
                      QPoint(list->width() / 2, list->height() - 2));
    EXPECT_FALSE(d.okButton->isEnabled()) << "a click beside the names picks nothing";

    d.DirectoryListBox1->setDirectory(tmp.path("far/away"));
    EXPECT_EQ(d.FileListBox1->directory(), tmp.path("far/away"));
    clickFile(*d.FileListBox1, 0);
    EXPECT_TRUE(d.okButton->isEnabled());
    d.okButton->click();
    EXPECT_TRUE(form().isEnabled());
    EXPECT_FALSE(d.isVisible());
    EXPECT_TRUE(include.isChecked());
    EXPECT_EQ(value(Option::includeFile), tmp.path("far/away/Include Me.TXT"));
    EXPECT_EQ(field(Option::includeFile).text(), tmp.path("far/away/Include Me.TXT"));

    browseTo(home("Zeta"));
    EXPECT_EQ(value(Option::includeFile), tmp.path("far/away/Include Me.TXT"));
    include.click();  // released: nothing included any more
    EXPECT_TRUE(value(Option::includeFile).isEmpty());
    EXPECT_TRUE(field(Option::includeFile).text().isEmpty());
}

TEST_F(FolderDialogs, AFolderChangeTakesBackThePick) {
    toggle(Option::includeFile).click();
    TFileInclusion &d = inclusion();
    clickFile(*d.FileListBox1, 1);
    ASSERT_TRUE(d.okButton->isEnabled());
    d.DirectoryListBox1->setDirectory(home("Zeta"));
    EXPECT_FALSE(d.okButton->isEnabled()) << "the re-read list has no file picked";
    d.cancelButton->click();
}

TEST_F(FolderDialogs, NoneAndCancelReleaseTheIncludeButton) {
    QToolButton &include = toggle(Option::includeFile);
    TFileInclusion &d = inclusion();
    // A file included earlier, then the toggle down again without releasing
    // it through its action (as after an OK and a fresh press).
    options().setText(Option::includeFile, home("a.txt"));
    struct Case {
        QPushButton *TFileInclusion::*button;
        bool emptied;
    } cases[] = {{&TFileInclusion::cancelButton, false}, {&TFileInclusion::noneButton, true}};
    for (const Case &c : cases) {
        options().setPinned(Option::includeFile, true);
        form().setEnabled(false);
        d.Open();
        (d.*c.button)->click();
        EXPECT_FALSE(include.isChecked());
        EXPECT_TRUE(form().isEnabled());
        EXPECT_FALSE(d.isVisible());
        EXPECT_EQ(value(Option::includeFile).isEmpty(), c.emptied);
    }
}

TEST_F(FolderDialogs, IncludeDialogDriveNotReadyGoesHomeWithOkDisabled) {
    toggle(Option::includeFile).click();
    TFileInclusion &d = inclusion();
    d.DirectoryListBox1->setDirectory(tmp.path("far/away"));
    clickFile(*d.FileListBox1, 0);
    dialogs().answer(platform::Cancel);
    d.DriveChosen("/no/such/volume");
    EXPECT_EQ(dialogs().texts(), QStringList({"Drive not ready"}));
    EXPECT_EQ(d.DirectoryListBox1->directory(), home());
    EXPECT_EQ(d.FileListBox1->directory(), home());
    EXPECT_EQ(d.FileListBox1->count(), 2);
    EXPECT_FALSE(d.okButton->isEnabled());
}

TEST_F(FolderDialogs, CreateFolderHandsBackToTheCallingDialog) {
    for (const Row &r : folderOptions()) {
        SCOPED_TRACE(r.marker);
        dialogs().reset();
        r.dialog.DirectoryListBox1->setDirectory(home());
        toggle(r.option).click();
        r.dialog.createFolderButton->click();
        EXPECT_FALSE(r.dialog.isVisible());
        ASSERT_TRUE(creator().isVisible());
        EXPECT_FALSE(form().isEnabled());
        EXPECT_EQ(creator().ReturnTo, r.marker);
        EXPECT_EQ(creator().pathLabel->text(), home());
        EXPECT_TRUE(creator().nameEdit->text().isEmpty());
        EXPECT_FALSE(creator().createFolderButton->isEnabled());

        const QString name = QString("New %1").arg(r.marker);
        createNamed("  " + name + " ", platform::MessageKind::Information,
                    "Folder created successfully.");
        EXPECT_TRUE(QFileInfo(home(name)).isDir());
        EXPECT_FALSE(creator().isVisible());
        EXPECT_TRUE(r.dialog.isVisible());
        EXPECT_FALSE(form().isEnabled()) << "the main window waits for the folder dialog";
        EXPECT_TRUE(treeShows(*r.dialog.DirectoryListBox1, name)) << "the tree was re-read";
        EXPECT_EQ(r.dialog.folder(), home()) << "the new folder is not chosen for the user";

        r.dialog.createFolderButton->click();
        createNamed(name, platform::MessageKind::Warning, "Cannot create folder");
        EXPECT_TRUE(r.dialog.isVisible()) << "a failure hands back as a success does";
        EXPECT_FALSE(creator().isVisible());
        r.dialog.okButton->click();
        EXPECT_EQ(value(r.option), home() + "/");
        toggle(r.option).click();
    }
}

TEST_F(FolderDialogs, CancelInTheNewFolderDialogHandsBack) {
    for (const Row &r : folderOptions()) {
        SCOPED_TRACE(r.marker);
        toggle(r.option).click();
        r.dialog.createFolderButton->click();
        tmp.mkdir("home/Made Meanwhile " + QString(r.marker));
        QTest::keyClick(&creator(), Qt::Key_Escape);
        EXPECT_FALSE(creator().isVisible());
        EXPECT_TRUE(r.dialog.isVisible());
        // Only the temporary-path dialog re-reads its tree on the way back.
        EXPECT_EQ(treeShows(*r.dialog.DirectoryListBox1, "Made Meanwhile " + QString(r.marker)),
                  r.marker == std::string("Temp"));
        r.dialog.cancelButton->click();
    }
}

TEST_F(FolderDialogs, CreateFromTheFolderListRefreshesTheMainWindow) {
    action("ViewFolders")->trigger();
    popupItem("folderListMenu", "Create a new folder")->trigger();
    ASSERT_TRUE(creator().isVisible());
    EXPECT_FALSE(form().isEnabled());
    EXPECT_EQ(creator().ReturnTo, "Main");
    EXPECT_EQ(creator().parentFolder(), home());

    tmp.write("home/c.new", "c");  // made meanwhile: the refresh shows it
    createNamed("Fresh", platform::MessageKind::Information, "Folder created successfully.");
    EXPECT_TRUE(QFileInfo(home("Fresh")).isDir());
    EXPECT_FALSE(creator().isVisible());
    EXPECT_TRUE(form().isEnabled());
    EXPECT_TRUE(treeShows(folderTree(), "Fresh"));
    EXPECT_EQ(fileList().count(), 3);
    EXPECT_EQ(folderList().names(), QStringList({"Fresh", "Zeta"}));

    // Cancel re-reads the tree only.
    tmp.mkdir("home/Later");
    tmp.write("home/d.new", "d");
    action("CreateFolder")->trigger();
    creator().cancelButton->click();
    EXPECT_TRUE(form().isEnabled());
    EXPECT_TRUE(treeShows(folderTree(), "Later"));
    EXPECT_EQ(fileList().count(), 3);
}

TEST_F(FolderDialogs, NamesThatAreNotOneNewFolderFail) {
    const struct Case {
        const char *typed;
        const char *shownPath;  // relative to home
    } cases[] = {
        {"   ", ""},                 // the parent itself
        {"Zeta", "Zeta"},            // exists already
        {"a.txt", "a.txt"},          // a file of that name
        {"x/y", "x/y"},              // would nest
        {"../escape", "../escape"},  // would leave the parent
        {"..", ".."},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.typed);
        dialogs().reset();
        action("CreateFolder")->trigger();
        createNamed(c.typed, platform::MessageKind::Warning, "Cannot create folder");
        EXPECT_EQ(creator().pathLabel->text(), home() + "/" + c.shownPath);
        EXPECT_TRUE(form().isEnabled());
    }
    EXPECT_FALSE(QFileInfo::exists(home("x")));
    EXPECT_FALSE(QFileInfo::exists(tmp.path("escape")));
}

TEST_F(FolderDialogs, CreateButtonFollowsTheNameField) {
    action("CreateFolder")->trigger();
    QLineEdit &edit = *creator().nameEdit;
    QTest::keyClick(&edit, Qt::Key_Space);
    EXPECT_TRUE(creator().createFolderButton->isEnabled()) << "a blank is a character";
    QTest::keyClick(&edit, Qt::Key_Backspace);
    EXPECT_FALSE(creator().createFolderButton->isEnabled());
    QTest::keyClicks(&edit, "n");
    EXPECT_TRUE(creator().createFolderButton->isEnabled());
    creator().cancelButton->click();

    action("CreateFolder")->trigger();
    EXPECT_TRUE(edit.text().isEmpty()) << "cleared on every opening";
    EXPECT_FALSE(creator().createFolderButton->isEnabled());
    creator().cancelButton->click();
}

TEST_F(FolderDialogs, DialogsAreFixedTopWindowsWithoutACloseBox) {
    SecondaryWindows &w = app->windows();
    const struct {
        QDialog *dialog;
        const char *caption;
        QLabel *explanation;
        QString text;
    } rows[] = {
        {w.zipDest.get(), "Select Folder", w.zipDest->explanation,
         "Choose a destination folder where Tovrane will store your newly\ncreated zip files."},
        {w.unzipDest.get(), "File Destination", w.unzipDest->explanation,
         "Choose a destination folder where Tovrane will store\nyour files after unzipping "
         "them."},
        {w.tempDest.get(), "Set temporary path", w.tempDest->explanation,
         "Choose a temporary folder where Tovrane can use for\ncompressing and uncompressing "
         "your Zip files."},
        {w.fileInclusion.get(), "File Inclusion", w.fileInclusion->explanation,
         "Please choose a file you want Tovrane to include in every zip."},
        {w.createFolder.get(), "Create a new folder", nullptr, {}},
    };
    for (const auto &r : rows) {
        SCOPED_TRACE(r.caption);
        EXPECT_EQ(r.dialog->windowTitle(), r.caption);
        EXPECT_EQ(r.dialog->minimumSize(), r.dialog->maximumSize());
        const Qt::WindowFlags flags = r.dialog->windowFlags();
        EXPECT_TRUE(flags & Qt::WindowStaysOnTopHint);
        EXPECT_FALSE(flags & Qt::WindowCloseButtonHint);
        EXPECT_FALSE(r.dialog->isModal());
        if (r.explanation) {
            EXPECT_EQ(r.explanation->text(), r.text);
        }
    }
    EXPECT_EQ(creator().pathLabel->text(), "(None)");
    EXPECT_EQ(creator().ReturnTo, "Parent");
}

TEST(NewFolder, PathAndCreation) {
    testsupport::TempFolder tmp;
    tmp.write("file.txt", "x");
    const QString parent = tmp.mkdir("p");
    const struct Case {
        QString parent, typed, path;
        bool created;
    } cases[] = {
        {parent, "one", parent + "/one", true},
        {parent + "/", " \ttwo  ", parent + "/two", true},
        {parent, "three/four", parent + "/three/four", false},
        {tmp.path("missing"), "five", tmp.path("missing/five"), false},
        {tmp.path("file.txt"), "six", tmp.path("file.txt/six"), false},
        {"relative", "seven", "relative/seven", false},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.typed.toStdString());
        EXPECT_EQ(newfolder::pathFor(c.parent, c.typed), c.path);
        EXPECT_EQ(newfolder::create(c.parent, c.typed), c.created);
        EXPECT_EQ(QFileInfo(c.path).isDir(), c.created);
    }
    EXPECT_FALSE(QFileInfo::exists(parent + "/three"));
    EXPECT_FALSE(newfolder::create(parent, "  ")) << "the parent itself exists";
    EXPECT_EQ(newfolder::pathFor("/", "top"), "/top");
    EXPECT_EQ(newfolder::trimmedName(QStringLiteral("\u00a0x\u00a0")),
              QStringLiteral("\u00a0x\u00a0"))
        << "only blanks and control characters are trimmed";
}

// Enter on a tree item opens that folder and nothing more, so the keyboard
// goes down level by level; OK stays for the button.
TEST_F(FolderDialogs, EnterOnATreeItemGoesDownWithoutClosing) {
    tmp.mkdir("home/Zeta/deeper");
    for (const Row &r : folderOptions()) {
        SCOPED_TRACE(r.marker);
        toggle(r.option).click();
        ASSERT_TRUE(r.dialog.isVisible());
        r.dialog.DirectoryListBox1->setDirectory(home());
        const QString before = value(r.option);
        FolderTree &tree = *r.dialog.DirectoryListBox1;
        for (const char *name : {"Zeta", "deeper"}) {
            tree.setCurrentItem(tree.findItems(name, Qt::MatchExactly | Qt::MatchRecursive)[0]);
            QTest::keyClick(&tree, Qt::Key_Return);
            EXPECT_TRUE(r.dialog.isVisible()) << name;
        }
        EXPECT_EQ(r.dialog.folder(), home("Zeta/deeper"));
        EXPECT_EQ(value(r.option), before);
        r.dialog.cancelButton->click();
    }
}

// Volumes mounted and folders made while the program runs show in the main
// window's drive box on Refresh and in every folder dialog when it opens;
// a volume that went away leaves them the same way.
TEST_F(FolderDialogs, VolumesAndFoldersAreReadAgainOnRefreshAndOpening) {
    const QString mount = tmp.mkdir("volume");
    if (run("mount", {"-t", "tmpfs", "tovrane-test", mount}) != 0)
        GTEST_SKIP() << "no permission to mount a tmpfs here";
    struct Unmount {
        QString path;
        bool mounted = true;
        void now() {
            if (std::exchange(mounted, false))
                run("umount", {path});
        }
        ~Unmount() { now(); }
    } unmount{mount};
    tmp.mkdir("home/Later");
    struct Where {
        const char *what;
        std::function<void()> show, close;
        DriveComboBox &box;
        FolderTree *tree;
    };
    std::vector<Where> places{{"main window", [this] { action("Refresh")->trigger(); }, [] {},
                               widget<DriveComboBox>("DriveComboBox1"), &folderTree()}};
    for (const Row &r : folderOptions())
        places.push_back({r.marker, [this, o = r.option] { toggle(o).click(); },
                          [d = &r.dialog] { d->cancelButton->click(); }, *r.dialog.DriveComboBox1,
                          r.dialog.DirectoryListBox1});
    places.push_back({"File Inclusion", [this] { toggle(Option::includeFile).click(); },
                      [this] { inclusion().cancelButton->click(); }, *inclusion().DriveComboBox1,
                      nullptr});
    for (const bool mounted : {true, false}) {
        if (!mounted)
            unmount.now();
        for (const Where &w : places) {
            w.show();
            EXPECT_EQ(w.box.findText(mount, Qt::MatchStartsWith) >= 0, mounted) << w.what;
            EXPECT_TRUE(!w.tree || treeShows(*w.tree, "Later")) << w.what;
            w.close();
        }
    }
}

// The file list sits beside the tree, not a gap away from it.
TEST_F(FolderDialogs, IncludeFileListSitsBesideTheTree) {
    toggle(Option::includeFile).click();
    TFileInclusion &d = inclusion();
    ASSERT_TRUE(d.isVisible());
    const int gap = d.FileListBox1->geometry().left() - d.DirectoryListBox1->geometry().right();
    EXPECT_LE(gap, 12);
    d.cancelButton->click();
}
