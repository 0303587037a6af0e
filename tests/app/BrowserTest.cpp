#include "AppFixture.h"

#include "support/ScriptedDialogs.h"
#include "widgets/DriveComboBox.h"
#include "widgets/FileListBox.h"
#include "widgets/FilterComboBox.h"
#include "widgets/FolderListBox.h"
#include "widgets/FolderTree.h"

#include <QAction>
#include <QLineEdit>
#include <QRadioButton>
#include <QTest>
#include <QToolButton>

using testsupport::dialogs;

class Browser : public AppFixture {
  protected:
    void SetUp() override {
        for (const char *name : {"a.txt", "B.doc", "c.TXT", ".hidden"})
            tmp.write(QString("home/") + name, "x");
        for (const char *name : {"Zeta", "alpha", ".config"})
            tmp.mkdir(QString("home/") + name);
        startProgram();
    }
    FileListBox &files() { return fileList(); }
    FolderListBox &folders() { return folderList(); }
    QWidget &buttonBar() { return *button("Zip")->parentWidget(); }
    // The state of the browser's view and the commands it enables.
    struct ViewState {
        bool folderList, filterBand, fullPathsChecked, fullPathsEnabled;
        QStringList enabled;
    };
    ViewState viewState() {
        ViewState v{widget<QWidget>("ListBox2").isVisible(),
                    widget<QWidget>("filterBand").isVisible(),
                    action("fullPaths")->isChecked(),
                    action("fullPaths")->isEnabled(),
                    {}};
        for (const char *name : {"DeleteFiles", "DeleteFolders", "Rename", "Test", "Trim", "CRC32",
                                 "Dupes", "Rezip", "Unzip", "Delete", "Zip"})
            if (action(name)->isEnabled())
                v.enabled << name;
        return v;
    }
    QStringList selectedFiles() {
        QStringList names;
        for (int i = 0; i < files().count(); ++i)
            if (files().isSelected(i))
                names << files().name(i);
        return names;
    }
};

TEST_F(Browser, StartsAtHomeWithTheFilesViewAndFollowingOptions) {
    EXPECT_EQ(files().directory(), home());
    EXPECT_EQ(files().count(), 3);  // the hidden file is left out
    EXPECT_EQ(options().text(Option::zipFolder), home() + "/");
    EXPECT_EQ(options().text(Option::unzipFolder), home() + "/");
    EXPECT_EQ(options().text(Option::workFolder), home() + "/");
    EXPECT_TRUE(options().text(Option::includeFile).isEmpty());
    EXPECT_EQ(widget<QLineEdit>("zipFolder").text(), home() + "/");
}

TEST_F(Browser, SelectionCommandsReportTheirCounts) {
    struct Step {
        std::function<void()> command;
        QStringList selected;
        const char *status;
    } steps[] = {
        {[this] { button("All")->click(); }, {"a.txt", "B.doc", "c.TXT"}, "3 files selected."},
        {[this] { button("None")->click(); }, {}, "0 files selected."},
        {[this] {
             files().setSelected(1, true);
             button("Invert")->click();
         },
         {"a.txt", "c.TXT"},
         "2 files selected."},
        {[this] { action("Invert")->trigger(); }, {"B.doc"}, "1 files selected."},
        {[this] { action("All")->trigger(); }, {"a.txt", "B.doc", "c.TXT"}, "3 files selected."},
        {[this] { action("None")->trigger(); }, {}, "0 files selected."},
    };
    for (const Step &s : steps) {
        s.command();
        EXPECT_EQ(selectedFiles(), s.selected) << s.status;
        EXPECT_EQ(form().status(), s.status);
        EXPECT_TRUE(buttonBar().isEnabled());
    }
}

TEST_F(Browser, SelectAllInAnEmptyFolder) {
    browseTo(tmp.mkdir("home/alpha"));
    button("All")->click();
    EXPECT_EQ(form().status(), "0 files selected.");
}

TEST_F(Browser, ClickInTheListReportsTheSelection) {
    QTest::mouseClick(files().viewport(), Qt::LeftButton, {},
                      files().visualRect(files().model()->index(0, 0)).center());
    QTest::mouseClick(files().viewport(), Qt::LeftButton, Qt::ControlModifier,
                      files().visualRect(files().model()->index(2, 0)).center());
    EXPECT_EQ(selectedFiles(), QStringList({"a.txt", "c.TXT"}));
    EXPECT_EQ(form().status(), "2 files selected.");
}

TEST_F(Browser, PressingIntoTheTreeClearsTheSelectionAtOnce) {
    button("All")->click();
    QTest::mousePress(folderTree().viewport(), Qt::RightButton);
    EXPECT_TRUE(selectedFiles().isEmpty());
    EXPECT_EQ(form().status(), "0 files selected.");
}

TEST_F(Browser, FolderChangeMovesTheFollowingOptionsButNotPinnedOnes) {
    options().setPinned(Option::zipFolder, true);
    EXPECT_TRUE(action("zipFolder")->isChecked());
    const QString pinned = options().text(Option::zipFolder);
    browseTo(home("Zeta"));
    EXPECT_EQ(form().status(), "0 Files Selected");
    EXPECT_EQ(options().text(Option::zipFolder), pinned);
    EXPECT_EQ(options().text(Option::unzipFolder), home("Zeta") + "/");
    EXPECT_EQ(options().text(Option::workFolder), home("Zeta") + "/");
    // The fields show the folder as it is named: "zeta" would be another one.
    for (const char *field : {"unzipFolder", "workFolder"})
        EXPECT_EQ(widget<QLineEdit>(field).text(), home("Zeta") + "/") << field;
    browseTo("/");
    EXPECT_EQ(options().text(Option::unzipFolder), "/");
    EXPECT_EQ(options().text(Option::zipFolder), pinned);
}

TEST_F(Browser, FoldersViewListsSubFoldersAndSetsTheCommands) {
    action("fullPaths")->trigger();  // on in the files view
    action("fullPaths")->trigger();  // and off again
    widget<QRadioButton>("foldersRadio").click();
    EXPECT_EQ(folders().names(), QStringList({"alpha", "Zeta"}));
    EXPECT_EQ(form().status(), "0 folders selected.");
    EXPECT_TRUE(action("ViewFolders")->isChecked());
    const ViewState inFolders = viewState();
    EXPECT_TRUE(inFolders.folderList);
    EXPECT_FALSE(inFolders.filterBand);
    EXPECT_TRUE(inFolders.fullPathsChecked);
    EXPECT_FALSE(inFolders.fullPathsEnabled);
    EXPECT_EQ(inFolders.enabled, QStringList({"DeleteFolders", "Delete", "Zip"}));
    for (const char *name :
         {"Rename", "CRC32", "Trim", "Dupes", "Test", "Rezip", "Unzip", "Delete", "Zip"})
        EXPECT_EQ(button(name)->isEnabled(), action(name)->isEnabled()) << name;

    button("All")->click();
    EXPECT_EQ(form().status(), "2 folders selected.");
    browseTo(home("Zeta"));
    EXPECT_EQ(form().status(), "0 Folders Selected");
    EXPECT_TRUE(folders().names().isEmpty());

    action("ViewFiles")->trigger();
    EXPECT_TRUE(widget<QRadioButton>("filesRadio").isChecked());
    EXPECT_EQ(form().status(), "Files Selected.");
    const ViewState inFiles = viewState();
    EXPECT_FALSE(inFiles.folderList);
    EXPECT_TRUE(inFiles.filterBand);
    EXPECT_FALSE(inFiles.fullPathsChecked);
    EXPECT_TRUE(inFiles.fullPathsEnabled);
    EXPECT_EQ(inFiles.enabled, QStringList({"DeleteFiles", "Rename", "Test", "Trim", "CRC32",
                                            "Dupes", "Rezip", "Unzip", "Delete", "Zip"}));
}

TEST_F(Browser, SwitchingToTheViewAlreadyShownDoesNothing) {
    form().setStatus("untouched");
    widget<QRadioButton>("filesRadio").click();
    action("ViewFiles")->trigger();
    EXPECT_EQ(form().status(), "untouched");
}

TEST_F(Browser, InvertInTheFoldersViewWorksOnTheFolderList) {
    action("ViewFolders")->trigger();
    folders().setSelected(0, true);
    action("Invert")->trigger();
    EXPECT_FALSE(folders().isSelected(0));
    EXPECT_TRUE(folders().isSelected(1));
    EXPECT_EQ(form().status(), "1 folders selected.");
}

TEST_F(Browser, PopUpMenusFollowTheSelection) {
    struct Row {
        int selected;
        bool many, one;
    } rows[] = {{0, false, false}, {1, true, true}, {2, true, false}};
    auto item = [this](const char *caption) { return popupItem("fileListMenu", caption); };
    for (const Row &r : rows) {
        files().clearSelection();
        for (int i = 0; i < r.selected; ++i)
            files().setSelected(i, true);
        EXPECT_EQ(item("Delete Selected File(s)")->isEnabled(), r.many) << r.selected;
        EXPECT_EQ(item("Rename Selected File(s)")->isEnabled(), r.many) << r.selected;
        EXPECT_EQ(item("Test zip file(s) integrity")->isEnabled(), r.many) << r.selected;
        EXPECT_EQ(item("View file information")->isEnabled(), r.one) << r.selected;
        EXPECT_EQ(item("Trim File")->isEnabled(), r.one) << r.selected;
    }
    action("ViewFolders")->trigger();
    EXPECT_FALSE(popupItem("folderListMenu", "Delete selected folders")->isEnabled());
    EXPECT_TRUE(popupItem("folderListMenu", "Create a new folder")->isEnabled());
    folders().setSelected(1, true);
    EXPECT_TRUE(popupItem("folderListMenu", "Delete selected folders")->isEnabled());
}

TEST_F(Browser, DriveThatIsNotReadyReturnsHome) {
    browseTo(home("Zeta"));
    dialogs().answer(platform::Cancel);
    emit widget<DriveComboBox>("DriveComboBox1").driveChosen("/no/such/volume");
    ASSERT_EQ(dialogs().boxes().size(), 1);
    EXPECT_EQ(dialogs().boxes()[0].text,
              "Drive not ready, please check you have inserted a disk and try again");
    EXPECT_EQ(dialogs().boxes()[0].buttons, platform::Cancel);
    EXPECT_EQ(files().directory(), home());

    dialogs().answer(platform::Ok);
    emit widget<DriveComboBox>("DriveComboBox1").driveChosen("C:");
    EXPECT_EQ(dialogs().texts().last(), "Not a valid drive letter");
}

TEST_F(Browser, ReadyDriveMovesTheTreeToItsRoot) {
    emit widget<DriveComboBox>("DriveComboBox1").driveChosen("/");
    EXPECT_EQ(folderTree().directory(), "/");
    EXPECT_EQ(options().text(Option::zipFolder), "/");
}

TEST_F(Browser, FilterBoxNarrowsTheFileList) {
    auto &filter = widget<FilterComboBox>("FilterComboBox1");
    filter.setCurrentIndex(4);  // *.TXT
    emit filter.activated(4);
    EXPECT_EQ(files().count(), 2);
    filter.setFilter("");
    EXPECT_EQ(filter.mask(), "*.*");
    EXPECT_EQ(files().count(), 3);
}

TEST_F(Browser, RefreshShowsFilesMadeMeanwhile) {
    tmp.write("home/new.bin", "y");
    EXPECT_EQ(files().count(), 3);
    action("Refresh")->trigger();
    EXPECT_EQ(files().count(), 4);
}

// A list read again from disk has nothing selected: a count in the status
// bar follows it, any other text stays.
TEST_F(Browser, ACountInTheStatusBarFollowsTheListReadAgain) {
    struct Row {
        const char *what;
        std::function<void()> select, reread;
        const char *status;
    } rows[] = {
        {"files, Refresh", [this] { button("All")->click(); },
         [this] { action("Refresh")->trigger(); }, "0 files selected."},
        {"another text stays",
         [this] {
             button("All")->click();
             form().setStatus("Completed.");
         },
         [this] { action("Refresh")->trigger(); }, "Completed."},
        {"folders deleted",
         [this] {
             action("ViewFolders")->trigger();
             folders().setSelected(0, true);
             folders().setSelected(1, true);
             action("Invert")->trigger();
             action("Invert")->trigger();
         },
         [this] {
             dialogs().answer(platform::Yes);
             action("DeleteFolders")->trigger();
         },
         // Where the folders went replaces the count that no longer holds.
         "2 folders moved to the Trash."},
    };
    for (const Row &r : rows) {
        r.select();
        r.reread();
        EXPECT_EQ(form().status(), r.status) << r.what;
    }
}
