#include "FileInformation.h"

#include "platform/AsciiCase.h"
#include "platform/FileListSource.h"
#include "platform/FileSystem.h"
#include "platform/ReadOnlyFile.h"

#include <QCoreApplication>

namespace tools {

FileInformation unknownFileInformation() {
    const QString unknown = QCoreApplication::translate("TFileInfo", "Unknown");
    return {unknown, unknown, unknown};
}

QString floppyText(qint64 bytes) {
    // Whole part plus one, not the rounded-up quotient: a file of exactly
    // one floppy's capacity counts two disks.
    const qint64 disks = bytes > 0 ? bytes / kFloppyBytes + 1 : 0;
    if (disks == 1)
        return QCoreApplication::translate("TFileInfo", "1 Disk (of 1.44mb)");
    return QCoreApplication::translate("TFileInfo", "%1 Disks (of 1.44mb)").arg(disks);
}

FileInformation describeFile(const QString &folder, const QString &name) {
    FileInformation info = unknownFileInformation();
    info.name = platform::asciiUpper(name);
    const platform::ReadOnlyFile file(platform::withSeparator(folder) + name);
    if (!file.isOpen()) {
        info.size = QCoreApplication::translate("TFileInfo", "Unable to retrive");
        return info;
    }
    const qint64 bytes = file.size();
    info.size = QCoreApplication::translate("TFileInfo", "%1 bytes").arg(bytes);
    info.floppies = floppyText(bytes);
    return info;
}

FileInformation describeSelection(const FileListSource &files) {
    // Each selected line would overwrite the one before, so only the last
    // one needs to be looked at.
    for (int i = files.count() - 1; i >= 0; --i) {
        if (files.isSelected(i))
            return describeFile(files.directory(), files.name(i));
    }
    return unknownFileInformation();
}

}  // namespace tools
