#include "DupesWalk.h"

#include "ContentClasses.h"
#include "DupesHost.h"
#include "DupesTable.h"
#include "platform/Dialogs.h"
#include "platform/FileListSource.h"
#include "platform/FileSystem.h"
#include "platform/Rounding.h"
#include "tools/crc/Crc32.h"

#include <QFile>
#include <QHash>

#include <sys/stat.h>
#include <QCoreApplication>
#include <algorithm>
#include <functional>
#include <unordered_map>
#include <unordered_set>
#include <utility>
#include <vector>

namespace tools {

namespace {

// What a look at a file, before any reading, tells about it.
struct FileLook {
    // -1: not found, or no regular file. Only regular files are read (a
    // pipe would never end), so anything else is like a file that cannot
    // be opened.
    qint64 size = -1;
    // Whether its contents could equal another selected file's: a symbolic
    // link is not a copy of what it points to (deleting the target would
    // lose the data), and a second name of a file already looked at is no
    // copy either.
    bool comparable = false;
};

// A file's identity: its device and inode.
using FileId = std::pair<dev_t, ino_t>;
struct FileIdHash {
    std::size_t operator()(const FileId &id) const {
        return std::hash<ino_t>()(id.second) ^ (std::hash<dev_t>()(id.first) << 1);
    }
};

// Looks at the first `capacity` selected files: their sizes and which of
// them share a size with another one and so need reading. Looked up by
// list index and hashed, so that a hundred thousand files cost each no more
// than a thousand do.
class SelectionSurvey {
  public:
    SelectionSurvey(const FileListSource &files, const QString &folder, int capacity)
        : looks_(static_cast<std::size_t>(files.count())) {
        std::unordered_set<FileId, FileIdHash> seen(static_cast<std::size_t>(files.count()));
        std::unordered_map<qint64, int> sizes;
        std::vector<int> surveyed;  // list indexes, in list order
        for (int i = 0; i < files.count() && int(surveyed.size()) < capacity; ++i) {
            if (!files.isSelected(i))
                continue;
            const QByteArray path = QFile::encodeName(folder + files.name(i));
            FileLook look;
            struct stat info {};
            if (::lstat(path.constData(), &info) == 0) {
                // A link is looked through for its size only.
                const bool link = S_ISLNK(info.st_mode);
                if ((!link || ::stat(path.constData(), &info) == 0) && S_ISREG(info.st_mode)) {
                    look.size = info.st_size;
                    look.comparable = !link && seen.emplace(info.st_dev, info.st_ino).second;
                }
            }
            if (look.comparable)
                ++sizes[look.size];
            looks_[static_cast<std::size_t>(i)] = look;
            surveyed.push_back(i);
        }
        for (const int index : surveyed) {
            FileLook &look = looks_[static_cast<std::size_t>(index)];
            look.comparable = look.comparable && sizes[look.size] > 1;
            if (look.comparable)
                buckets_[look.size] << index;
        }
    }

    const FileLook &look(int index) const { return looks_.at(static_cast<std::size_t>(index)); }
    // The list indexes of the comparable files of `size`.
    const QList<int> &bucket(qint64 size) const { return buckets_.at(size); }

  private:
    std::vector<FileLook> looks_;  // by list index
    std::unordered_map<qint64, QList<int>> buckets_;
};

}  // namespace

void walkDupes(const FileListSource &files, DupesHost &host, DupesTable &table) {
    table.clear();
    if (files.selectedCount() == 0)
        return;
    const QString folder = platform::withSeparator(files.directory());
    const SelectionSurvey survey(files, folder, table.capacity());
    // The files of one size are read together when the walk reaches the
    // first of them; the others wait here for their turn in list order.
    QHash<int, ContentReading> readAhead;
    int classBase = 0;
    bool limitShown = false;
    const int count = files.count();
    // A long read of one size's files moves the bar on from the line that
    // started it toward the last line it reads; the lines after it never
    // move the bar back.
    int shown = 0;
    const auto show = [&](int percent) {
        shown = std::max(shown, percent);
        host.setProgress(shown);
    };
    for (int i = 0; i < count; ++i) {
        if (i > 0)
            show(platform::walkPercent(i, count));
        if (!files.isSelected(i))
            continue;
        // After a stop nothing more is read, but files already compared
        // whole with the ones before them still come in, so that the groups
        // of what was read stay.
        if (!host.keepGoing() && readAhead.value(i).contentClass < 0)
            continue;
        if (table.full()) {
            if (!limitShown)
                platform::inform(
                    QCoreApplication::translate(
                        "TDupes", "%1 file limit reached.  Only the first %1 files will be listed.")
                        .arg(table.capacity()));
            limitShown = true;
            continue;
        }
        const FileLook &look = survey.look(i);
        DupesEntry entry;
        entry.name = files.name(i);
        entry.size = look.size;
        entry.key = look.size < 0 ? QStringLiteral("XXXXXX") : QString();
        if (look.comparable) {
            if (!readAhead.contains(i)) {
                const QList<int> &bucket = survey.bucket(look.size);
                QStringList paths;
                for (const int j : bucket)
                    paths << folder + files.name(j);
                const double expected = std::max<double>(
                    1.0, static_cast<double>(look.size) * static_cast<double>(bucket.size()));
                const int from = i > 0 ? platform::walkPercent(i, count) : 0;
                const int to = platform::walkPercent(bucket.last(), count);
                // A long read lets messages run too, and a stop cuts it
                // short.
                const std::vector<ContentReading> found =
                    classifyContents(paths, [&](qint64 bytesRead) {
                        const double share =
                            std::min(1.0, static_cast<double>(bytesRead) / expected);
                        const int percent = from + static_cast<int>(share * (to - from));
                        if (percent > shown)
                            show(percent);
                        host.pumpMessages();
                        return host.keepGoing();
                    });
                int classes = 0;
                for (qsizetype k = 0; k < bucket.size(); ++k) {
                    ContentReading r = found[static_cast<std::size_t>(k)];
                    if (r.contentClass >= 0) {
                        classes = std::max(classes, r.contentClass + 1);
                        r.contentClass += classBase;
                    }
                    readAhead.insert(bucket[k], r);
                }
                classBase += classes;
            }
            const ContentReading r = readAhead.take(i);
            entry.size = r.byteCount;
            entry.contentClass = r.contentClass;
            if (r.byteCount < 0)
                entry.key = QStringLiteral("XXXXXX");
            else if (r.crcKnown)
                entry.key = crc32Hex(r.crc).left(6);
        }
        host.pumpMessages();
        table.add(std::move(entry));
    }
}

}  // namespace tools
