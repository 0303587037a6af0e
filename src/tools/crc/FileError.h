#pragma once

#include <QString>

#include <stdexcept>

namespace tools {

// A failure to open, position, read or close a file, raised by the file
// routines that hand such failures to their caller (FileRangeCrc32). It
// carries the file's path and what went wrong; what() holds both as UTF-8.
class FileError : public std::runtime_error {
  public:
    FileError(const QString &path, const QString &reason)
        : std::runtime_error(QStringLiteral("%1: %2").arg(path, reason).toStdString()),
          path_(path),
          reason_(reason) {}

    const QString &path() const { return path_; }
    const QString &reason() const { return reason_; }

  private:
    QString path_;
    QString reason_;
};

}  // namespace tools
