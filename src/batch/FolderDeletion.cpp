#include "FolderDeletion.h"

#include "BatchHost.h"
#include "DelTree.h"
#include "ErrorLogModel.h"
#include "platform/Dialogs.h"
#include "platform/FileListSource.h"
#include "platform/FileSystem.h"
#include "platform/RunFlag.h"
#include "platform/Trash.h"

#include <QCoreApplication>

namespace {

// A folder that could not be removed completely.
constexpr int kNotFullyDeleted = 4004;

}  // namespace

void deleteSelectedFolders(BatchHost &host, DeleteProgress &screen) {
    ErrorLogModel &log = host.errorLog();
    log.clear();
    QString where;
    if (platform::confirm(QCoreApplication::translate(
            "TMainform", "Are you sure you want to delete the FOLDERS you have selected ?"))) {
        screen.start();
        FileListSource &folders = host.folderList();
        const QString base = platform::withSeparator(folders.directory());
        TDelTree &deleter = host.deleter();
        platform::DisposalTally tally(host.settings().trashDeletions);
        const int count = folders.count();
        for (int i = 0; i < count; ++i) {
            if (!folders.isSelected(i) || screen.runFlag() != runflag::Go)
                continue;
            const QString name = folders.name(i);
            screen.showFolder(name);
            // Where a Cancel click arrives, including one made while the
            // previous folder was being removed: it stops this folder too.
            host.pumpMessages();
            if (screen.runFlag() != runflag::Go)
                continue;
            // A folder goes into the Trash whole; where the volume has none
            // it is removed as ever.
            if (tally.toTrash() && platform::moveToTrash(base + name)) {
                tally.add(platform::Disposal::Trashed);
                continue;
            }
            deleter.Path = base + name;
            if (deleter.RemoveTree([&host] { host.pumpMessages(); })) {
                tally.add(platform::Disposal::Deleted);
            } else {
                tally.add(platform::Disposal::Failed);
                log.add(kNotFullyDeleted, name);
            }
        }
        where = tally.statusText(platform::DisposalTally::Things::Folders);
        const QString noTrash =
            tally.noTrashText(platform::DisposalTally::Things::Folders, folders.directory());
        if (!noTrash.isEmpty())
            log.append(QStringLiteral("** ") + noTrash);
    }
    screen.finish();
    host.refreshFolders();
    if (!where.isEmpty())
        host.setStatus(where);
    if (!log.isEmpty())
        host.offerErrorLog(QCoreApplication::translate("TMainform", "zipping"));
}
