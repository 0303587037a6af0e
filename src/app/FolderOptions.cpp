#include "FolderOptions.h"

#include "platform/FileSystem.h"

void FolderOptions::set(FolderOption which, const QString &value) {
    slot(which).value = value;
    emit changed(which);
}

void FolderOptions::setPinned(FolderOption which, bool pinned) {
    if (slot(which).pinned == pinned)
        return;
    slot(which).pinned = pinned;
    emit changed(which);
}

void FolderOptions::followBrowser(const QString &folder) {
    const QString current = platform::withSeparator(folder);
    for (FolderOption which : {FolderOption::Zip, FolderOption::Unzip, FolderOption::Work})
        if (!isPinned(which))
            set(which, current);
}

void FolderOptions::release(FolderOption which, const QString &browsedFolder) {
    setPinned(which, false);
    set(which, which == FolderOption::Include ? QString() : platform::withSeparator(browsedFolder));
}
