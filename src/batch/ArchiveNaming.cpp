#include "ArchiveNaming.h"

#include "platform/AsciiCase.h"

namespace archivenaming {

QString baseName(const QString &name) {
    const qsizetype dot = name.lastIndexOf(QLatin1Char('.'));
    return dot > 0 ? name.left(dot) : name;
}

bool isZipName(const QString &name) {
    return name.size() > 4 && platform::asciiUpper(name.right(4)) == QLatin1String(".ZIP");
}

QString archivePath(const QString &zipFolder, const QString &name, const QString &extension,
                    bool keepExtension, bool fullPaths) {
    if (keepExtension)
        return zipFolder + name + extension;
    if (fullPaths)
        return zipFolder + platform::asciiUpper(baseName(name) + extension);
    return zipFolder + baseName(name) + extension;
}

QString folderArchivePath(const QString &zipFolder, const QString &name, const QString &extension) {
    return zipFolder + platform::asciiUpper(name + extension);
}

}  // namespace archivenaming
