#include "DriveTest.h"

#include "platform/Dialogs.h"
#include "platform/Volumes.h"

#include <QCoreApplication>

bool dialogDriveReady(const QString &root) {
    // A slow volume (a network share waking up) must not freeze the window.
    QCoreApplication::processEvents();
    const platform::Readiness readiness = platform::driveReadiness(root);
    QCoreApplication::processEvents();
    switch (readiness) {
        case platform::Readiness::Ready:
            return true;
        case platform::Readiness::InvalidDrive:
            platform::dialogs().message(
                platform::MessageKind::Error,
                QCoreApplication::translate("FolderDialog", "Not a valid drive letter"),
                platform::Ok);
            return false;
        case platform::Readiness::NotReady:
            break;
    }
    platform::dialogs().message(platform::MessageKind::Error,
                                QCoreApplication::translate("FolderDialog", "Drive not ready"),
                                platform::Cancel);
    return false;
}
