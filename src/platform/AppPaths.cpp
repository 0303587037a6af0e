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

// A program folder of its own (a build, or a copied folder with the engine
// libraries beside the program) keeps its files there. An installed program
// shares bin/ with others and must not write there, even when it could (as
// root): each user gets folders of their own.
bool runsFromOwnFolder() {
    const QString own = appFolder();
    return QFileInfo(own).isWritable() && QFileInfo::exists(own + QStringLiteral("/libzezip.so"));
}

QString perUserFolder(QStandardPaths::StandardLocation location) {
    const QString folder = QStandardPaths::writableLocation(location);
    QDir().mkpath(folder);
    return folder;
}

}  // namespace

QString appFolder() {
    return appOverride.isEmpty() ? QCoreApplication::applicationDirPath() : appOverride;
}

QString dataFolder() {
    if (!dataOverride.isEmpty())
        return dataOverride;
    return runsFromOwnFolder() ? appFolder() : perUserFolder(QStandardPaths::AppConfigLocation);
}

QString workFolder() {
    if (!dataOverride.isEmpty())
        return dataOverride;
    return runsFromOwnFolder() ? appFolder() : perUserFolder(QStandardPaths::CacheLocation);
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
