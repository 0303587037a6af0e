#include "PathList.h"

#include "PasswordFile.h"

#include <QFile>

#include <cstdio>

namespace cli {

bool reachableName(const QByteArray &bytes) {
    return QFile::encodeName(QFile::decodeName(bytes)) == bytes;
}

std::optional<QStringList> readPathList(const QString &path, bool nul, QStringList *unreachable) {
    QFile file;
    if (!openInput(file, path))
        return std::nullopt;
    // Read to the end rather than trusting the size: a pipe has none.
    QByteArray bytes;
    QByteArray block(1 << 16, Qt::Uninitialized);
    for (;;) {
        const qint64 got = file.read(block.data(), block.size());
        if (got < 0)
            return std::nullopt;
        if (got == 0)
            break;
        bytes.append(block.constData(), got);
    }
    const char end = nul ? '\0' : '\n';
    QStringList paths;
    qsizetype from = 0;
    while (from < bytes.size()) {
        qsizetype to = bytes.indexOf(end, from);
        if (to < 0)
            to = bytes.size();
        const QByteArray name = bytes.mid(from, to - from);
        if (!name.isEmpty() && reachableName(name))
            paths << QFile::decodeName(name);
        else if (!name.isEmpty() && unreachable != nullptr)
            *unreachable << QFile::decodeName(name);
        from = to + 1;
    }
    return paths;
}

}  // namespace cli
