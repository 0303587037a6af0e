#pragma once

#include <QString>

namespace cli {

// The private folder that one `tovrane-batch rezip` run extracts into and
// builds in: the extraction of a password archive is decrypted data, so
// only the user may enter it (mode 0700). It is named and locked as the
// engine names and locks its temporary files, so that a later run knows it
// for the leftover of a killed one and removes it; making one first removes
// such leftovers. It goes, with everything in it, when this object ends.
class RezipWorkFolder {
  public:
    // In `parent` (the system's temporary folder when empty).
    explicit RezipWorkFolder(const QString &parent = {});
    ~RezipWorkFolder();
    RezipWorkFolder(const RezipWorkFolder &) = delete;
    RezipWorkFolder &operator=(const RezipWorkFolder &) = delete;

    bool isValid() const { return lock_ >= 0; }
    // Without a trailing separator; empty when it could not be made.
    const QString &path() const { return path_; }

  private:
    QString path_;
    int lock_ = -1;  // the open, locked folder, while it lives
};

}  // namespace cli
