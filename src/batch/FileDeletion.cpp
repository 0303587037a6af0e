#include "FileDeletion.h"

#include "BatchHost.h"
#include "platform/Dialogs.h"
#include "platform/FileListSource.h"
#include "platform/FileSystem.h"

void deleteSelectedFiles(BatchHost &host) {
    if (platform::confirm(
            QStringLiteral("Are you sure you want to delete the files you have selected ?"))) {
        host.setBusy(true);
        FileListSource &files = host.fileList();
        const QString folder = platform::withSeparator(files.directory());
        const int count = files.count();
        for (int i = 0; i < count; ++i)
            if (files.isSelected(i))
                platform::deleteFile(folder + files.name(i));
        host.rereadFileList();
    }
    host.setBusy(false);
}
