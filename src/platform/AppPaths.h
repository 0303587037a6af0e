#pragma once

#include <QString>

namespace platform {

// The program's own folder (the executable's), without a trailing separator.
// It holds the help file and the engine libraries.
QString appFolder();

// Where the settings file lives: the program's folder when it can be
// written and holds the engine libraries beside the program (a build or a
// copied folder), else the per-user configuration folder (an installed
// program, whose libraries are in lib/tovrane).
QString dataFolder();

// Where the re-zip work folder lives: the program's folder as above, else
// the per-user cache folder. Extracted archives are scratch data, not
// configuration: a cache folder is left out of backups and roaming
// profiles. The data-folder override moves this folder too.
QString workFolder();

// The user's home folder: the start folder of the browser and of the dialogs,
// and where the browser returns when a volume is not ready.
QString homeFolder();

// Tests point these at temporary folders; an empty text restores the default.
void overrideAppFolder(const QString &folder);
void overrideDataFolder(const QString &folder);
void overrideHomeFolder(const QString &folder);

}  // namespace platform
