#pragma once

#include "RenameRules.h"

#include <QList>
#include <QSet>
#include <QString>
#include <QStringList>

class FileListSource;

namespace tools {

// What a rename run would do to one selected name.
enum class PreviewMark {
    Renamed,    // it takes the new name
    Unchanged,  // the rules leave it as it is: it is not touched
    Clash,      // another file already has the new name: it keeps its name
    NoName,     // the rules leave no name a file can have: it keeps its name
    Missing,    // the file is no longer in the folder
};

struct PreviewRow {
    QString oldName;
    // The name the file would be given (without surrounding blanks); the
    // old name where the rules change nothing.
    QString newName;
    PreviewMark mark = PreviewMark::Unchanged;
};

// The rows of `selected` (names in list order) under `rules`, as the rename
// walk would decide them, given the names now in the folder
// (`folderNames`, files and folders alike). A name freed by an earlier
// rename of the run may be taken by a later one, and two names that the
// rules make one go to the first of them only, as in the walk. Whether a
// file opens is not foreseen.
QList<PreviewRow> previewRenames(const QStringList &selected, QSet<QString> folderNames,
                                 RenameRules rules);

// The same for the selected entries of the list, reading the folder's names
// from disk.
QList<PreviewRow> previewRenames(const FileListSource &files, RenameRules rules);

// Every name in `folder` (hidden ones and folders included).
QSet<QString> namesInFolder(const QString &folder);

}  // namespace tools
