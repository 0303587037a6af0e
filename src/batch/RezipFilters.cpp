#include "RezipFilters.h"

#include "platform/FileSystem.h"
#include "platform/MessagePace.h"

#include <QDir>
#include <QFileInfo>

namespace rezipfilters {

const QStringList &fixedPatterns() {
    static const QStringList patterns = {QStringLiteral("*.diz"), QStringLiteral("*.txt"),
                                         QStringLiteral("*.nfo"), QStringLiteral("*.readme"),
                                         QStringLiteral("*.doc"), QStringLiteral("*.jpg"),
                                         QStringLiteral("*.bak")};
    return patterns;
}

QString customPattern(const QString &extension) {
    QString text = extension.trimmed();
    text.remove(QLatin1Char(';'));
    return QStringLiteral("*.") + text;
}

void removeMatching(const QString &folder, const QString &pattern,
                    const std::function<void()> &pump) {
    // Every kind of entry counts, hidden ones too.
    const QFileInfoList entries = QDir(folder).entryInfoList(
        QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Name);
    if (entries.size() == 1)
        return;
    MessagePace pace;
    for (const QFileInfo &entry : entries) {
        if (pump && pace.due())
            pump();
        if (entry.isDir() && !entry.isSymLink())
            continue;  // deleted as a file, a folder would stay anyway
        if (platform::matchesMask(entry.fileName(), pattern))
            platform::deleteFile(entry.filePath(), pump);  // a file that stays is simply kept
    }
}

}  // namespace rezipfilters
