#include "ExtractedEntries.h"

#include <QDir>

namespace {

bool isDrive(const QString &part) {
    return part.size() == 2 && part[1] == QLatin1Char(':') && part[0].isLetter();
}

}  // namespace

ExtractedEntries::ExtractedEntries(QString folder, bool usePaths)
    : folder_(std::move(folder)), usePaths_(usePaths) {}

QString ExtractedEntries::relativeTarget(const QString &storedName) const {
    QString name = storedName;
    name.replace(QLatin1Char('\\'), QLatin1Char('/'));
    QStringList parts;
    const QStringList raw = name.split(QLatin1Char('/'), Qt::SkipEmptyParts);
    for (qsizetype i = 0; i < raw.size(); ++i) {
        const QString &part = raw[i];
        if (part == QLatin1String(".") || part == QLatin1String(".."))
            continue;
        if (i == 0 && isDrive(part))
            continue;
        parts << part;
    }
    if (parts.isEmpty())
        return {};
    return usePaths_ ? parts.join(QLatin1Char('/')) : parts.last();
}

void ExtractedEntries::written(const QString &storedName) {
    if (storedName.endsWith(QLatin1Char('/')) || storedName.endsWith(QLatin1Char('\\')))
        return;
    const QString target = relativeTarget(storedName);
    if (target.isEmpty())
        return;
    const auto earlier = byTarget_.constFind(target);
    if (earlier != byTarget_.constEnd())
        replaced_ << earlier.value();
    byTarget_.insert(target, storedName);
}

bool ExtractedEntries::wrote(const QString &path) const {
    QString root = QDir::cleanPath(folder_);
    if (!root.endsWith(QLatin1Char('/')))
        root += QLatin1Char('/');
    const QString clean = QDir::cleanPath(path);
    if (!clean.startsWith(root))
        return false;
    return byTarget_.contains(clean.mid(root.size()));
}
