#include "EndOfBatch.h"

#include "batch/ErrorLogModel.h"
#include "platform/Dialogs.h"

#include <QString>

bool offerErrorLog(const ErrorLogModel &log, const std::function<void()> &show) {
    if (log.isEmpty())
        return false;
    if (!platform::confirm(QStringLiteral("Some errors occured during the zipping operation. "
                                          "Would you like to view the error log now ?")))
        return false;
    if (show)
        show();
    return true;
}
