#include "BrowserCommands.h"

#include "BrowserPane.h"
#include "ButtonBar.h"
#include "FolderOptions.h"
#include "MainMenu.h"
#include "platform/AppPaths.h"
#include "platform/Dialogs.h"
#include "platform/FileSystem.h"
#include "platform/Volumes.h"
#include "widgets/DriveComboBox.h"
#include "widgets/FileListBox.h"
#include "widgets/FolderListBox.h"
#include "widgets/FolderTree.h"

#include <QApplication>

QString filesSelectedText(int count) {
    return QString::number(count) + QStringLiteral(" files selected.");
}

QString foldersSelectedText(int count) {
    return QString::number(count) + QStringLiteral(" folders selected.");
}

BrowserCommands::BrowserCommands(BrowserPane &browser, MainMenu &menu, ButtonBar &buttons,
                                 FolderOptions &folders, StatusSetter setStatus, QObject *parent)
    : QObject(parent),
      browser_(browser),
      menu_(menu),
      buttons_(buttons),
      folders_(folders),
      setStatus_(std::move(setStatus)) {
    deleteFiles = fileListMenu.addAction(QStringLiteral("Delete Selected File(s)"));
    renameFiles = fileListMenu.addAction(QStringLiteral("Rename Selected File(s)"));
    fileListMenu.addSeparator();
    fileInformation = fileListMenu.addAction(QStringLiteral("View file information"));
    fileListMenu.addSeparator();
    testZips = fileListMenu.addAction(QStringLiteral("Test zip file(s) integrity"));
    fileListMenu.addSeparator();
    trimFile = fileListMenu.addAction(QStringLiteral("Trim File"));
    deleteFolders = folderListMenu.addAction(QStringLiteral("Delete selected folders"));
    folderListMenu.addSeparator();
    createFolder = folderListMenu.addAction(QStringLiteral("Create a new folder"));

    BrowserPane &b = browser_;
    for (QListWidget *list :
         {static_cast<QListWidget *>(b.FileListBox1), static_cast<QListWidget *>(b.ListBox2)})
        list->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(b.FileListBox1, &QWidget::customContextMenuRequested, this, [this](const QPoint &at) {
        updateFileListMenu();
        fileListMenu.popup(browser_.FileListBox1->viewport()->mapToGlobal(at));
    });
    connect(b.ListBox2, &QWidget::customContextMenuRequested, this, [this](const QPoint &at) {
        updateFolderListMenu();
        folderListMenu.popup(browser_.ListBox2->viewport()->mapToGlobal(at));
    });
    connect(b.FileListBox1, &FileListBox::userSelected, this, &BrowserCommands::clickInFileList);
    connect(b.ListBox2, &FolderListBox::userSelected, this, &BrowserCommands::clickInFolderList);
    connect(b.DriveComboBox1, &DriveComboBox::driveChosen, this, &BrowserCommands::driveChosen);
    connect(b.DirectoryListBox1, &FolderTree::directoryChanged, this,
            &BrowserCommands::folderChanged);
    connect(b.DirectoryListBox1, &FolderTree::folderDoubleClicked, this,
            &BrowserCommands::folderDoubleClicked);
    connect(b.DirectoryListBox1, &FolderTree::mousePressed, this, &BrowserCommands::selectNone);
    connect(&b, &BrowserPane::bannerClicked, this, &BrowserCommands::refresh);
    connect(b.filesRadio, &QRadioButton::toggled, this, [this](bool on) {
        if (on)
            switchToFiles();
    });
    connect(b.foldersRadio, &QRadioButton::toggled, this, [this](bool on) {
        if (on)
            switchToFolders();
    });
}

bool BrowserCommands::filesView() const {
    return browser_.filesRadio->isChecked();
}

void BrowserCommands::selectAll(bool fromButton) {
    BrowserPane &b = browser_;
    if (fromButton)
        buttons_.setEnabled(false);
    if (filesView()) {
        b.FileListBox1->selectAll();
        b.FileListBox1->scrollToFirst();
        setStatus_(filesSelectedText(b.FileListBox1->selectedCount()));
    } else {
        b.ListBox2->selectAll();
        b.ListBox2->scrollToFirst();
        setStatus_(foldersSelectedText(b.ListBox2->selectedCount()));
    }
    if (fromButton)
        buttons_.setEnabled(true);
}

void BrowserCommands::selectNone() {
    BrowserPane &b = browser_;
    buttons_.setEnabled(false);
    if (filesView()) {
        b.FileListBox1->clearSelection();
        b.FileListBox1->scrollToFirst();
        setStatus_(filesSelectedText(0));
    } else {
        b.ListBox2->clearSelection();
        b.ListBox2->scrollToFirst();
        setStatus_(foldersSelectedText(0));
    }
    buttons_.setEnabled(true);
}

void BrowserCommands::invert() {
    // The visible list is inverted: in the folders view that is the folder
    // list, as the button's hint promises.
    BrowserPane &b = browser_;
    QListWidget *list = filesView() ? static_cast<QListWidget *>(b.FileListBox1)
                                    : static_cast<QListWidget *>(b.ListBox2);
    int selected = 0;
    for (int i = 0; i < list->count(); ++i) {
        QListWidgetItem *item = list->item(i);
        item->setSelected(!item->isSelected());
        if (item->isSelected())
            ++selected;
    }
    if (list->count() > 0)
        list->scrollToItem(list->item(0), QAbstractItemView::PositionAtTop);
    setStatus_(filesView() ? filesSelectedText(selected) : foldersSelectedText(selected));
}

void BrowserCommands::clickInFileList() {
    setStatus_(filesSelectedText(browser_.FileListBox1->selectedCount()));
}

void BrowserCommands::clickInFolderList() {
    setStatus_(foldersSelectedText(browser_.ListBox2->selectedCount()));
}

void BrowserCommands::refresh() {
    browser_.DirectoryListBox1->reread();
    browser_.FileListBox1->reread();
}

void BrowserCommands::driveChosen(const QString &root) {
    QApplication::processEvents();
    const platform::Readiness ready = platform::driveReadiness(root);
    QApplication::processEvents();
    switch (ready) {
        case platform::Readiness::Ready:
            browser_.DirectoryListBox1->setDirectory(root);
            return;
        case platform::Readiness::InvalidDrive:
            platform::dialogs().message(platform::MessageKind::Error,
                                        QStringLiteral("Not a valid drive letter"), platform::Ok);
            break;
        case platform::Readiness::NotReady:
            platform::dialogs().message(
                platform::MessageKind::Error,
                QStringLiteral(
                    "Drive not ready, please check you have inserted a disk and try again"),
                platform::Cancel);
            break;
    }
    goHome();
}

void BrowserCommands::goHome() {
    const QString home = platform::homeFolder();
    browser_.DriveComboBox1->setDrive(home);
    browser_.DirectoryListBox1->setDirectory(home);
}

void BrowserCommands::folderDoubleClicked() {
    doubleClick_ = true;
}

void BrowserCommands::folderChanged(const QString &folder) {
    BrowserPane &b = browser_;
    if (!doubleClick_) {
        setStatus_(filesView() ? QStringLiteral("0 Files Selected")
                               : QStringLiteral("0 Folders Selected"));
        QApplication::processEvents();
    }
    doubleClick_ = false;
    b.DriveComboBox1->setDrive(folder);
    folders_.followBrowser(folder);
    b.FileListBox1->setDirectory(folder);
    if (foldersView()) {
        b.ListBox2->fill(folder);
        b.showFolderList(true);
    }
}

void BrowserCommands::setFileCommandsEnabled(bool enabled) {
    MainMenu &m = menu_;
    m.deleteSelectedFolders->setEnabled(!enabled);
    for (QAction *a : {m.deleteSelectedFiles, m.renameTool, m.zipTestTool, m.trimTool, m.crcTool})
        a->setEnabled(enabled);
    ButtonBar &bar = buttons_;
    for (QToolButton *b : {bar.renameButton, bar.crcButton, bar.trimButton, bar.testButton,
                           bar.rezipButton, bar.unzipButton})
        b->setEnabled(enabled);
    bar.deleteButton->setEnabled(true);
    browser_.filterBand->setVisible(enabled);
}

void BrowserCommands::showFilesView() {
    browser_.filesRadio->setChecked(true);
}

void BrowserCommands::showFoldersView() {
    browser_.foldersRadio->setChecked(true);
}

void BrowserCommands::switchToFiles() {
    MainMenu &m = menu_;
    m.fullPaths->setChecked(FullPathSaved);
    m.fullPaths->setEnabled(true);
    QApplication::processEvents();
    setFileCommandsEnabled(true);
    browser_.showFolderList(false);
    setStatus_(QStringLiteral("Files Selected."));
    m.viewFiles->setChecked(true);
}

void BrowserCommands::switchToFolders() {
    MainMenu &m = menu_;
    // A folder's archive keeps the folder's tree, so paths are stored while
    // this view shows; the files view's own choice comes back with it.
    FullPathSaved = m.fullPaths->isChecked();
    m.fullPaths->setChecked(true);
    m.fullPaths->setEnabled(false);
    QApplication::processEvents();
    setFileCommandsEnabled(false);
    m.viewFolders->setChecked(true);
    browser_.ListBox2->fill(browser_.DirectoryListBox1->directory());
    browser_.showFolderList(true);
    setStatus_(foldersSelectedText(0));
}

void BrowserCommands::updateFileListMenu() {
    const int selected = browser_.FileListBox1->selectedCount();
    for (QAction *a : {deleteFiles, renameFiles, testZips})
        a->setEnabled(selected >= 1);
    for (QAction *a : {fileInformation, trimFile})
        a->setEnabled(selected == 1);
}

void BrowserCommands::updateFolderListMenu() {
    deleteFolders->setEnabled(browser_.ListBox2->selectedCount() >= 1);
    createFolder->setEnabled(true);
}

void BrowserCommands::newFolderMade(bool attempted) {
    BrowserPane &b = browser_;
    if (!attempted) {
        b.DirectoryListBox1->reread();
        return;
    }
    refresh();
    // The folder list this was started from shows the new folder at once.
    if (foldersView())
        b.ListBox2->fill(b.DirectoryListBox1->directory());
}
