#include "ErrorLogFile.h"

#include <QSaveFile>

bool writeErrorLogFile(const QString &path, const QStringList &lines) {
    QByteArray bytes;
    for (const QString &line : lines)
        bytes += line.toUtf8() + "\r\n";
    // Every failure is collected and judged once, at the end. The file is
    // written beside its target and moved over it only when complete, so a
    // failed save never leaves an older log half overwritten. A folder that
    // cannot take a temporary file still gets the file written in place.
    QSaveFile file(path);
    file.setDirectWriteFallback(true);
    bool ok = file.open(QIODevice::WriteOnly);
    if (ok)
        ok = file.write(bytes) == bytes.size();
    if (ok)
        return file.commit();
    file.cancelWriting();
    return false;
}
