#include "UnzipCommand.h"

#include "MainWindowBatchHost.h"
#include "MainWindowParts.h"
#include "batch/BatchDriver.h"
#include "batch/BatchSettings.h"
#include "batch/UnzipBatch.h"

void runUnzipCommand(const MainWindowParts &window) {
    MainWindowBatchHost host(window);
    BatchDriver(host, unzipBatchTexts()).run([&host](const BatchSettings &settings) {
        UnzipBatch(host, settings).run();
    });
    // Folders the archives brought, or the sub-folders named after them,
    // appear in the tree without a refresh.
    host.refreshFolders();
}
