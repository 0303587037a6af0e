#pragma once

#include <QString>

#include <functional>

namespace platform {

// Where one deletion went.
enum class Disposal {
    Trashed,  // into the desktop Trash, where the user can restore it
    Deleted,  // deleted for good
    Failed,   // still there
};

// Moves a file or a folder with its contents into the desktop Trash of its
// volume (the freedesktop.org Trash layout: the home Trash, or the
// volume's own .Trash-$uid); false when the volume has none, and then the
// item is untouched.
bool moveToTrash(const QString &path);

// Deletes a file as deleteFile() does (with `pump` running while a large
// file goes), through the Trash first when `toTrash` and the file's volume
// has one.
Disposal discardFile(const QString &path, bool toTrash, const std::function<void()> &pump = {});

// Where the deletions of one command went, and the words for it.
class DisposalTally {
  public:
    explicit DisposalTally(bool toTrash) : toTrash_(toTrash) {}
    bool toTrash() const { return toTrash_; }
    void add(Disposal disposal);
    // Files or folders deleted for good although the Trash was wanted.
    int withoutTrash() const { return toTrash_ ? deleted_ : 0; }
    enum class Things { Files, Folders };
    // "3 files moved to the Trash.", "2 folders deleted.", ... Empty when
    // nothing was asked for.
    QString statusText(Things things) const;
    // What a command says once when a volume had no Trash; empty when every
    // volume had one.
    QString noTrashText(Things things, const QString &folder) const;

  private:
    bool toTrash_;
    int trashed_ = 0;
    int deleted_ = 0;
    int failed_ = 0;
};

}  // namespace platform
