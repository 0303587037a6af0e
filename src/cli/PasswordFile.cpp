#include "PasswordFile.h"

#include <QFile>

#include <cstdio>

namespace cli {

bool openInput(QFile &file, const QString &path) {
    if (path == QLatin1String("-"))
        return file.open(stdin, QIODevice::ReadOnly);
    file.setFileName(path);
    return file.open(QIODevice::ReadOnly);
}

std::optional<QString> readPasswordFile(const QString &path) {
    QFile file;
    if (!openInput(file, path))
        return std::nullopt;
    // A line is plenty; a password longer than the engine takes is cut by it.
    QByteArray line = file.readLine(4096);
    if (line.isEmpty() && file.error() != QFileDevice::NoError)
        return std::nullopt;
    while (line.endsWith('\n') || line.endsWith('\r'))
        line.chop(1);
    return QString::fromUtf8(line);
}

}  // namespace cli
