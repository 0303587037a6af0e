#include "FolderDialog.h"

#include "DriveTest.h"
#include "platform/AppPaths.h"
#include "platform/FileSystem.h"
#include "widgets/DriveComboBox.h"
#include "widgets/FolderTree.h"

#include <QHBoxLayout>
#include <QVBoxLayout>

namespace {

const FolderDialogKind kZipDest{
    QT_TRANSLATE_NOOP("FolderDialog", "Select Folder"),
    QT_TRANSLATE_NOOP("FolderDialog",
                      "Choose a destination folder where Tovrane will store your newly\n"
                      "created zip files."),
    "Zip", Option::zipFolder, false};
const FolderDialogKind kUnzipDest{
    QT_TRANSLATE_NOOP("FolderDialog", "File Destination"),
    QT_TRANSLATE_NOOP("FolderDialog",
                      "Choose a destination folder where Tovrane will store\n"
                      "your files after unzipping them."),
    "Unzip", Option::unzipFolder, false};
const FolderDialogKind kTempDest{
    QT_TRANSLATE_NOOP("FolderDialog", "Set temporary path"),
    QT_TRANSLATE_NOOP("FolderDialog",
                      "Choose a temporary folder where Tovrane can use for\n"
                      "compressing and uncompressing your Zip files."),
    "Temp", Option::workFolder, true};

}  // namespace

FolderDialog::FolderDialog(OptionsModel &options, WindowGate mainWindow,
                           const FolderDialogKind &kind)
    : QDialog(nullptr, Qt::Dialog | Qt::WindowStaysOnTopHint | Qt::CustomizeWindowHint |
                           Qt::WindowTitleHint),
      options_(options),
      main_(std::move(mainWindow)),
      kind_(kind) {
    setWindowTitle(tr(kind.caption));
    setAttribute(Qt::WA_QuitOnClose, false);
    auto *column = new QVBoxLayout(this);
    explanation = new QLabel(tr(kind.explanation), this);
    column->addWidget(explanation);
    DriveComboBox1 = new DriveComboBox(this);
    DriveComboBox1->setIconsVisible(false);
    column->addWidget(DriveComboBox1);
    DirectoryListBox1 = new FolderTree(this);
    DirectoryListBox1->setIconsVisible(false);
    DirectoryListBox1->setFixedSize(320, 220);
    column->addWidget(DirectoryListBox1);
    // Named for screen readers; the tree says what the dialog is for, which
    // is what the explanation above it shows.
    DriveComboBox1->setAccessibleName(tr("Drive"));
    DirectoryListBox1->setAccessibleName(tr("Folder tree"));
    DirectoryListBox1->setAccessibleDescription(explanation->text().simplified());
    auto *row = new QHBoxLayout;
    row->addStretch(1);
    cancelButton = new QPushButton(tr("Cancel"), this);
    createFolderButton = new QPushButton(tr("Create Folder"), this);
    okButton = new QPushButton(tr("OK"), this);
    okButton->setDefault(true);
    for (QPushButton *b : {cancelButton, createFolderButton, okButton})
        row->addWidget(b);
    column->addLayout(row);

    connect(DriveComboBox1, &DriveComboBox::driveChosen, this, &FolderDialog::DriveChosen);
    connect(DirectoryListBox1, &FolderTree::directoryChanged, DriveComboBox1,
            &DriveComboBox::setDrive);
    connect(okButton, &QPushButton::clicked, this, &FolderDialog::OKClick);
    connect(cancelButton, &QPushButton::clicked, this, &FolderDialog::CancelClick);
    connect(createFolderButton, &QPushButton::clicked, this, &FolderDialog::CreateFolderClick);

    goHome();
    adjustSize();
    setFixedSize(size());
}

void FolderDialog::Open() {
    main_.disableMain();
    // Volumes and folders may have come or gone since it was last shown.
    DriveComboBox1->rereadVolumes();
    DriveComboBox1->setDrive(folder());
    DirectoryListBox1->reread();
    show();
    activateWindow();
}

QString FolderDialog::folder() const {
    return DirectoryListBox1->directory();
}

void FolderDialog::rereadTree() {
    DirectoryListBox1->reread();
}

void FolderDialog::goHome() {
    const QString home = platform::homeFolder();
    DriveComboBox1->setDrive(home);
    DirectoryListBox1->setDirectory(home);
}

void FolderDialog::DriveChosen(const QString &root) {
    if (dialogDriveReady(root))
        DirectoryListBox1->setDirectory(root);
    else
        goHome();
}

void FolderDialog::OKClick() {
    main_.enableMain();
    hide();
    options_.setText(kind_.option, platform::withSeparator(folder()));
}

void FolderDialog::CancelClick() {
    // Up without its release action: the option keeps its value until the
    // browser's next folder change moves it.
    options_.setPinned(kind_.option, false);
    main_.enableMain();
    hide();
}

void FolderDialog::reject() {
    CancelClick();
}

void FolderDialog::CreateFolderClick() {
    if (!onCreateFolder)
        return;
    // The main window stays disabled: the new-folder dialog hands back here.
    onCreateFolder(*this);
    hide();
}

void FolderDialog::returnFromNewFolder(bool attempted) {
    show();
    if (attempted || kind_.rereadAfterCancel)
        rereadTree();
}

TZipDest::TZipDest(OptionsModel &options, WindowGate mainWindow)
    : FolderDialog(options, std::move(mainWindow), kZipDest) {}
TUnzip_dest::TUnzip_dest(OptionsModel &options, WindowGate mainWindow)
    : FolderDialog(options, std::move(mainWindow), kUnzipDest) {}
Ttempdest::Ttempdest(OptionsModel &options, WindowGate mainWindow)
    : FolderDialog(options, std::move(mainWindow), kTempDest) {}
