#pragma once

#include <QString>

// How the file batch names its archives and recognises archives it must not
// pack again.
namespace archivenaming {

// The name without its last extension: "data.tar.gz" gives "data.tar",
// "notes." gives "notes"; a name without a dot, or whose only dot is its
// first character (".profile"), stays whole.
QString baseName(const QString &name);

// A name longer than four characters that ends in ".zip", in any case. The
// four-character name ".zip" itself is not caught.
bool isZipName(const QString &name);

// The archive for file `name` in `zipFolder` (which ends with a separator):
// with `keepExtension` the whole name plus `extension`; otherwise the base
// name plus `extension`, upper-cased when `fullPaths` is on. Upper-casing
// touches the file name only: the folder part names a real folder, whose
// case matters here as it does not on Windows.
QString archivePath(const QString &zipFolder, const QString &name, const QString &extension,
                    bool keepExtension, bool fullPaths);

// The archive for folder `name` in `zipFolder`: the folder name plus
// `extension`, always upper-cased, whatever the settings say.
QString folderArchivePath(const QString &zipFolder, const QString &name, const QString &extension);

}  // namespace archivenaming
