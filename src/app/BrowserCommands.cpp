#include "BrowserCommands.h"

#include "BrowserPane.h"
#include "ButtonBar.h"
#include "MainForm.h"
#include "MainMenu.h"
#include "OptionsPanel.h"
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

BrowserCommands::BrowserCommands(TMainform &form) : QObject(&form), form_(form) {
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

    BrowserPane &b = *form_.browser;
    for (QListWidget *list :
         {static_cast<QListWidget *>(b.FileListBox1), static_cast<QListWidget *>(b.ListBox2)})
        list->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(b.FileListBox1, &QWidget::customContextMenuRequested, this, [this](const QPoint &at) {
        updateFileListMenu();
        fileListMenu.popup(form_.browser->FileListBox1->viewport()->mapToGlobal(at));
    });
    connect(b.ListBox2, &QWidget::customContextMenuRequested, this, [this](const QPoint &at) {
        updateFolderListMenu();
        folderListMenu.popup(form_.browser->ListBox2->viewport()->mapToGlobal(at));
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
    return form_.browser->filesRadio->isChecked();
}

void BrowserCommands::selectAll(bool fromButton) {
    BrowserPane &b = *form_.browser;
    if (fromButton)
        form_.buttons->setEnabled(false);
    if (filesView()) {
        b.FileListBox1->selectAll();
        b.FileListBox1->scrollToFirst();
        form_.setStatus(filesSelectedText(b.FileListBox1->selectedCount()));
    } else {
        b.ListBox2->selectAll();
        b.ListBox2->scrollToFirst();
        form_.setStatus(foldersSelectedText(b.ListBox2->selectedCount()));
    }
    if (fromButton)
        form_.buttons->setEnabled(true);
}

void BrowserCommands::selectNone() {
    BrowserPane &b = *form_.browser;
    form_.buttons->setEnabled(false);
    if (filesView()) {
        b.FileListBox1->clearSelection();
        b.FileListBox1->scrollToFirst();
        form_.setStatus(filesSelectedText(0));
    } else {
        b.ListBox2->clearSelection();
        b.ListBox2->scrollToFirst();
        form_.setStatus(foldersSelectedText(0));
    }
    form_.buttons->setEnabled(true);
}

void BrowserCommands::invert() {
    // The visible list is inverted: in the folders view that is the folder
    // list, as the button's hint promises.
    BrowserPane &b = *form_.browser;
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
    form_.setStatus(filesView() ? filesSelectedText(selected) : foldersSelectedText(selected));
}

void BrowserCommands::clickInFileList() {
    form_.setStatus(filesSelectedText(form_.browser->FileListBox1->selectedCount()));
}

void BrowserCommands::clickInFolderList() {
    form_.setStatus(foldersSelectedText(form_.browser->ListBox2->selectedCount()));
}

void BrowserCommands::refresh() {
    form_.browser->DirectoryListBox1->reread();
    form_.browser->FileListBox1->reread();
}

void BrowserCommands::driveChosen(const QString &root) {
    QApplication::processEvents();
    const platform::Readiness ready = platform::driveReadiness(root);
    QApplication::processEvents();
    switch (ready) {
        case platform::Readiness::Ready:
            form_.browser->DirectoryListBox1->setDirectory(root);
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
    form_.browser->DriveComboBox1->setDrive(home);
    form_.browser->DirectoryListBox1->setDirectory(home);
}

void BrowserCommands::folderDoubleClicked() {
    doubleClick_ = true;
}

void BrowserCommands::folderChanged(const QString &folder) {
    BrowserPane &b = *form_.browser;
    if (!doubleClick_) {
        form_.setStatus(filesView() ? QStringLiteral("0 Files Selected")
                                    : QStringLiteral("0 Folders Selected"));
        QApplication::processEvents();
    }
    doubleClick_ = false;
    b.DriveComboBox1->setDrive(folder);
    followBrowser(folder);
    b.FileListBox1->setDirectory(folder);
    if (foldersView()) {
        b.ListBox2->fill(folder);
        b.showFolderList(true);
    }
}

void BrowserCommands::followBrowser(const QString &folder) {
    const QString current = platform::withSeparator(folder);
    OptionsPanel &o = *form_.options;
    if (!o.zipFolder.button->isChecked())
        form_.setOption(form_.ZipFolder, current);
    if (!o.unzipFolder.button->isChecked())
        form_.setOption(form_.UnzipFolder, current);
    if (!o.workFolder.button->isChecked())
        form_.setOption(form_.WorkFolder, current);
}

void BrowserCommands::setFileCommandsEnabled(bool enabled) {
    MainMenu &m = *form_.menu;
    m.deleteSelectedFolders->setEnabled(!enabled);
    for (QAction *a : {m.deleteSelectedFiles, m.renameTool, m.zipTestTool, m.trimTool, m.crcTool})
        a->setEnabled(enabled);
    ButtonBar &bar = *form_.buttons;
    for (QToolButton *b : {bar.renameButton, bar.crcButton, bar.trimButton, bar.testButton,
                           bar.rezipButton, bar.unzipButton})
        b->setEnabled(enabled);
    bar.deleteButton->setEnabled(true);
    form_.browser->filterBand->setVisible(enabled);
}

void BrowserCommands::showFilesView() {
    form_.browser->filesRadio->setChecked(true);
}

void BrowserCommands::showFoldersView() {
    form_.browser->foldersRadio->setChecked(true);
}

void BrowserCommands::switchToFiles() {
    MainMenu &m = *form_.menu;
    m.fullPaths->setChecked(form_.FullPathSaved);
    m.fullPaths->setEnabled(true);
    QApplication::processEvents();
    setFileCommandsEnabled(true);
    form_.browser->showFolderList(false);
    form_.setStatus(QStringLiteral("Files Selected."));
    m.viewFiles->setChecked(true);
}

void BrowserCommands::switchToFolders() {
    MainMenu &m = *form_.menu;
    // A folder's archive keeps the folder's tree, so paths are stored while
    // this view shows; the files view's own choice comes back with it.
    form_.FullPathSaved = m.fullPaths->isChecked();
    m.fullPaths->setChecked(true);
    m.fullPaths->setEnabled(false);
    QApplication::processEvents();
    setFileCommandsEnabled(false);
    m.viewFolders->setChecked(true);
    form_.browser->ListBox2->fill(form_.browser->DirectoryListBox1->directory());
    form_.browser->showFolderList(true);
    form_.setStatus(foldersSelectedText(0));
}

void BrowserCommands::updateFileListMenu() {
    const int selected = form_.browser->FileListBox1->selectedCount();
    for (QAction *a : {deleteFiles, renameFiles, testZips})
        a->setEnabled(selected >= 1);
    for (QAction *a : {fileInformation, trimFile})
        a->setEnabled(selected == 1);
}

void BrowserCommands::updateFolderListMenu() {
    deleteFolders->setEnabled(form_.browser->ListBox2->selectedCount() >= 1);
    createFolder->setEnabled(true);
}
