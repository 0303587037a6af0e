#include "RenameWalk.h"

#include "platform/FileListSource.h"
#include "platform/FileSystem.h"
#include "platform/NoReplaceRename.h"
#include "platform/Rounding.h"

#include <QFile>

namespace tools {

namespace {

// False when the file kept its old name.
bool renameOne(const QString &folder, const QString &old, const QString &ruled) {
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
    return platform::renameWithoutReplacing(path, folder + name);
}

}  // namespace

bool renameSelectedFiles(const FileListSource &files, RenameRules rules,
                         const std::function<void(int)> &progress) {
    const QString folder = platform::withSeparator(files.directory());
    const int count = files.count();
    bool failed = false;
    for (int k = 0; k < count; ++k) {
        if (!files.isSelected(k))
            continue;
        const QString old = files.name(k);
        const QString ruled = applyRenameRules(old, rules);
        if (ruled != old && !renameOne(folder, old, ruled))
            failed = true;
        progress(platform::roundHalfEven(static_cast<double>(k) * 100.0 / count));
    }
    return failed;
}

}  // namespace tools
