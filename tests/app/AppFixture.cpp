#include "AppFixture.h"

#include "app/BrowserPane.h"
#include "platform/AppPaths.h"
#include "widgets/FolderTree.h"

#include <QDir>

AppFixture::AppFixture() : savedCurrent_(QDir::currentPath()) {
    tmp.mkdir("app");
    tmp.mkdir("home");
    platform::overrideAppFolder(tmp.path("app"));
    platform::overrideDataFolder(tmp.path("app"));
    platform::overrideHomeFolder(tmp.path("home"));
}

AppFixture::~AppFixture() {
    app.reset();
    QDir::setCurrent(savedCurrent_);
    platform::overrideAppFolder({});
    platform::overrideDataFolder({});
    platform::overrideHomeFolder({});
}

void AppFixture::startProgram(bool applySettings) {
    app = std::make_unique<TovraneApp>();
    app->start();
    if (applySettings)
        form().Timer1Timer();
}

void AppFixture::browseTo(const QString &folder) {
    form().browser->DirectoryListBox1->setDirectory(folder);
}
