#include "AppPaths.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace platform {

namespace {
QString appOverride;
QString dataOverride;
QString homeOverride;
}  // namespace

QString appFolder() {
    return appOverride.isEmpty() ? QCoreApplication::applicationDirPath() : appOverride;
}

QString dataFolder() {
    if (!dataOverride.isEmpty())
        return dataOverride;
    // A program folder of its own (a build, or a copied folder with the
    // engine libraries beside the program) keeps its settings there. An
    // installed program shares bin/ with others and must not write there,
    // even when it could (as root): each user gets a folder of their own.
    const QString own = appFolder();
    if (QFileInfo(own).isWritable() && QFileInfo::exists(own + QStringLiteral("/libzezip.so")))
        return own;
    const QString config = QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation);
    QDir().mkpath(config);
    return config;
}

QString homeFolder() {
    return homeOverride.isEmpty() ? QDir::homePath() : homeOverride;
}

void overrideAppFolder(const QString &folder) {
    appOverride = folder;
}
void overrideDataFolder(const QString &folder) {
    dataOverride = folder;
}
void overrideHomeFolder(const QString &folder) {
    homeOverride = folder;
}

}  // namespace platform
