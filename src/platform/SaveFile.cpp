#include "SaveFile.h"

#include "Dialogs.h"

#include <QSaveFile>

namespace platform {

bool saveWhole(const QString &path, const QByteArray &bytes) {
    QSaveFile file(path);
    file.setDirectWriteFallback(true);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    if (file.write(bytes) != bytes.size()) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

QByteArray crlfLines(const QStringList &lines) {
    QByteArray bytes;
    for (const QString &line : lines)
        bytes += line.toUtf8() + "\r\n";
    return bytes;
}

void reportSaved(bool ok) {
    if (ok)
        inform(QStringLiteral("File Save Successfully !"));
    else
        dialogs().message(MessageKind::Error, QStringLiteral("Error Saving File."), Ok);
}

}  // namespace platform
