#pragma once

#include <QString>

// Result codes of the program's own, beside the engine's.
enum OutcomeCode : int {
    kAlreadyZipped = 4000,   // a selected file is already a zip archive
    kNotDeleted = 4001,      // an original file could not be deleted after zipping
    kTreeNotDeleted = 4004,  // a folder tree could not be deleted completely
    // An extracted entry was replaced on disk by a later entry of the same
    // name; the item is "archive: entry" and the archive is kept.
    kReplacedByLaterEntry = 4005,
    // An archive was replaced or written to by someone else while a batch
    // unzipped or re-zipped it; it is kept as it now is.
    kArchiveChanged = 4010,
    // A folder's new archive lacks some of what the folder holds (a folder
    // that could not be read, a file that came meanwhile, a link or pipe no
    // entry stands for); the folder is kept whole.
    kArchiveLacksFiles = 4011,
    // A new archive failed its test as read back from the disk before the
    // original file, or folder, was to be deleted; it is kept.
    kArchiveFailedTest = 4012,
    kFolderArchiveFailedTest = 4013,
    // A file unzipped from an archive did not read back from the disk as
    // the archive records it (size and CRC-32) before the archive was to be
    // deleted; the archive is kept.
    kExtractionReadsBackWrong = 4014,
    // An entry would have replaced a file that an earlier archive of the
    // batch extracted; the item says which, and the archive is kept.
    kReplacesBatchFile = 4006,
    // A file's entry is already in its archive from another file of the
    // batch; the item says which archive and entry, and the file is kept.
    kEntryTaken = 4007,
    // A folder's archive name is already taken by another folder of the
    // batch; the item says which, and the folder is kept.
    kArchiveNameTaken = 4008,
};

// The error-log line for a failed item: `code` is a result code (never 0 in
// practice), `name` the item as the caller names it. An unknown code is kept
// with its number and the item, so nothing is ever dropped.
QString outcomeLine(int code, const QString &name);
