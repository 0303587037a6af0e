#pragma once

#include <QString>

// Makes a folder the process's current directory for as long as it lives,
// then puts back the one that was current before. A folder that cannot be
// entered leaves the current directory as it was.
class ScopedCurrentDirectory {
  public:
    explicit ScopedCurrentDirectory(const QString &folder);
    ~ScopedCurrentDirectory();
    ScopedCurrentDirectory(const ScopedCurrentDirectory &) = delete;
    ScopedCurrentDirectory &operator=(const ScopedCurrentDirectory &) = delete;

    bool entered() const { return entered_; }

  private:
    QString previous_;
    bool entered_ = false;
};
