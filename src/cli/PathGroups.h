#pragma once

#include "platform/FileListSource.h"

#include <QList>
#include <QString>
#include <QStringList>

namespace cli {

// The names of one folder, as the window's list would hold them after the
// user browsed there and selected them.
struct PathGroup {
    QString folder;  // absolute, without a trailing separator ("/" for the root)
    QStringList names;
};

// Splits paths given on the command line by their folder. Folders come in
// the order of their first path, names in the order given; a path given
// twice counts once, as a list never shows a name twice. Takes time in
// proportion to the paths; `comparisons`, when given, receives the number of
// names compared on the way, which the tests hold to that proportion.
QList<PathGroup> groupByFolder(const QStringList &paths, qint64 *comparisons = nullptr);

// All the paths as one list: the folder is the deepest one that holds them
// all, the names are paths relative to it (bare names when the paths share
// one folder). For the tools, whose walks take any name below the folder.
PathGroup commonFolderGroup(const QStringList &paths);

// A file list showing one group at a time, everything selected: the batch
// loops and tool walks run over it as over the window's list.
class GroupFileList final : public FileListSource {
  public:
    void show(const PathGroup &group) { group_ = group; }
    QString directory() const override { return group_.folder; }
    int count() const override { return static_cast<int>(group_.names.size()); }
    QString name(int i) const override { return group_.names.at(i); }
    bool isSelected(int) const override { return true; }
    int selectedCount() const override { return count(); }

  private:
    PathGroup group_;
};

}  // namespace cli
