#pragma once

#include <QString>
#include <functional>

class BatchHost;
class FileListSource;

namespace platform {
class NameLock;
}

// Steps that every batch loop takes between its entries.
namespace batchsteps {

bool stopRequested(const BatchHost &host);
// When Pause is down: says so in the status bar and lets messages run until
// it is released. Stop ends the wait too; the loop sees it at its next test.
// Work the engine was doing ahead for the next entries stops meanwhile.
void waitWhilePaused(BatchHost &host);

// Waits, with messages running, until `lock` is held or cannot be had at
// all (then the item goes ahead unlocked, as it did before locks: where no
// lock file can be made, no archive can be written either). False when Stop
// ended the wait: the item is then left as it is.
bool waitForLock(BatchHost &host, platform::NameLock &lock);

// One selected entry: its counter c (from 1), the selected count n taken
// once at the start, its index in the list, the list's folder with a
// separator, and its name.
struct SelectedEntry {
    int c;
    int n;
    int index;
    QString folder;
    QString name;
    // The percentage the status text shows: one below the overall bar.
    int statusPercent() const;
    // `format` with c, n, the status percentage and the name for %1 to %4,
    // filled in one pass: the text is made once per entry.
    QString statusText(const QString &format) const;
};

// The walk that the zip, folder and unzip batches share: every entry of
// `list` in order, Stop tested before each one (the first too), the overall
// bar at c/n, then for a selected entry the Pause wait and the error log
// scrolled to its end before `handle` runs. The entry at which a pause began
// is handled even when Stop ended the pause; the walk sees the stop at the
// next entry.
void forEachSelected(BatchHost &host, FileListSource &list,
                     const std::function<void(const SelectedEntry &)> &handle);

// Whether the engine's test passes `archive` as the disk now gives it back,
// every entry inflated and checked against its CRC: asked before deleting
// what the archive holds.
bool archiveReadsBack(BatchHost &host, const QString &archive);

}  // namespace batchsteps
