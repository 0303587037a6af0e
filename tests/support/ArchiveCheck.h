#pragma once

#include <QString>
#include <QStringList>

// Checks of archives by readers no one here wrote: Info-ZIP's unzip, 7-Zip
// and Python's zipfile.
namespace testsupport {

// `unzip -tq` (with -P when a password is given) succeeds.
bool unzipAccepts(const QString &archive, const QString &password = {});
// `7z t` (with -p) succeeds.
bool sevenZipAccepts(const QString &archive, const QString &password = {});
// Python's zipfile opens the archive and finds every CRC right.
bool pythonAccepts(const QString &archive);
// The entry names, in archive order, as Python's zipfile reads them; empty
// when the archive cannot be read.
QStringList entryNames(const QString &archive);
// The readers accept the archive: all three without a password; with one,
// 7-Zip alone, since Info-ZIP's unzip 6.0 and Python cannot read AES.
bool readersAccept(const QString &archive, const QString &password = {});

}  // namespace testsupport
