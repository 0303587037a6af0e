#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace platform {

// Writes a whole file: beside its target first, moved over it only when
// complete, so a failed save never leaves an older file half overwritten.
// A folder that cannot take a temporary file gets the file written in place.
// Every failure is collected and judged once, at the end.
bool saveWhole(const QString &path, const QByteArray &bytes);

// Text lines as the program's text files hold them: UTF-8, each line ended
// by carriage return and line feed.
QByteArray crlfLines(const QStringList &lines);

// The outcome of a "Save to a File" command: "File Save Successfully !" or
// the error box "Error Saving File.".
void reportSaved(bool ok);

}  // namespace platform
