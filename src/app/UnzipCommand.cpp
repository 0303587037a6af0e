#include "UnzipCommand.h"

#include "MainWindowBatchHost.h"
#include "batch/BatchDriver.h"
#include "batch/BatchSettings.h"
#include "batch/UnzipBatch.h"

void runUnzipCommand(TMainform &form) {
    MainWindowBatchHost host(form);
    BatchDriver(host, unzipBatchTexts()).run([&host](const BatchSettings &settings) {
        UnzipBatch(host, settings).run();
    });
}
