#include "Crc32ReportWalk.h"

#include "Crc32.h"
#include "Crc32ReportHost.h"
#include "FileCrc32.h"
#include "platform/FileListSource.h"
#include "platform/FileSystem.h"
#include "platform/Rounding.h"

namespace tools {

void walkCrc32Report(const FileListSource &files, Crc32ReportHost &host) {
    if (files.selectedCount() == 0) {
        host.addRow(crc32NoFilesRow());
        return;
    }
    const QString folder = platform::withSeparator(files.directory());
    const int count = files.count();
    for (int i = 0; i < count; ++i) {
        if (i > 0)
            host.setProgress(platform::walkPercent(i, count));
        // A stopped walk still runs to its end, so the bar ends full.
        if (!host.keepGoing() || !files.isSelected(i))
            continue;
        const QString name = files.name(i);
        quint32 crc = kCrc32Start;
        qint64 byteCount = -1;
        FileCrc32(folder + name, crc, byteCount);
        host.pumpMessages();
        host.addRow(crc32FileRow(name, ~crc, byteCount));
    }
}

}  // namespace tools
