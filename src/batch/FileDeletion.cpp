#include "FileDeletion.h"

#include "BatchHost.h"
#include "ErrorLogModel.h"
#include "platform/Dialogs.h"
#include "platform/FileListSource.h"
#include "platform/FileSystem.h"
#include "platform/MessagePace.h"
#include "platform/Trash.h"
#include "platform/WhilePumping.h"

#include <QCoreApplication>

void deleteSelectedFiles(BatchHost &host) {
    QString noTrash;
    if (platform::confirm(QCoreApplication::translate(
            "TMainform", "Are you sure you want to delete the files you have selected ?"))) {
        host.setBusy(true);
        FileListSource &files = host.fileList();
        const QString folder = platform::withSeparator(files.directory());
        platform::DisposalTally tally(host.settings().trashDeletions);
        MessagePace pace;
        QStringList chosen;
        for (int i = 0; i < files.count(); ++i) {
            if (pace.due())
                host.repaintWindow();
            if (files.isSelected(i))
                chosen << folder + files.name(i);
        }
        // Thousands of files take seconds to delete, and one unlink may wait
        // long on a busy disk: they go by pieces on a thread of their own,
        // the window repainting meanwhile and taking no click until they
        // are gone.
        constexpr qsizetype kPiece = 256;
        const bool toTrash = tally.toTrash();
        for (qsizetype at = 0; at < chosen.size(); at += kPiece) {
            if (pace.due())
                host.repaintWindow();
            const QList<platform::Disposal> outcomes = runWhilePumping(
                [&] {
                    QList<platform::Disposal> done;
                    for (const QString &path : chosen.mid(at, kPiece))
                        done.append(platform::discardFile(path, toTrash));
                    return done;
                },
                [&host] { host.repaintWindow(); });
            for (const platform::Disposal outcome : outcomes)
                tally.add(outcome);
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
