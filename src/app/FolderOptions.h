#pragma once

#include <QObject>
#include <QString>
#include <array>

// The three folder options and the include file of the options panel.
enum class FolderOption { Zip, Unzip, Work, Include };

// `ZipFolder`, `UnzipFolder`, `WorkFolder` (each ending with a separator)
// and `IncludeFile` (a path or empty), each with its pinned state: a pinned
// option keeps the folder (or file) chosen in its dialog, an unpinned
// folder option follows the browsed folder. Owned by the main window and
// shared by the folder dialogs, "File Inclusion" and the browser; the
// options panel shows it through `changed`.
class FolderOptions : public QObject {
    Q_OBJECT
  public:
    using QObject::QObject;

    const QString &ZipFolder() const { return value(FolderOption::Zip); }
    const QString &UnzipFolder() const { return value(FolderOption::Unzip); }
    const QString &WorkFolder() const { return value(FolderOption::Work); }
    const QString &IncludeFile() const { return value(FolderOption::Include); }

    const QString &value(FolderOption which) const { return slot(which).value; }
    bool isPinned(FolderOption which) const { return slot(which).pinned; }

    void set(FolderOption which, const QString &value);
    void setPinned(FolderOption which, bool pinned);

    // The browser moved to `folder`: every folder option not pinned follows.
    void followBrowser(const QString &folder);
    // The option's toggle came up: a folder option follows the browsed
    // folder again at once, the include file empties.
    void release(FolderOption which, const QString &browsedFolder);

  signals:
    // A value or a pinned state changed (or was set again).
    void changed(FolderOption which);

  private:
    struct Slot {
        QString value;
        bool pinned = false;
    };
    const Slot &slot(FolderOption which) const { return slots_[static_cast<size_t>(which)]; }
    Slot &slot(FolderOption which) { return slots_[static_cast<size_t>(which)]; }

    std::array<Slot, 4> slots_;
};
