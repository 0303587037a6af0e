#include "CreateFolderDialog.h"

#include "NewFolder.h"
#include "platform/Dialogs.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QShowEvent>
#include <QVBoxLayout>

TCreate_Folder::TCreate_Folder()
    : QDialog(nullptr, Qt::Dialog | Qt::WindowStaysOnTopHint | Qt::CustomizeWindowHint |
                           Qt::WindowTitleHint) {
    setWindowTitle(tr("Create a new folder"));
    setAttribute(Qt::WA_QuitOnClose, false);
    auto *column = new QVBoxLayout(this);
    auto *grid = new QGridLayout;
    grid->addWidget(new QLabel(tr("Current Folder Path :"), this), 0, 0);
    pathLabel = new QLabel(tr("(None)"), this);
    pathLabel->setFixedWidth(300);
    pathLabel->setWordWrap(true);
    grid->addWidget(pathLabel, 0, 1);
    auto *nameCaption = new QLabel(tr("New Folder Name"), this);
    grid->addWidget(nameCaption, 1, 0);
    nameEdit = new QLineEdit(this);
    // The caption labels the field for screen readers, as on screen.
    nameCaption->setBuddy(nameEdit);
    nameEdit->setAccessibleName(tr("New folder name"));
    nameEdit->setAccessibleDescription(tr("The folder to make in the current folder path"));
    grid->addWidget(nameEdit, 1, 1);
    column->addLayout(grid);
    auto *row = new QHBoxLayout;
    row->addStretch(1);
    cancelButton = new QPushButton(tr("Cancel"), this);
    createFolderButton = new QPushButton(tr("Create Folder"), this);
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

void TCreate_Folder::openFor(const QString &returnMarker, const QString &parentFolder,
                             Completion done) {
    ReturnTo = returnMarker;
    done_ = std::move(done);
    createFolderButton->setEnabled(false);
    nameEdit->clear();
    parent_ = parentFolder;
    pathLabel->setText(parentFolder);
    show();
    activateWindow();
    nameEdit->setFocus();
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
        platform::inform(tr("Folder created successfully."));
    } else {
        platform::dialogs().message(platform::MessageKind::Warning, tr("Cannot create folder"),
                                    platform::Ok);
    }
    returnToCaller(true);
}

void TCreate_Folder::CancelClick() {
    returnToCaller(false);
}

void TCreate_Folder::reject() {
    CancelClick();
}

void TCreate_Folder::returnToCaller(bool attempted) {
    hide();
    // Taken first: the caller may open this dialog again from its handler.
    if (Completion done = std::exchange(done_, {}))
        done(attempted);
}
