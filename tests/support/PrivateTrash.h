#pragma once

#include "TempFolder.h"

#include <QByteArray>
#include <QStringList>

namespace testsupport {

// A desktop Trash of the test's own: HOME and XDG_DATA_HOME point into a
// fresh folder beside the test's files (on the same volume, so that what is
// deleted there goes into this Trash) for as long as it lives.
class PrivateTrash {
  public:
    PrivateTrash();
    ~PrivateTrash();
    PrivateTrash(const PrivateTrash &) = delete;
    PrivateTrash &operator=(const PrivateTrash &) = delete;

    // The names in the Trash's files/ folder, sorted.
    QStringList names() const;
    // The original path that the Trash's information file records for
    // `name`; empty when there is none.
    QString originalPath(const QString &name) const;
    // Takes the Trash away (XDG_DATA_HOME names a folder that cannot be
    // made), as on a system without one.
    void remove();

  private:
    TempFolder home_;
    QByteArray savedHome_, savedData_;
};

// Points HOME and XDG_DATA_HOME of the whole test program into a folder of
// its own, so that no test fills the Trash of the user who runs it.
void isolateUserFolders();

}  // namespace testsupport
