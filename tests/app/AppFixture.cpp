#include "AppFixture.h"

#include "platform/AppPaths.h"
#include "widgets/FileListBox.h"
#include "widgets/FolderListBox.h"
#include "widgets/FolderTree.h"

#include <QAction>
#include <QDir>
#include <QMenu>
#include <QToolButton>

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
    folderTree().setDirectory(folder);
}

QAction *AppFixture::action(const QString &name) {
    QAction *a = form().findAction(name);
    if (!a)
        ADD_FAILURE() << "no action " << name.toStdString();
    return a;
}

QToolButton *AppFixture::button(const QString &command) {
    for (QToolButton *b : form().findChildren<QToolButton *>())
        if (b->defaultAction() && b->defaultAction()->objectName() == command)
            return b;
    ADD_FAILURE() << "no button for " << command.toStdString();
    return nullptr;
}

FileListBox &AppFixture::fileList() {
    return widget<FileListBox>("FileListBox1");
}

FolderListBox &AppFixture::folderList() {
    return widget<FolderListBox>("ListBox2");
}

FolderTree &AppFixture::folderTree() {
    return widget<FolderTree>("DirectoryListBox1");
}

QAction *AppFixture::popupItem(const QString &menu, const QString &caption) {
    auto &popup = widget<QMenu>(menu);
    emit popup.aboutToShow();
    for (QAction *a : popup.actions())
        if (a->text() == caption)
            return a;
    ADD_FAILURE() << "no item " << caption.toStdString();
    return nullptr;
}
