#pragma once

#include <QString>

namespace platform {

// Renames a file (or folder) without ever replacing another one, as a
// Windows rename refuses an existing name where a Linux rename would
// silently replace it. False, with nothing changed, when `to` exists or the
// rename fails otherwise. A new name that differs from the old one only in
// letter case and that the file system takes for the same file (a
// case-insensitive volume) renames the file in place.
bool renameWithoutReplacing(const QString &from, const QString &to);

}  // namespace platform
