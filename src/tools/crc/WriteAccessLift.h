#pragma once

#include <QString>

#include <filesystem>
#include <optional>

namespace tools {

// Lifts the read-only state of one file for the lifetime of the object and
// puts the file's permission bits back afterwards, so that a read-only file
// can be opened the way the checksum routines open files. Files that are
// writable already are not touched at all, so their change time stays as it
// was. (std::filesystem does it with one status call and keeps the set-id
// bits, which Qt's permission calls would drop.)
class WriteAccessLift {
  public:
    explicit WriteAccessLift(const QString &path);
    ~WriteAccessLift();
    WriteAccessLift(const WriteAccessLift &) = delete;
    WriteAccessLift &operator=(const WriteAccessLift &) = delete;

  private:
    std::filesystem::path path_;
    std::optional<std::filesystem::perms> kept_;
};

}  // namespace tools
