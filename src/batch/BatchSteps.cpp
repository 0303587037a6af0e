#include "BatchSteps.h"

#include "BatchHost.h"

namespace batchsteps {

bool stopRequested(const BatchHost &host) {
    return host.operationFlag() == QLatin1String("STOP");
}

void waitWhilePaused(BatchHost &host) {
    if (host.operationFlag() != QLatin1String("PAUSE"))
        return;
    host.setStatus(QStringLiteral("Paused - Click Pause again to continue."));
    while (host.operationFlag() == QLatin1String("PAUSE"))
        host.waitForMessages();
}

}  // namespace batchsteps
