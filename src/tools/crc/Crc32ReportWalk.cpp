#include "Crc32ReportWalk.h"

#include "Crc32.h"
#include "Crc32ReportHost.h"
#include "FileCrc32Ahead.h"
#include "platform/FileListSource.h"
#include "platform/FileSystem.h"
#include "platform/Rounding.h"

#include <algorithm>

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
    int shown = 0;
    for (int i = 0; i < count; ++i) {
        if (i > 0) {
            shown = platform::walkPercent(i, count);
            host.setProgress(shown);
        }
        // A stopped walk still runs to its end, so the bar ends full.
        if (!host.keepGoing() || !files.isSelected(i))
            continue;
        // While a large file is read the window answers, and the bar moves
        // on toward the next line's place; a stop gives the file up, and a
        // file given up gets no line.
        const int from = shown;
        const int to = i + 1 < count ? platform::walkPercent(i + 1, count) : 100;
        const FileCrc32Ahead::Result read = reader.take(next++, [&](qint64 bytesRead, qint64 size) {
            const double share =
                size > 0 ? std::min(1.0, static_cast<double>(bytesRead) / size) : 0.0;
            const int percent = from + static_cast<int>(share * (to - from));
            if (percent > shown) {
                shown = percent;
                host.setProgress(shown);
            }
            host.pumpMessages();
            return host.keepGoing();
        });
        if (!read.finished)
            continue;
        host.pumpMessages();
        host.addRow(crc32FileRow(files.name(i), ~read.crc, read.byteCount));
    }
}

}  // namespace tools
