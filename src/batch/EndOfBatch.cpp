#include "EndOfBatch.h"

#include "batch/ErrorLogModel.h"
#include "platform/Dialogs.h"

#include <QCoreApplication>
#include <QString>

bool offerErrorLog(const ErrorLogModel &log, const std::function<void()> &show,
                   const QString &operation) {
    if (log.isEmpty())
        return false;
    if (!platform::confirm(
            QCoreApplication::translate("TMainform",
                                        "Some errors occured during the %1 operation. "
                                        "Would you like to view the error log now ?")
                .arg(operation)))
        return false;
    if (show)
        show();
    return true;
}
