#pragma once

#include <QList>
#include <QString>
#include <QStringList>

namespace tools {

// One rename a run made: `folder` (with its trailing separator) + `from`
// became `folder` + `to`.
struct RenamedFile {
    QString folder;
    QString from;
    QString to;
};

struct UndoOutcome {
    int renamedBack = 0;
    // One line per rename that could not be taken back, in the order tried.
    QStringList notUndone;
};

// Takes back the renames of one run, the last first, so that a name freed
// by a later rename is free again when an earlier one needs it back. A file
// is never renamed over an existing name: a file that no longer has its new
// name, or whose old name another file now holds, keeps the name it has
// and is reported.
UndoOutcome undoRenames(const QList<RenamedFile> &run);

}  // namespace tools
