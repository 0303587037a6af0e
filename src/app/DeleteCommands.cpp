#include "DeleteCommands.h"

#include "BrowserCommands.h"
#include "ButtonBar.h"
#include "MainForm.h"
#include "MainMenu.h"
#include "MainWindowBatchHost.h"
#include "batch/FileDeletion.h"
#include "batch/FolderDeletion.h"
#include "batch/ui/DeleteScreen.h"

#include <QAction>
#include <QToolButton>

DeleteCommands::DeleteCommands(TMainform &form)
    : QObject(&form), form_(form), screen_(std::make_unique<TDeleteScreen>(form)) {
    connect(form.buttons->deleteButton, &QToolButton::clicked, this,
            &DeleteCommands::BitBtn13Click);
    connect(form.menu->deleteSelectedFiles, &QAction::triggered, this,
            &DeleteCommands::deleteSelectedFiles);
    connect(form.browse->deleteFiles, &QAction::triggered, this,
            &DeleteCommands::deleteSelectedFiles);
    connect(form.menu->deleteSelectedFolders, &QAction::triggered, this,
            &DeleteCommands::deleteSelectedFolders);
    connect(form.browse->deleteFolders, &QAction::triggered, this,
            &DeleteCommands::deleteSelectedFolders);
}

DeleteCommands::~DeleteCommands() = default;

void DeleteCommands::BitBtn13Click() {
    // Exactly one view is active; the files view is asked first.
    if (form_.browse->filesView())
        deleteSelectedFiles();
    else if (form_.browse->foldersView())
        deleteSelectedFolders();
}

void DeleteCommands::deleteSelectedFiles() {
    form_.runCommand([this] {
        MainWindowBatchHost host(form_.parts());
        ::deleteSelectedFiles(host);
    });
}

void DeleteCommands::deleteSelectedFolders() {
    form_.runCommand([this] {
        MainWindowBatchHost host(form_.parts());
        ::deleteSelectedFolders(host, *screen_);
    });
}
