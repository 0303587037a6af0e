#include "ErrorLogFile.h"

#include "platform/SaveFile.h"

bool writeErrorLogFile(const QString &path, const QStringList &lines) {
    return platform::saveWhole(path, platform::crlfLines(lines));
}
