#include "ConsoleBatch.h"

#include "CliOptions.h"
#include "ConsoleOutput.h"
#include "PathGroups.h"
#include "StopSignal.h"
#include "batch/BatchSettings.h"
#include "batch/ErrorLogModel.h"
#include "platform/FileSystem.h"
#include "platform/RunFlag.h"

namespace cli {

QString ConsoleBatchHost::operationFlag() const {
    return stopRequested() ? runflag::Stop : HeadlessBatchHost::operationFlag();
}

int runBatch(const CliOptions &options, ConsoleOutput &output, const BatchTexts &texts,
             const BatchLoop &loop) {
    const QList<PathGroup> groups = groupByFolder(options.paths);
    GroupFileList list;
    ConsoleBatchHost host(list, list);
    host.current = options.settings();
    host.onStatus = [&output](const QString &text) { output.status(text); };
    QObject::connect(&host.errorLog(), &ErrorLogModel::lineAppended,
                     [&output](const QString &line) { output.error(line); });
    host.engine().OnGlobalStatus = [&host, &output](TZipEngine *engine,
                                                    const TZeGlobalStats &stats) {
        // A second Ctrl-C gives up the item under work: the engine's answer
        // to this callback ends the operation, and the unfinished archive
        // never takes its name.
        if (stopNowRequested())
            engine->AbortRequested = true;
        host.setItemProgress(stats.Percent);
        output.itemProgress(stats.Percent);
    };

    BatchDriver(host, texts).run([&](const BatchSettings &snapshot) {
        for (const PathGroup &group : groups) {
            if (host.operationFlag() == runflag::Stop)
                break;
            list.show(group);
            // Folders that were not given follow the folder worked in, as
            // the window's follow the browsed folder.
            BatchSettings settings = snapshot;
            const QString here = platform::withSeparator(group.folder);
            for (QString *folder :
                 {&settings.zipFolder, &settings.unzipFolder, &settings.workFolder})
                if (folder->isEmpty())
                    *folder = here;
            host.engine().TempPath = settings.workFolder;
            host.setOverallProgress(0);
            loop(host, settings);
        }
    });
    output.finish();
    return host.errorLog().isEmpty() && !stopRequested() ? 0 : 1;
}

}  // namespace cli
