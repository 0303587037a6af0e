#pragma once

#include <QString>
#include <QtGlobal>

class FileListSource;

namespace tools {

// A 3.5" high-density floppy as formatted: 2847 sectors of 512 bytes.
inline constexpr qint64 kFloppyBytes = 1457664;

// The three values of the file information window.
struct FileInformation {
    QString name;      // the listed name, upper-cased (a to z only)
    QString size;      // "<n> bytes", or "Unable to retrive"
    QString floppies;  // "1 Disk (of 1.44mb)", "<d> Disks (of 1.44mb)", or "Unknown"

    friend bool operator==(const FileInformation &, const FileInformation &) = default;
};

// What the window shows before it has looked at any file.
FileInformation unknownFileInformation();

// The floppy text for a file of `bytes` bytes: the whole part of
// bytes / kFloppyBytes, plus one ("1 Disk (of 1.44mb)" for one); an empty
// file fills no disk ("0 Disks (of 1.44mb)").
QString floppyText(qint64 bytes);

// Looks at one file, opening it for reading only, as it is: any file the
// user may read is shown; one that cannot be opened, and a pipe, socket or
// device, is "Unable to retrive", with the floppy value "Unknown".
FileInformation describeFile(const QString &folder, const QString &name);

// The values for the selected line of the file list (the last one when
// several are selected); unknownFileInformation() when none is.
FileInformation describeSelection(const FileListSource &files);

}  // namespace tools
