#include "FolderDeletion.h"

#include "BatchHost.h"
#include "DelTree.h"
#include "ErrorLogModel.h"
#include "platform/Dialogs.h"
#include "platform/FileListSource.h"
#include "platform/FileSystem.h"

namespace {

// A folder that could not be removed completely.
constexpr int kNotFullyDeleted = 4004;

}  // namespace

void deleteSelectedFolders(BatchHost &host, DeleteProgress &screen) {
    ErrorLogModel &log = host.errorLog();
    log.clear();
    if (platform::confirm(
            QStringLiteral("Are you sure you want to delete the FOLDERS you have selected ?"))) {
        screen.start();
        FileListSource &folders = host.folderList();
        const QString base = platform::withSeparator(folders.directory());
        TDelTree &deleter = host.deleter();
        const int count = folders.count();
        for (int i = 0; i < count; ++i) {
            if (!folders.isSelected(i) || screen.runFlag() != QLatin1String("GO"))
                continue;
            const QString name = folders.name(i);
            screen.showFolder(name);
            // Where a Cancel click arrives, including one made while the
            // previous folder was being removed: it stops this folder too.
            host.pumpMessages();
            if (screen.runFlag() != QLatin1String("GO"))
                continue;
            deleter.Path = base + name;
            if (!deleter.RemoveTree())
                log.add(kNotFullyDeleted, name);
        }
    }
    screen.finish();
    host.refreshFolders();
    if (!log.isEmpty())
        host.offerErrorLog(QStringLiteral("zipping"));
}
