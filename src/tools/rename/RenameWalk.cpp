#include "RenameWalk.h"

#include "platform/FileListSource.h"
#include "platform/FileSystem.h"
#include "platform/NoReplaceRename.h"
#include "platform/Rounding.h"

#include <QFile>

namespace tools {

namespace {

// False when the file kept its old name; `renamedTo` gets the name it was
// given, if it was renamed.
bool renameOne(const QString &folder, const QString &old, const QString &ruled,
               QString &renamedTo) {
    const QString path = folder + old;
    platform::clearAttributes(path);
    // The open test tells a file that another program holds from one that
    // may be renamed; it judges this file alone.
    {
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
            return false;
    }
    const QString name = nameForRenaming(ruled);
    if (!usableFileName(name))
        return false;
    if (name == old)
        return true;  // only blanks were added, and taken off again
    if (!platform::renameWithoutReplacing(path, folder + name))
        return false;
    renamedTo = name;
    return true;
}

}  // namespace

RenameRun renameSelectedFiles(const FileListSource &files, RenameRules rules,
                              const std::function<void(int)> &progress) {
    const QString folder = platform::withSeparator(files.directory());
    const int count = files.count();
    RenameRun run;
    for (int k = 0; k < count; ++k) {
        if (!files.isSelected(k))
            continue;
        const QString old = files.name(k);
        const QString ruled = applyRenameRules(old, rules);
        QString renamedTo;
        if (ruled != old && !renameOne(folder, old, ruled, renamedTo))
            run.failed = true;
        if (!renamedTo.isEmpty())
            run.renamed.append({folder, old, renamedTo});
        progress(platform::roundHalfEven(static_cast<double>(k) * 100.0 / count));
    }
    return run;
}

}  // namespace tools
