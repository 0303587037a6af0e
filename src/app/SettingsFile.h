#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

// The user settings kept in "Tovrane5.Cfg": eighteen fixed-column lines
// "KEY     = value" ended by CR LF, written whole at every close and read once
// at start-up. This file knows the format only; the main window binds the
// values to its check boxes and menu items.

inline constexpr auto kDefaultFilterList =
    "*.*|*.*|*.BMP|*.BMP|*.DOC|*.DOC|*.JPG|*.JPG|*.TXT|*.TXT|*.WMF|*.WMF";

// Every stored setting, with the defaults the main window starts with.
struct Settings {
    bool keepExtension = false;                                 // POFEIZF
    bool showIcons = true;                                      // SFFI
    bool upperCaseZip = false;                                  // MZEU
    QString filters = QString::fromLatin1(kDefaultFilterList);  // FED
    bool deleteOriginal = true;                                 // DOFASZ
    bool beepZip = true;                                        // BWZPIC
    bool fullPaths = false;                                     // SFFPIZF
    bool recurse = true;                                        // RFIZCT
    bool beepUnzip = true;                                      // BWUPIC
    bool deleteZip = true;                                      // DZASU
    bool dateStamp = false;                                     // MDTSSAS
    bool subFolder = false;                                     // UEFIIOF
    bool deleteFolder = false;                                  // DFOLDER
    bool showPasswords = true;                                  // SPWT
    bool showSettings = true;                                   // SHOWSET
    bool trayIcon = true;                                       // SIIST
    int compression = 8;                                        // COMPSTR
    int folderPaneWidth = 0;                                    // DIRWIDT, written only
};

// What a settings file says: only the settings it sets validly are present,
// so everything else keeps its current state.
struct SettingsChanges {
    std::optional<bool> keepExtension, showIcons, upperCaseZip, deleteOriginal, beepZip, fullPaths,
        recurse, beepUnzip, deleteZip, dateStamp, subFolder, deleteFolder, showPasswords,
        showSettings, trayIcon;
    std::optional<QString> filters;
    std::optional<int> compression;

    // Applies the present values onto `settings`.
    void applyTo(Settings &settings) const;
};

namespace settingsfile {

inline constexpr auto kFileName = "Tovrane5.Cfg";
inline constexpr qint64 kMaxFileSize = 1024 * 1024;

// Reads the lines of a settings file. Keys are compared exactly (case
// matters), later lines win, unknown keys and malformed values are skipped.
SettingsChanges parse(const QByteArray &contents);

// The eighteen lines, in key order, each ended by CR LF. Characters that
// would break a line are left out of the values.
QByteArray format(const Settings &settings);

// The settings file in `folder`, its name matched without regard to case as
// Windows does; the canonical name when there is none yet.
QString locate(const QString &folder);

// Reads the file; nothing when it is missing, cannot be read, is larger than
// kMaxFileSize or is not a regular file.
std::optional<SettingsChanges> read(const QString &path);

// Writes the file whole, replacing it only once it is complete. A symbolic
// link in its place is replaced by the file, never written through.
bool write(const QString &path, const Settings &settings);

}  // namespace settingsfile
