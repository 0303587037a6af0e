#pragma once

#include <QString>
#include <QStringList>

// Writes `lines` to `path` as UTF-8, each followed by CR LF, replacing the
// file only once everything is written. False when anything failed.
bool writeErrorLogFile(const QString &path, const QStringList &lines);
