#pragma once

#include <QString>

// The options a batch reads, taken from the main window once when the batch
// starts: the loops read this snapshot, never the window, so nothing the
// user could still reach changes a batch half-way.
struct BatchSettings {
    // Folders end with a separator; the include file is a path or empty.
    QString zipFolder;
    QString unzipFolder;
    QString workFolder;
    QString includeFile;
    // The re-zip extraction folder ("temp.$$$" where the settings live).
    QString rezipFolder;
    QString zipPassword;
    QString unzipPassword;
    int compressionLevel = 8;

    // Zipping.
    bool keepExtension = false;
    bool deleteOriginal = true;
    bool beepZip = true;
    bool fullPaths = false;
    bool upperCaseExtension = false;
    bool dateStamp = false;
    bool deleteFolder = false;

    // Unzipping.
    bool recurse = true;
    bool beepUnzip = true;
    bool deleteZip = true;
    bool subFolder = false;

    // The delete commands move what they delete to the desktop Trash.
    bool trashDeletions = true;

    // An original goes only once its new archive reads back whole from the
    // disk: every entry inflated and checked against its CRC. An unzipped
    // archive goes only once every file extracted from it reads back with
    // the size and CRC the archive records.
    bool testBeforeDelete = true;
};
