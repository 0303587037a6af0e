#pragma once

#include <QString>

// The drive test of the folder choice dialogs: whether the volume with this
// root can be used. When it cannot, the user has been told ("Drive not
// ready", or "Not a valid drive letter" for a drive id that names no volume)
// and the caller goes back to the home folder.
bool dialogDriveReady(const QString &root);
