#pragma once

#include <QIcon>
#include <QString>

// The application id: the desktop entry's and the icon's name.
inline const QString kDesktopId = QStringLiteral("org.tovrane.Tovrane");

// Tovrane's icon, for the windows' title bars and the task bar.
QIcon desktopIcon();

// Tells the desktop who the program is: the application name (settings and
// cache folders, the window class), the desktop entry's name, through
// which the window manager and the task bar find the name and icon, and
// the windows' icon (a desktop without the entry still shows it). No
// application display name is set: Qt would append it to every caption
// ("About Tovrane — Tovrane"), and the captions are the windows' own texts.
void applyDesktopIdentity();
