#include "CreateFolderDialog.h"

#include "BrowserCommands.h"
#include "BrowserPane.h"
#include "FolderDialog.h"
#include "MainForm.h"
#include "NewFolder.h"
#include "SecondaryWindows.h"
#include "platform/Dialogs.h"
#include "widgets/FolderListBox.h"
#include "widgets/FolderTree.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QShowEvent>
#include <QVBoxLayout>

TCreate_Folder::TCreate_Folder(TMainform &mainForm)
    : QDialog(nullptr, Qt::Dialog | Qt::WindowStaysOnTopHint | Qt::CustomizeWindowHint |
                           Qt::WindowTitleHint),
      main_(mainForm) {
    setWindowTitle(QStringLiteral("Create a new folder"));
    setAttribute(Qt::WA_QuitOnClose, false);
    auto *column = new QVBoxLayout(this);
    auto *grid = new QGridLayout;
    grid->addWidget(new QLabel(QStringLiteral("Current Folder Path :"), this), 0, 0);
    pathLabel = new QLabel(QStringLiteral("(None)"), this);
    pathLabel->setFixedWidth(300);
    pathLabel->setWordWrap(true);
    grid->addWidget(pathLabel, 0, 1);
    grid->addWidget(new QLabel(QStringLiteral("New Folder Name"), this), 1, 0);
    nameEdit = new QLineEdit(this);
    grid->addWidget(nameEdit, 1, 1);
    column->addLayout(grid);
    auto *row = new QHBoxLayout;
    row->addStretch(1);
    cancelButton = new QPushButton(QStringLiteral("Cancel"), this);
    createFolderButton = new QPushButton(QStringLiteral("Create Folder"), this);
    createFolderButton->setDefault(true);
    createFolderButton->setEnabled(false);
    row->addWidget(cancelButton);
    row->addWidget(createFolderButton);
    column->addLayout(row);

    connect(nameEdit, &QLineEdit::textChanged, this,
            [this](const QString &text) { createFolderButton->setEnabled(!text.isEmpty()); });
    connect(createFolderButton, &QPushButton::clicked, this, &TCreate_Folder::CreateFolderClick);
    connect(cancelButton, &QPushButton::clicked, this, &TCreate_Folder::CancelClick);
    adjustSize();
    setFixedSize(size());
}

void TCreate_Folder::openFor(const QString &returnMarker, const QString &parentFolder) {
    ReturnTo = returnMarker;
    createFolderButton->setEnabled(false);
    nameEdit->clear();
    parent_ = parentFolder;
    pathLabel->setText(parentFolder);
    show();
    activateWindow();
    nameEdit->setFocus();
}

void TCreate_Folder::OpenFromMain() {
    openFor(QStringLiteral("Main"), main_.browser->DirectoryListBox1->directory());
    main_.setEnabled(false);
}

void TCreate_Folder::showEvent(QShowEvent *event) {
    QDialog::showEvent(event);
    if (event->spontaneous())
        return;
    nameEdit->clear();
    createFolderButton->setEnabled(false);
}

void TCreate_Folder::CreateFolderClick() {
    const QString typed = nameEdit->text();
    pathLabel->setText(newfolder::pathFor(parent_, typed));
    if (newfolder::create(parent_, typed)) {
        platform::inform(QStringLiteral("Folder created successfully."));
    } else {
        platform::dialogs().message(platform::MessageKind::Warning,
                                    QStringLiteral("Cannot create folder"), platform::Ok);
    }
    returnToCaller(true);
}

void TCreate_Folder::CancelClick() {
    returnToCaller(false);
}

void TCreate_Folder::reject() {
    CancelClick();
}

FolderDialog *TCreate_Folder::caller() const {
    const SecondaryWindows *windows = main_.secondaryWindows();
    if (!windows)
        return nullptr;
    for (FolderDialog *dialog : std::initializer_list<FolderDialog *>{
             windows->zipDest, windows->unzipDest, windows->tempDest})
        if (dialog && dialog->returnMarker() == ReturnTo)
            return dialog;
    return nullptr;
}

void TCreate_Folder::returnToCaller(bool attempted) {
    hide();
    if (FolderDialog *dialog = caller()) {
        dialog->show();
        // The temporary-path dialog has always re-read its tree on cancel too.
        if (attempted || ReturnTo == QLatin1String("Temp"))
            dialog->rereadTree();
        return;
    }
    // "Main", and the safe way back for a marker no caller set: the main
    // window must never stay disabled behind a hidden dialog.
    main_.show();
    main_.setEnabled(true);
    BrowserPane &b = *main_.browser;
    if (!attempted) {
        b.DirectoryListBox1->reread();
        return;
    }
    main_.browse->refresh();
    // The folder list this was started from shows the new folder at once.
    if (main_.browse->foldersView())
        b.ListBox2->fill(b.DirectoryListBox1->directory());
}
