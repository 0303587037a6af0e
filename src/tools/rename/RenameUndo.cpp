#include "RenameUndo.h"

#include "platform/NoReplaceRename.h"

#include <QCoreApplication>
#include <QFileInfo>

namespace tools {

namespace {

// A name is taken by anything there, a dangling symbolic link included.
bool taken(const QString &path) {
    const QFileInfo info(path);
    return info.exists() || info.isSymLink();
}

}  // namespace

UndoOutcome undoRenames(const QList<RenamedFile> &run) {
    UndoOutcome outcome;
    for (auto step = run.crbegin(); step != run.crend(); ++step) {
        const QString now = step->folder + step->to;
        const QString before = step->folder + step->from;
        // A case-only rename on a volume that ignores case sees its old name
        // as taken by the file itself; the rename below handles that case.
        const bool sameFile = step->from.compare(step->to, Qt::CaseInsensitive) == 0;
        if (!taken(now))
            outcome.notUndone
                << QCoreApplication::translate("TRename_Form", "%1: no longer there").arg(step->to);
        else if (!sameFile && taken(before))
            outcome.notUndone << QCoreApplication::translate("TRename_Form",
                                                             "%1: the name %2 is taken")
                                     .arg(step->to, step->from);
        else if (!platform::renameWithoutReplacing(now, before))
            outcome.notUndone << QCoreApplication::translate("TRename_Form",
                                                             "%1: could not be renamed back to %2")
                                     .arg(step->to, step->from);
        else
            ++outcome.renamedBack;
    }
    return outcome;
}

}  // namespace tools
