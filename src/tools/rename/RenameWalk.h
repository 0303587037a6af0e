#pragma once

#include "RenameRules.h"
#include "RenameUndo.h"

#include <functional>

class FileListSource;

namespace tools {

struct RenameRun {
    // At least one file kept its name against the rules: it could not be
    // opened, its new name is empty, "." or "..", or another file already
    // holds that name (never replaced), or the rename failed otherwise.
    bool failed = false;
    // What was renamed, in the order it was done: what an undo takes back.
    QList<RenamedFile> renamed;
};

// Renames every selected entry of the file list by the rules, in list
// order. A name the rules leave unchanged is not touched. Otherwise the
// file's attributes are cleared and it must open for reading; then it is
// renamed to the new name without surrounding blanks. `progress` gets, for
// each selected entry at index k, k * 100 / (number of entries), rounded
// halves to even. No window messages run meanwhile.
RenameRun renameSelectedFiles(const FileListSource &files, RenameRules rules,
                              const std::function<void(int)> &progress);

}  // namespace tools
