#include "BrowserCommands.h"

#include "BrowserPane.h"
#include "ButtonBar.h"
#include "CommandActions.h"
#include "OptionsModel.h"
#include "platform/AppPaths.h"
#include "platform/Dialogs.h"
#include "platform/FileSystem.h"
#include "platform/Volumes.h"
#include "widgets/DriveComboBox.h"
#include "widgets/FileListBox.h"
#include "widgets/FolderListBox.h"
#include "widgets/FolderTree.h"

#include <QAction>
#include <QApplication>
#include <QCoreApplication>
#include <QMenu>
#include <QRadioButton>
#include <QSet>

QString filesSelectedText(int count) {
    return QCoreApplication::translate("TMainform", "%1 files selected.").arg(count);
}

QString foldersSelectedText(int count) {
    return QCoreApplication::translate("TMainform", "%1 folders selected.").arg(count);
}

namespace {

// Whether the status bar shows a count made by `text`, whatever the count:
// what follows the number, in the language shown.
bool showsCount(const QString &status, QString (*text)(int)) {
    const QString zero = text(0);
    const qsizetype at = zero.indexOf(QLatin1Char('0'));
    return at >= 0 && status.endsWith(zero.mid(at + 1));
}

}  // namespace

BrowserCommands::BrowserCommands(BrowserPane &browser, ButtonBar &buttons, OptionsModel &options,
                                 CommandActions &commands, StatusSetter setStatus,
                                 StatusGetter status, QObject *parent)
    : QObject(parent),
      browser_(browser),
      buttons_(buttons),
      options_(options),
      commands_(commands),
      setStatus_(std::move(setStatus)),
      status_(std::move(status)) {
    BrowserPane &b = browser_;
    fileListMenu_ = new QMenu(b.FileListBox1);
    fileListMenu_->setObjectName(QStringLiteral("fileListMenu"));
    deleteFiles_ = commands.popupItem(
        fileListMenu_, QT_TRANSLATE_NOOP("TMainform", "Delete Selected File(s)"), "DeleteFiles");
    renameFiles_ = commands.popupItem(
        fileListMenu_, QT_TRANSLATE_NOOP("TMainform", "Rename Selected File(s)"), "Rename");
    fileListMenu_->addSeparator();
    fileInformation_ = commands.popupItem(
        fileListMenu_, QT_TRANSLATE_NOOP("TMainform", "View file information"), "FileInfo");
    fileListMenu_->addSeparator();
    testZips_ = commands.popupItem(
        fileListMenu_, QT_TRANSLATE_NOOP("TMainform", "Test zip file(s) integrity"), "Test");
    fileListMenu_->addSeparator();
    trimFile_ =
        commands.popupItem(fileListMenu_, QT_TRANSLATE_NOOP("TMainform", "Trim File"), "Trim");
    folderListMenu_ = new QMenu(b.ListBox2);
    folderListMenu_->setObjectName(QStringLiteral("folderListMenu"));
    deleteFolders_ = commands.popupItem(folderListMenu_,
                                        QT_TRANSLATE_NOOP("TMainform", "Delete selected folders"),
                                        "DeleteFolders");
    folderListMenu_->addSeparator();
    createFolder_ = commands.popupItem(
        folderListMenu_, QT_TRANSLATE_NOOP("TMainform", "Create a new folder"), "CreateFolder");
    connect(fileListMenu_, &QMenu::aboutToShow, this, &BrowserCommands::updateFileListMenu);
    connect(folderListMenu_, &QMenu::aboutToShow, this, &BrowserCommands::updateFolderListMenu);

    for (SelectionList *list :
         {static_cast<SelectionList *>(b.FileListBox1), static_cast<SelectionList *>(b.ListBox2)})
        list->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(b.FileListBox1, &QWidget::customContextMenuRequested, this, [this](const QPoint &at) {
        fileListMenu_->popup(browser_.FileListBox1->viewport()->mapToGlobal(at));
    });
    connect(b.ListBox2, &QWidget::customContextMenuRequested, this, [this](const QPoint &at) {
        folderListMenu_->popup(browser_.ListBox2->viewport()->mapToGlobal(at));
    });
    connect(b.FileListBox1, &FileListBox::userSelected, this, &BrowserCommands::clickInFileList);
    connect(b.ListBox2, &FolderListBox::userSelected, this, &BrowserCommands::clickInFolderList);
    connect(b.FileListBox1, &FileListBox::contentsReread, this, &BrowserCommands::fileListReread);
    connect(b.ListBox2, &FolderListBox::contentsReread, this, &BrowserCommands::folderListReread);
    connect(b.DriveComboBox1, &DriveComboBox::driveChosen, this, &BrowserCommands::driveChosen);
    connect(b.DirectoryListBox1, &FolderTree::directoryChanged, this,
            &BrowserCommands::folderChanged);
    connect(b.DirectoryListBox1, &FolderTree::folderDoubleClicked, this,
            &BrowserCommands::folderDoubleClicked);
    connect(b.DirectoryListBox1, &FolderTree::mousePressed, this, &BrowserCommands::selectNone);
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
        b.FileListBox1->selectEveryRow();
        b.FileListBox1->scrollToFirst();
        setStatus_(filesSelectedText(b.FileListBox1->selectedCount()));
    } else {
        b.ListBox2->selectEveryRow();
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
        b.FileListBox1->selectNoRow();
        b.FileListBox1->scrollToFirst();
        setStatus_(filesSelectedText(0));
    } else {
        b.ListBox2->selectNoRow();
        b.ListBox2->scrollToFirst();
        setStatus_(foldersSelectedText(0));
    }
    buttons_.setEnabled(true);
}

void BrowserCommands::invert() {
    // The visible list is inverted: in the folders view that is the folder
    // list, as the button's hint promises.
    BrowserPane &b = browser_;
    SelectionList *list = filesView() ? static_cast<SelectionList *>(b.FileListBox1)
                                      : static_cast<SelectionList *>(b.ListBox2);
    list->invertSelection();
    list->scrollToFirst();
    const int selected = list->selectedRows();
    setStatus_(filesView() ? filesSelectedText(selected) : foldersSelectedText(selected));
}

void BrowserCommands::clickInFileList() {
    setStatus_(filesSelectedText(browser_.FileListBox1->selectedCount()));
}

void BrowserCommands::clickInFolderList() {
    setStatus_(foldersSelectedText(browser_.ListBox2->selectedCount()));
}

void BrowserCommands::fileListReread() {
    if (showsCount(status_(), filesSelectedText))
        clickInFileList();
}

void BrowserCommands::folderListReread() {
    if (showsCount(status_(), foldersSelectedText))
        clickInFolderList();
}

void BrowserCommands::refresh() {
    BrowserPane &b = browser_;
    // A volume mounted since, or one that went away, shows in the drive box.
    b.DriveComboBox1->rereadVolumes();
    b.DriveComboBox1->setDrive(b.DirectoryListBox1->directory());
    b.DirectoryListBox1->reread();
    b.FileListBox1->reread();
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
            platform::dialogs().message(
                platform::MessageKind::Error,
                QCoreApplication::translate("TMainform", "Not a valid drive letter"), platform::Ok);
            break;
        case platform::Readiness::NotReady:
            platform::dialogs().message(
                platform::MessageKind::Error,
                QCoreApplication::translate(
                    "TMainform",
                    "Drive not ready, please check you have inserted a disk and try again"),
                platform::Cancel);
            break;
    }
    goHome();
}

void BrowserCommands::startAt(const QString &folder) {
    browser_.ListBox2->fill(folder);
    browser_.DirectoryListBox1->setDirectory(folder);
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
        setStatus_(filesView() ? QCoreApplication::translate("TMainform", "0 Files Selected")
                               : QCoreApplication::translate("TMainform", "0 Folders Selected"));
        QApplication::processEvents();
    }
    doubleClick_ = false;
    b.DriveComboBox1->setDrive(folder);
    options_.followBrowser(folder);
    b.FileListBox1->setDirectory(folder);
    if (foldersView()) {
        b.ListBox2->fill(folder);
        b.showFolderList(true);
    }
}

void BrowserCommands::setFileCommandsEnabled(bool enabled) {
    commands_.setFilesView(enabled);
    browser_.filterBand->setVisible(enabled);
}

void BrowserCommands::showFilesView() {
    browser_.filesRadio->setChecked(true);
}

void BrowserCommands::showFoldersView() {
    browser_.foldersRadio->setChecked(true);
}

void BrowserCommands::switchToFiles() {
    options_.setOn(Option::fullPaths, FullPathSaved);
    QApplication::processEvents();
    setFileCommandsEnabled(true);
    browser_.showFolderList(false);
    setStatus_(QCoreApplication::translate("TMainform", "Files Selected."));
    commands_.action(QStringLiteral("ViewFiles"))->setChecked(true);
}

void BrowserCommands::switchToFolders() {
    // A folder's archive keeps the folder's tree, so paths are stored while
    // this view shows; the files view's own choice comes back with it.
    FullPathSaved = options_.isOn(Option::fullPaths);
    options_.setOn(Option::fullPaths, true);
    QApplication::processEvents();
    setFileCommandsEnabled(false);
    commands_.action(QStringLiteral("ViewFolders"))->setChecked(true);
    browser_.ListBox2->fill(browser_.DirectoryListBox1->directory());
    browser_.showFolderList(true);
    setStatus_(foldersSelectedText(0));
}

void BrowserCommands::updateFileListMenu() {
    const int selected = browser_.FileListBox1->selectedCount();
    for (QAction *a : {deleteFiles_, renameFiles_, testZips_})
        a->setEnabled(selected >= 1);
    for (QAction *a : {fileInformation_, trimFile_})
        a->setEnabled(selected == 1);
}

void BrowserCommands::updateFolderListMenu() {
    deleteFolders_->setEnabled(browser_.ListBox2->selectedCount() >= 1);
    createFolder_->setEnabled(true);
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

QString BrowserCommands::browsedFolder() const {
    return browser_.DirectoryListBox1->directory();
}

FileListSource &BrowserCommands::fileList() {
    return *browser_.FileListBox1;
}

FileListSource &BrowserCommands::folderList() {
    return *browser_.ListBox2;
}

void BrowserCommands::rereadFileList() {
    browser_.FileListBox1->reread();
}

void BrowserCommands::refreshFolders() {
    BrowserPane &b = browser_;
    b.DirectoryListBox1->reread();
    b.ListBox2->fill(b.DirectoryListBox1->directory());
}

void BrowserCommands::hideFolderList() {
    browser_.showFolderList(false);
}

int BrowserCommands::openOn(const QString &folder, const QStringList &files) {
    BrowserPane &b = browser_;
    if (!files.isEmpty())
        showFilesView();
    b.DirectoryListBox1->setDirectory(folder);
    const QSet<QString> wanted(files.begin(), files.end());
    int selected = 0;
    for (int i = 0; i < b.FileListBox1->count(); ++i) {
        if (!wanted.contains(b.FileListBox1->name(i)))
            continue;
        if (selected++ == 0)
            b.FileListBox1->scrollToRow(i);
        b.FileListBox1->setSelected(i, true);
    }
    return selected;
}
