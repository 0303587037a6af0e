#include "FileInclusionDialog.h"

#include "DriveTest.h"
#include "platform/AppPaths.h"
#include "platform/FileSystem.h"
#include "widgets/DriveComboBox.h"
#include "widgets/FileListBox.h"
#include "widgets/FolderTree.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QShowEvent>
#include <QVBoxLayout>

TFileInclusion::TFileInclusion(OptionsModel &options, WindowGate mainWindow)
    : QDialog(nullptr, Qt::Dialog | Qt::WindowStaysOnTopHint | Qt::CustomizeWindowHint |
                           Qt::WindowTitleHint),
      options_(options),
      main_(std::move(mainWindow)) {
    setWindowTitle(tr("File Inclusion"));
    setAttribute(Qt::WA_QuitOnClose, false);
    auto *column = new QVBoxLayout(this);
    explanation =
        new QLabel(tr("Please choose a file you want Tovrane to include in every zip."), this);
    column->addWidget(explanation);
    auto *grid = new QGridLayout;
    DriveComboBox1 = new DriveComboBox(this);
    DriveComboBox1->setIconsVisible(false);
    // As wide as the tree below it: a long volume name would otherwise widen
    // the tree's column and push the file list away from the tree.
    DriveComboBox1->setFixedWidth(220);
    grid->addWidget(DriveComboBox1, 0, 0);
    DirectoryListBox1 = new FolderTree(this);
    DirectoryListBox1->setIconsVisible(false);
    DirectoryListBox1->setFixedSize(220, 220);
    grid->addWidget(DirectoryListBox1, 1, 0);
    FileListBox1 = new FileListBox(this);
    FileListBox1->setIconsVisible(false);
    FileListBox1->setSingleSelection(true);
    // The list takes what the explanation's width leaves, beside the tree
    // rather than a gap away from it.
    FileListBox1->setFixedHeight(220);
    FileListBox1->setMinimumWidth(220);
    grid->addWidget(FileListBox1, 1, 1);
    // Named for screen readers, which would otherwise read only the items.
    DriveComboBox1->setAccessibleName(tr("Drive"));
    DirectoryListBox1->setAccessibleName(tr("Folder tree"));
    FileListBox1->setAccessibleName(tr("Files"));
    FileListBox1->setAccessibleDescription(tr("The file to include in every zip"));
    column->addLayout(grid);
    auto *row = new QHBoxLayout;
    row->addStretch(1);
    cancelButton = new QPushButton(tr("Cancel"), this);
    noneButton = new QPushButton(tr("None"), this);
    okButton = new QPushButton(tr("OK"), this);
    okButton->setDefault(true);
    okButton->setEnabled(false);
    for (QPushButton *b : {cancelButton, noneButton, okButton})
        row->addWidget(b);
    column->addLayout(row);

    connect(DriveComboBox1, &DriveComboBox::driveChosen, this, &TFileInclusion::DriveChosen);
    connect(DirectoryListBox1, &FolderTree::directoryChanged, this, &TFileInclusion::FolderChanged);
    connect(FileListBox1, &FileListBox::userSelected, this, &TFileInclusion::FileListClick);
    connect(okButton, &QPushButton::clicked, this, &TFileInclusion::OKClick);
    connect(noneButton, &QPushButton::clicked, this, &TFileInclusion::NoneClick);
    connect(cancelButton, &QPushButton::clicked, this, &TFileInclusion::CancelClick);

    goHome();
    adjustSize();
    setFixedSize(size());
}

void TFileInclusion::Open() {
    main_.disableMain();
    // Volumes may have come or gone since it was last shown.
    DriveComboBox1->rereadVolumes();
    FileListBox1->reread();
    okButton->setEnabled(false);
    show();
    activateWindow();
}

void TFileInclusion::showEvent(QShowEvent *event) {
    QDialog::showEvent(event);
    if (!event->spontaneous())
        goHome();
}

void TFileInclusion::goHome() {
    const QString home = platform::homeFolder();
    DriveComboBox1->setDrive(home);
    DirectoryListBox1->setDirectory(home);
}

void TFileInclusion::DriveChosen(const QString &root) {
    if (dialogDriveReady(root)) {
        DirectoryListBox1->setDirectory(root);
        return;
    }
    goHome();
    FileListBox1->setDirectory(DirectoryListBox1->directory());
    okButton->setEnabled(false);
    FileListBox1->reread();
}

void TFileInclusion::FolderChanged(const QString &folder) {
    DriveComboBox1->setDrive(folder);
    // The re-read list has nothing picked, so there is nothing to accept
    // until the user picks again.
    FileListBox1->setDirectory(folder);
    okButton->setEnabled(false);
}

void TFileInclusion::FileListClick() {
    // A click beside the names picks nothing; "OK" waits for a file.
    okButton->setEnabled(FileListBox1->selectedCount() > 0);
}

QString TFileInclusion::selectedFile() const {
    for (int i = 0; i < FileListBox1->count(); ++i)
        if (FileListBox1->isSelected(i))
            return platform::withSeparator(FileListBox1->directory()) + FileListBox1->name(i);
    return {};
}

void TFileInclusion::OKClick() {
    const QString file = selectedFile();
    if (file.isEmpty())
        return;
    main_.enableMain();
    options_.setText(Option::includeFile, file);
    main_.showMain();
    hide();
}

void TFileInclusion::releaseToggle() {
    // Up without its release action: that action would empty the option.
    options_.setPinned(Option::includeFile, false);
    main_.enableMain();
    hide();
}

void TFileInclusion::NoneClick() {
    releaseToggle();
    options_.setText(Option::includeFile, {});
}

void TFileInclusion::CancelClick() {
    releaseToggle();
}

void TFileInclusion::reject() {
    CancelClick();
}
