#include "ZipTestWalk.h"

#include "engine/ZipEngine.h"
#include "platform/AsciiCase.h"
#include "platform/FileListSource.h"
#include "platform/FileSystem.h"
#include "platform/Rounding.h"

#include <QCoreApplication>

namespace ziptest {

QString verdictLine(const QString &name, int result) {
    if (platform::asciiUpper(name.right(4)) != QStringLiteral(".ZIP"))
        return QCoreApplication::translate("Tziptest", "%1  (Not a valid zip archive)").arg(name);
    if (result == 0)
        return QCoreApplication::translate("Tziptest", "%1  (Ok)").arg(name);
    return QCoreApplication::translate("Tziptest", "%1  (Corrupt) - Code (%2)")
        .arg(name, QString::number(result));
}

void walk(const FileListSource &files, TZipEngine &engine, ZipTestHost &host) {
    const QString folder = platform::withSeparator(files.directory());
    const int count = files.count();
    QStringList archives;
    for (int i = 0; i < count; ++i)
        if (files.isSelected(i))
            archives << folder + files.name(i);
    engine.ExpectArchives(archives);
    for (int i = 0; i < count; ++i) {
        if (i > 0)
            host.setProgress(platform::walkPercent(i, count));
        if (!host.runFlagIsGo())
            continue;
        // The list is not expected to change under a run; if it shrinks
        // anyway, the entries that are gone are not read.
        if (i >= files.count() || !files.isSelected(i))
            continue;
        const QString name = files.name(i);
        engine.ZipFileName = folder + name;
        const int result = engine.Test();
        host.addVerdict(verdictLine(name, result));
    }
    // Finished or stopped: nothing read ahead outlives the walk.
    engine.ExpectArchives({});
}

}  // namespace ziptest
