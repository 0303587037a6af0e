#include "AppFixture.h"

#include "app/BrowserPane.h"
#include "platform/AppPaths.h"
#include "widgets/FolderTree.h"

AppFixture::AppFixture() {
    tmp.mkdir("app");
    tmp.mkdir("home");
    platform::overrideAppFolder(tmp.path("app"));
    platform::overrideDataFolder(tmp.path("app"));
    platform::overrideHomeFolder(tmp.path("home"));
}

AppFixture::~AppFixture() {
    app.reset();
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
