#pragma once

#include <QFile>
#include <QString>

#include <optional>

namespace cli {

// Opens `path` for reading; "-" is standard input.
bool openInput(QFile &file, const QString &path);

// Reads a password without it ever being an argument (which every user of
// the machine could see in the process list): the first line of `path`,
// without its line end; "-" reads standard input, and /dev/fd/N a
// descriptor the caller left open. Nothing when the file cannot be read.
std::optional<QString> readPasswordFile(const QString &path);

}  // namespace cli
