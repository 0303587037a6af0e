#include "RezipCommand.h"

#include "MainForm.h"
#include "MainWindowBatchHost.h"
#include "batch/BatchDriver.h"
#include "batch/RezipBatch.h"
#include "batch/ui/TrashRemovalWindow.h"
#include "platform/Dialogs.h"

#include <QCoreApplication>

void RezipCommand::BitBtn3Click() {
    // A close asked for meanwhile waits for the batch: "temp.$$$" is its
    // extraction folder and must not be removed under it.
    form_.runCommand([this] { run(); });
}

void RezipCommand::run() {
    MainWindowBatchHost host(form_.parts());
    bool ran = false;
    if (platform::confirm(QCoreApplication::translate(
            "TMainform",
            "This option is independent of the Zip and Unzip settings, with the exception of the "
            "password setting and compression strength.  Do you still wish to continue?")) &&
        chooseFilters()) {
        // Pause and Stop must be within reach while the batch runs.
        form_.setEnabled(true);
        const QStringList filters = filters_.patterns();
        BatchDriver(host, rezipBatchTexts()).run([&](const BatchSettings &settings) {
            RezipBatch(host, settings, filters).run();
        });
        ran = true;
    }
    form_.setEnabled(true);
    // A batch that ran has just re-read the list.
    if (!ran)
        host.rereadFileList();
    host.refreshFolders();
    host.pumpMessages();
}

bool RezipCommand::chooseFilters() {
    form_.setEnabled(false);
    form_.RezipChoice = QStringLiteral("WAIT");
    filters_.Open();
    while (form_.RezipChoice == QLatin1String("WAIT"))
        MainWindowBatchHost(form_.parts()).waitForMessages();
    return form_.RezipChoice == QLatin1String("REZIP");
}
