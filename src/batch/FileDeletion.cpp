#include "FileDeletion.h"

#include "BatchHost.h"
#include "ErrorLogModel.h"
#include "platform/Dialogs.h"
#include "platform/FileListSource.h"
#include "platform/FileSystem.h"
#include "platform/MessagePace.h"
#include "platform/Trash.h"

#include <QCoreApplication>

void deleteSelectedFiles(BatchHost &host) {
    QString noTrash;
    if (platform::confirm(QCoreApplication::translate(
            "TMainform", "Are you sure you want to delete the files you have selected ?"))) {
        host.setBusy(true);
        FileListSource &files = host.fileList();
        const QString folder = platform::withSeparator(files.directory());
        platform::DisposalTally tally(host.settings().trashDeletions);
        const int count = files.count();
        // Thousands of files take seconds to delete: the window repaints
        // meanwhile, by the clock, and takes no click until they are gone.
        MessagePace pace;
        for (int i = 0; i < count; ++i) {
            if (pace.due())
                host.repaintWindow();
            if (files.isSelected(i))
                tally.add(platform::discardFile(folder + files.name(i), tally.toTrash(),
                                                [&host] { host.repaintWindow(); }));
        }
        noTrash = tally.noTrashText(platform::DisposalTally::Things::Files, files.directory());
        host.rereadFileList();
        const QString where = tally.statusText(platform::DisposalTally::Things::Files);
        if (!where.isEmpty())
            host.setStatus(where);
    }
    host.setBusy(false);
    // A Trash wanted and missing is said once, as the folder command says
    // a folder it could not remove.
    if (!noTrash.isEmpty()) {
        host.errorLog().append(QStringLiteral("** ") + noTrash);
        host.offerErrorLog(QCoreApplication::translate("TMainform", "zipping"));
    }
}
