#pragma once

#include <QList>
#include <QRegularExpression>
#include <QString>
#include <QStringList>

#include <functional>

namespace platform {

// A folder path with exactly one separator at its end; the root stays "/".
QString withSeparator(const QString &folder);

// Hidden files are the ones whose name starts with a dot.
bool isHiddenName(const QString &name);

// Read-only: the owner lacks write permission.
bool isReadOnly(const QString &path);

// Clears what would stop the file's deletion: gives the owner write
// permission, and for a folder read, write and search permission too.
bool clearAttributes(const QString &path);

// Clears the attributes and deletes one file (never a folder).
bool deleteFile(const QString &path);

// deleteFile() with the window answering. The kernel frees a file's blocks
// inside the unlink, which for a file of several hundred megabytes takes a
// good part of a second: a file of kSlowUnlinkBytes or more is deleted on
// a thread of its own while `pump` runs every few hundredths of a second. A
// smaller file goes at once, as a thread would cost more than its unlink;
// so does every file when there is no pump.
inline constexpr qint64 kSlowUnlinkBytes = 8 * 1024 * 1024;
bool deleteFile(const QString &path, const std::function<void()> &pump);

// Writes to disk everything still cached for the file system that holds
// `folder`: what a step is about to rely on before it deletes the only
// other copy. False when the folder cannot be opened or the flush failed.
bool flushFileSystemOf(const QString &folder);

// Writes one file's data to disk, then its folder, so that the file keeps
// its name through a power loss. False when either cannot be opened or
// flushed; a folder the file system cannot flush has nothing to flush.
bool flushFileAndFolder(const QString &path);

// What tells one state of a file from another: the same file (device and
// inode) with the same size, modification time and change time (which no
// one can set back, as a modification time can be). `exists` is false when
// the path names nothing that can be examined.
struct FileIdentity {
    bool exists = false;
    quint64 device = 0;
    quint64 inode = 0;
    qint64 size = 0;
    qint64 mtimeNanoseconds = 0;
    qint64 ctimeNanoseconds = 0;
    bool operator==(const FileIdentity &) const = default;
};
FileIdentity fileIdentity(const QString &path);

// Wildcard match of a file name against a mask, without regard to case, as
// Windows does it: "*" and "?" wildcards, several masks separated by ";",
// "*.*" matching every name, with a dot or without, and "*." matching the
// names without an extension.
bool matchesMask(const QString &name, const QString &mask);

// The same match with the mask read once: a listing of many names compiles
// each mask once, not once per name.
class MaskMatcher {
  public:
    explicit MaskMatcher(const QString &mask);
    bool matches(const QString &name) const;

  private:
    struct Part {
        QRegularExpression expression;
        // Windows lets "name.*" match "name" without any dot too: the
        // masks left when the ".*" ends are taken off, for such names.
        QList<QRegularExpression> withoutDot;
        bool everythingWithoutDot = false;
    };
    bool everything_ = false;
    QList<Part> parts_;
};

// The plain files (symbolic links to files included) and the sub-folders of
// `folder`, by name, ordered without regard to case. Hidden entries are
// left out unless asked for, as the Windows lists leave them out.
QStringList listFiles(const QString &folder, const QString &mask = QStringLiteral("*.*"),
                      bool includeHidden = false);
QStringList listFolders(const QString &folder, bool includeHidden = false);

}  // namespace platform
