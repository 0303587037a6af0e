#pragma once

#include <functional>

#include <QString>

// The archive a re-zip builds under a fixed temporary name before it takes
// the old archive's place. Each rebuild starts without one: a leftover of an
// earlier run is removed, never added to. The old archive is replaced in one
// rename, so its name always shows either the old archive or the whole new
// one. A temporary archive that did not take its place is removed when this
// object ends.
class RezipTempArchive {
  public:
    explicit RezipTempArchive(QString path) : path_(std::move(path)) {}
    ~RezipTempArchive();
    RezipTempArchive(const RezipTempArchive &) = delete;
    RezipTempArchive &operator=(const RezipTempArchive &) = delete;

    const QString &path() const { return path_; }

    // Removes a leftover file of that name. False when something still
    // stands there (a folder is never removed): nothing may be built then.
    bool start();

    // Puts the archive in place of `target`, flushed to disk first. Across
    // file systems it is copied beside the target and renamed from there.
    // False when the target is unchanged.
    bool replace(const QString &target, const std::function<void()> &pump = {});

  private:
    bool copyOver(const QString &target) const;

    QString path_;
    bool started_ = false;
    bool replaced_ = false;
};
