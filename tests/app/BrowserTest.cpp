#include "AppFixture.h"

#include "app/BrowserCommands.h"
#include "app/BrowserPane.h"
#include "app/ButtonBar.h"
#include "app/MainMenu.h"
#include "app/OptionsPanel.h"
#include "support/ScriptedDialogs.h"
#include "widgets/DriveComboBox.h"
#include "widgets/FileListBox.h"
#include "widgets/FilterComboBox.h"
#include "widgets/FolderListBox.h"
#include "widgets/FolderTree.h"

#include <QTest>

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
    FileListBox &files() { return *form().browser->FileListBox1; }
    FolderListBox &folders() { return *form().browser->ListBox2; }
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
    EXPECT_EQ(form().folders.ZipFolder(), home() + "/");
    EXPECT_EQ(form().folders.UnzipFolder(), home() + "/");
    EXPECT_EQ(form().folders.WorkFolder(), home() + "/");
    EXPECT_TRUE(form().folders.IncludeFile().isEmpty());
    EXPECT_EQ(form().options->zipFolder.field->text(), home().toLower() + "/");
}

TEST_F(Browser, SelectionCommandsReportTheirCounts) {
    struct Step {
        std::function<void(TMainform &)> command;
        QStringList selected;
        const char *status;
    } steps[] = {
        {[](TMainform &f) { f.buttons->allButton->click(); },
         {"a.txt", "B.doc", "c.TXT"},
         "3 files selected."},
        {[](TMainform &f) { f.buttons->noneButton->click(); }, {}, "0 files selected."},
        {[](TMainform &f) {
             f.browser->FileListBox1->setSelected(1, true);
             f.buttons->invertButton->click();
         },
         {"a.txt", "c.TXT"},
         "2 files selected."},
        {[](TMainform &f) { f.menu->invertSelection->trigger(); }, {"B.doc"}, "1 files selected."},
        {[](TMainform &f) { f.menu->selectAll->trigger(); },
         {"a.txt", "B.doc", "c.TXT"},
         "3 files selected."},
        {[](TMainform &f) { f.menu->selectNone->trigger(); }, {}, "0 files selected."},
    };
    for (const Step &s : steps) {
        s.command(form());
        EXPECT_EQ(selectedFiles(), s.selected) << s.status;
        EXPECT_EQ(form().status(), s.status);
        EXPECT_TRUE(form().buttons->isEnabled());
    }
}

TEST_F(Browser, SelectAllInAnEmptyFolder) {
    browseTo(tmp.mkdir("home/alpha"));
    form().buttons->allButton->click();
    EXPECT_EQ(form().status(), "0 files selected.");
}

TEST_F(Browser, ClickInTheListReportsTheSelection) {
    QTest::mouseClick(files().viewport(), Qt::LeftButton, {},
                      files().visualItemRect(files().item(0)).center());
    QTest::mouseClick(files().viewport(), Qt::LeftButton, Qt::ControlModifier,
                      files().visualItemRect(files().item(2)).center());
    EXPECT_EQ(selectedFiles(), QStringList({"a.txt", "c.TXT"}));
    EXPECT_EQ(form().status(), "2 files selected.");
}

TEST_F(Browser, PressingIntoTheTreeClearsTheSelectionAtOnce) {
    form().buttons->allButton->click();
    QTest::mousePress(form().browser->DirectoryListBox1->viewport(), Qt::RightButton);
    EXPECT_TRUE(selectedFiles().isEmpty());
    EXPECT_EQ(form().status(), "0 files selected.");
}

TEST_F(Browser, FolderChangeMovesTheFollowingOptionsButNotPinnedOnes) {
    form().options->zipFolder.button->setChecked(true);
    const QString pinned = form().folders.ZipFolder();
    browseTo(home("Zeta"));
    EXPECT_EQ(form().status(), "0 Files Selected");
    EXPECT_EQ(form().folders.ZipFolder(), pinned);
    EXPECT_EQ(form().folders.UnzipFolder(), home("Zeta") + "/");
    EXPECT_EQ(form().folders.WorkFolder(), home("Zeta") + "/");
    EXPECT_EQ(form().options->workFolder.field->text(), home("Zeta").toLower() + "/");
    browseTo("/");
    EXPECT_EQ(form().folders.UnzipFolder(), "/");
    EXPECT_EQ(form().folders.ZipFolder(), pinned);
}

TEST_F(Browser, FoldersViewListsSubFoldersAndSetsTheCommands) {
    form().menu->fullPaths->trigger();  // on in the files view
    form().menu->fullPaths->trigger();  // and off again
    form().browser->foldersRadio->click();
    EXPECT_TRUE(form().browser->folderListVisible());
    EXPECT_EQ(folders().names(), QStringList({"alpha", "Zeta"}));
    EXPECT_EQ(form().status(), "0 folders selected.");
    MainMenu &m = *form().menu;
    EXPECT_TRUE(m.viewFolders->isChecked());
    EXPECT_TRUE(m.deleteSelectedFolders->isEnabled());
    for (QAction *a : {m.deleteSelectedFiles, m.renameTool, m.zipTestTool, m.trimTool, m.crcTool})
        EXPECT_FALSE(a->isEnabled()) << a->text().toStdString();
    ButtonBar &b = *form().buttons;
    for (QToolButton *t :
         {b.renameButton, b.crcButton, b.trimButton, b.testButton, b.rezipButton, b.unzipButton})
        EXPECT_FALSE(t->isEnabled()) << t->text().toStdString();
    EXPECT_TRUE(b.deleteButton->isEnabled());
    EXPECT_TRUE(b.zipButton->isEnabled());
    EXPECT_FALSE(form().browser->filterBand->isVisible());
    EXPECT_TRUE(m.fullPaths->isChecked());
    EXPECT_FALSE(m.fullPaths->isEnabled());

    form().buttons->allButton->click();
    EXPECT_EQ(form().status(), "2 folders selected.");
    browseTo(home("Zeta"));
    EXPECT_EQ(form().status(), "0 Folders Selected");
    EXPECT_TRUE(folders().names().isEmpty());

    form().menu->viewFiles->trigger();
    EXPECT_TRUE(form().browser->filesRadio->isChecked());
    EXPECT_FALSE(form().browser->folderListVisible());
    EXPECT_EQ(form().status(), "Files Selected.");
    EXPECT_FALSE(m.deleteSelectedFolders->isEnabled());
    for (QAction *a : {m.deleteSelectedFiles, m.renameTool, m.zipTestTool, m.trimTool, m.crcTool})
        EXPECT_TRUE(a->isEnabled()) << a->text().toStdString();
    for (QToolButton *t :
         {b.renameButton, b.crcButton, b.trimButton, b.testButton, b.rezipButton, b.unzipButton})
        EXPECT_TRUE(t->isEnabled()) << t->text().toStdString();
    EXPECT_TRUE(form().browser->filterBand->isVisible());
    EXPECT_FALSE(m.fullPaths->isChecked());
    EXPECT_TRUE(m.fullPaths->isEnabled());
}

TEST_F(Browser, SwitchingToTheViewAlreadyShownDoesNothing) {
    form().setStatus("untouched");
    form().browser->filesRadio->click();
    form().menu->viewFiles->trigger();
    EXPECT_EQ(form().status(), "untouched");
}

TEST_F(Browser, InvertInTheFoldersViewWorksOnTheFolderList) {
    form().browse->showFoldersView();
    folders().setSelected(0, true);
    form().browse->invert();
    EXPECT_FALSE(folders().isSelected(0));
    EXPECT_TRUE(folders().isSelected(1));
    EXPECT_EQ(form().status(), "1 folders selected.");
}

TEST_F(Browser, PopUpMenusFollowTheSelection) {
    BrowserCommands &b = *form().browse;
    struct Row {
        int selected;
        bool many, one;
    } rows[] = {{0, false, false}, {1, true, true}, {2, true, false}};
    for (const Row &r : rows) {
        files().clearSelection();
        for (int i = 0; i < r.selected; ++i)
            files().setSelected(i, true);
        b.updateFileListMenu();
        EXPECT_EQ(b.deleteFiles->isEnabled(), r.many) << r.selected;
        EXPECT_EQ(b.renameFiles->isEnabled(), r.many) << r.selected;
        EXPECT_EQ(b.testZips->isEnabled(), r.many) << r.selected;
        EXPECT_EQ(b.fileInformation->isEnabled(), r.one) << r.selected;
        EXPECT_EQ(b.trimFile->isEnabled(), r.one) << r.selected;
    }
    form().browse->showFoldersView();
    b.updateFolderListMenu();
    EXPECT_FALSE(b.deleteFolders->isEnabled());
    EXPECT_TRUE(b.createFolder->isEnabled());
    folders().setSelected(1, true);
    b.updateFolderListMenu();
    EXPECT_TRUE(b.deleteFolders->isEnabled());
}

TEST_F(Browser, DriveThatIsNotReadyReturnsHome) {
    browseTo(home("Zeta"));
    dialogs().answer(platform::Cancel);
    form().browse->driveChosen("/no/such/volume");
    ASSERT_EQ(dialogs().boxes().size(), 1);
    EXPECT_EQ(dialogs().boxes()[0].text,
              "Drive not ready, please check you have inserted a disk and try again");
    EXPECT_EQ(dialogs().boxes()[0].buttons, platform::Cancel);
    EXPECT_EQ(files().directory(), home());

    dialogs().answer(platform::Ok);
    form().browse->driveChosen("C:");
    EXPECT_EQ(dialogs().texts().last(), "Not a valid drive letter");
}

TEST_F(Browser, ReadyDriveMovesTheTreeToItsRoot) {
    form().browse->driveChosen("/");
    EXPECT_EQ(form().browser->DirectoryListBox1->directory(), "/");
    EXPECT_EQ(form().folders.ZipFolder(), "/");
}

TEST_F(Browser, FilterBoxNarrowsTheFileList) {
    FilterComboBox &filter = *form().browser->FilterComboBox1;
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
    form().menu->refreshFromView->trigger();
    EXPECT_EQ(files().count(), 4);
}
