#pragma once

#include "OptionValues.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <optional>

// The user settings kept in "Tovrane5.Cfg": one fixed-column line
// "KEY     = value" ended by CR LF for every stored option of kOptionTable,
// in table order, written whole at every close and read once at start-up.
// This file knows the format only; the options model holds the values.
// Keys and values are data, never translated: a file written under one
// language reads back under any other.

// What a settings file says: only the options it sets validly are present,
// so everything else keeps its current value.
struct SettingsChanges {
    OptionValues values;
    QList<Option> present;

    bool has(Option option) const { return present.contains(option); }
    // Applies the present values onto `target`.
    void applyTo(OptionValues &target) const;
};

namespace settingsfile {

inline constexpr auto kFileName = "Tovrane5.Cfg";
inline constexpr qint64 kMaxFileSize = 1024 * 1024;

// The number of lines a settings file holds: one per stored option.
int lineCount();

// The text of a settings file: UTF-8 when the bytes are valid UTF-8, else
// the 8-bit Latin-1 set, so that no byte is lost.
QString decode(const QByteArray &contents);

// Reads the lines of a settings file. Keys are compared exactly (case
// matters), later lines win, unknown keys and malformed values are skipped.
SettingsChanges parse(const QByteArray &contents);

// The lines, in table order, each ended by CR LF. Characters that would
// break a line are left out of the values.
QByteArray format(const OptionValues &values);

// The settings file in `folder`, its name matched without regard to case as
// Windows does; the canonical name when there is none yet.
QString locate(const QString &folder);

// Reads the file; nothing when it is missing, cannot be read, is larger than
// kMaxFileSize or is not a regular file.
std::optional<SettingsChanges> read(const QString &path);

// Writes the file whole, replacing it only once it is complete. A symbolic
// link in its place is replaced by the file, never written through.
bool write(const QString &path, const OptionValues &values);

}  // namespace settingsfile
