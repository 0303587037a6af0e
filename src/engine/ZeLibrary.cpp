#include "ZeLibrary.h"

#include <QDir>

ZeLibrary::ZeLibrary(const QString &baseName, const char *entryName)
    : baseName_(baseName), entryName_(entryName) {}

ZeLibrary::~ZeLibrary() {
    release();
}

ZeEntryPoint ZeLibrary::bind(const QString &folder) {
    if (entry_)
        return entry_;
    // An absolute path keeps QLibrary to this folder; it adds "lib" and ".so".
    // Beside the program in a build or a copied folder; under lib/tovrane
    // of the prefix when installed.
    bool loaded = false;
    for (const QString &candidate : {folder, folder + QStringLiteral("/../lib/tovrane")}) {
        library_.setFileName(QDir(candidate).absoluteFilePath(baseName_));
        loaded = library_.load();
        if (loaded)
            break;
    }
    if (!loaded)
        return nullptr;
    entry_ = reinterpret_cast<ZeEntryPoint>(library_.resolve(entryName_.constData()));
    if (!entry_)
        library_.unload();
    return entry_;
}

ZeEntryPoint ZeLibrary::optional(const char *name) {
    return entry_ ? reinterpret_cast<ZeEntryPoint>(library_.resolve(name)) : nullptr;
}

void ZeLibrary::release() {
    if (library_.isLoaded())
        library_.unload();
    entry_ = nullptr;
}
