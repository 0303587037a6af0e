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
    const QString own = appFolder();
    if (QFileInfo(own).isWritable())
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
