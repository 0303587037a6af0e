#include "Crc32ReportWalk.h"

#include "Crc32.h"
#include "Crc32ReportHost.h"
#include "FileCrc32Ahead.h"
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
    QStringList paths;
    for (int i = 0; i < count; ++i)
        if (files.isSelected(i))
            paths << folder + files.name(i);
    // The files are read ahead while the rows before them are shown.
    FileCrc32Ahead reader(std::move(paths));
    qsizetype next = 0;
    for (int i = 0; i < count; ++i) {
        if (i > 0)
            host.setProgress(platform::walkPercent(i, count));
        // A stopped walk still runs to its end, so the bar ends full.
        if (!host.keepGoing() || !files.isSelected(i))
            continue;
        const FileCrc32Ahead::Result read = reader.take(next++);
        host.pumpMessages();
        host.addRow(crc32FileRow(files.name(i), ~read.crc, read.byteCount));
    }
}

}  // namespace tools
