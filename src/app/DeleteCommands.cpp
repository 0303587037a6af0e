#include "DeleteCommands.h"

#include "MainForm.h"
#include "MainWindowBatchHost.h"
#include "batch/FileDeletion.h"
#include "batch/FolderDeletion.h"
#include "batch/ui/DeleteScreen.h"

#include <QAction>

DeleteCommands::DeleteCommands(TMainform &form, TDeleteScreen &screen)
    : form_(form), screen_(screen) {
    connect(form.findAction(QStringLiteral("Delete")), &QAction::triggered, this,
            &DeleteCommands::BitBtn13Click);
    connect(form.findAction(QStringLiteral("DeleteFiles")), &QAction::triggered, this,
            &DeleteCommands::deleteSelectedFiles);
    connect(form.findAction(QStringLiteral("DeleteFolders")), &QAction::triggered, this,
            &DeleteCommands::deleteSelectedFolders);
}

void DeleteCommands::BitBtn13Click() {
    // Exactly one view is active.
    MainWindowBatchHost host(form_.parts());
    if (host.foldersView())
        deleteSelectedFolders();
    else
        deleteSelectedFiles();
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
        ::deleteSelectedFolders(host, screen_);
    });
}
