#pragma once

#include "platform/FileListSource.h"
#include "platform/FileSystem.h"

#include <QStringList>

// Every file, or every sub-folder, of a folder, all selected, as the file
// list or the folder list would show them.
class WholeFolder final : public FileListSource {
  public:
    explicit WholeFolder(QString folder, bool subFolders = false)
        : folder_(std::move(folder)),
          names_(subFolders ? platform::listFolders(folder_) : platform::listFiles(folder_)) {}
    WholeFolder(QString folder, QStringList names)
        : folder_(std::move(folder)), names_(std::move(names)) {}
    WholeFolder() = default;
    QString directory() const override { return folder_; }
    int count() const override { return static_cast<int>(names_.size()); }
    QString name(int i) const override { return names_.at(i); }
    bool isSelected(int) const override { return true; }
    int selectedCount() const override { return count(); }

  private:
    QString folder_;
    QStringList names_;
};

// The folders view, not used by the benchmarks.
class NoFolders final : public FileListSource {
  public:
    QString directory() const override { return {}; }
    int count() const override { return 0; }
    QString name(int) const override { return {}; }
    bool isSelected(int) const override { return false; }
    int selectedCount() const override { return 0; }
};
