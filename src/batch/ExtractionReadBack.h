#pragma once

#include <QString>

class ExtractedEntries;

// Whether every file an extraction wrote reads back from the disk as the
// archive records it: each file entry of `archive`'s central directory has
// its file under `folder` (ending with a separator), of the recorded size
// and CRC-32. Asked before the archive, the only other copy, is deleted.
// False as well when the directory cannot be read, when an entry has no file
// that `extracted` says was written for it, or when a file was written that
// no entry stands for: the archive then holds what may not be on disk.
bool extractionReadsBack(const QString &archive, const QString &folder,
                         const ExtractedEntries &extracted);
