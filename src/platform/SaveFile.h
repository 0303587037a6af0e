#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <optional>

namespace platform {

// Writes a whole file: into a temporary file beside its target, flushed to
// disk and only then moved over it, so the target is always either the old
// file or the complete new one. A folder that cannot take a temporary file
// fails the save and leaves the old file as it was: writing in place could
// leave it cut short. A target that is a symbolic link is written through,
// as the user chose that name.
bool saveWhole(const QString &path, const QByteArray &bytes);

// The same for a file that belongs to its folder (the program's own files):
// a symbolic link found at `path` is replaced by the new regular file, never
// written through, so the program cannot be led to overwrite a file
// elsewhere. Where a link cannot be replaced that way the save is refused.
bool saveWholeInFolder(const QString &path, const QByteArray &bytes);

// The contents of a regular file of at most `limit` bytes; nothing for a
// missing or unreadable file, a larger one, or anything that is not a
// regular file (a pipe would block, a device might never end).
std::optional<QByteArray> readRegularFile(const QString &path, qint64 limit);

// Text lines as the program's text files hold them: UTF-8, each line ended
// by carriage return and line feed.
QByteArray crlfLines(const QStringList &lines);

// The outcome of a "Save to a File" command: "File Save Successfully !" or
// the error box "Error Saving File.".
void reportSaved(bool ok);

}  // namespace platform
