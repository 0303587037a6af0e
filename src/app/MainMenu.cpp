#include "MainMenu.h"

#include <QActionGroup>

namespace {

QAction *item(QMenu *menu, const char *caption) {
    return menu->addAction(QString::fromUtf8(caption));
}

QAction *check(QMenu *menu, const char *caption, bool checked) {
    QAction *a = item(menu, caption);
    a->setCheckable(true);
    a->setChecked(checked);
    return a;
}

}  // namespace

MainMenu::MainMenu(QMenuBar *bar) {
    fileMenu = bar->addMenu(QStringLiteral("&File"));
    deleteSelectedFiles = item(fileMenu, "Delete Selected Files");
    deleteSelectedFolders = item(fileMenu, "Delete Selected Folders");
    deleteSelectedFolders->setEnabled(false);
    fileMenu->addSeparator();
    exit = item(fileMenu, "E&xit");

    editMenu = bar->addMenu(QStringLiteral("&Edit"));
    selectAll = item(editMenu, "Select &All");
    selectNone = item(editMenu, "Select &None");
    invertSelection = item(editMenu, "Invert Selection");
    editMenu->addSeparator();
    refreshFromEdit = item(editMenu, "Refresh File or Folder View");

    viewMenu = bar->addMenu(QStringLiteral("Vie&w"));
    QMenu *focus = viewMenu->addMenu(QStringLiteral("Set Viewing Focus to"));
    auto *views = new QActionGroup(focus);
    viewFiles = check(focus, "Files", true);
    viewFolders = check(focus, "Folders", false);
    views->addAction(viewFiles);
    views->addAction(viewFolders);
    viewMenu->addSeparator();
    showIcons = check(viewMenu, "Show File and Folder Icons", true);
    showPasswordText = check(viewMenu, "Show Password Text", true);
    showTrayIcon = check(viewMenu, "Show Icon in System Tray", true);
    showTrayIcon->setVisible(false);
    showSettings = check(viewMenu, "Show Settings", true);
    showSettings->setVisible(false);
    viewMenu->addSeparator();
    viewErrorLog = item(viewMenu, "View Error Log");
    viewMenu->addSeparator();
    refreshFromView = item(viewMenu, "Refresh File or Folder View");

    settingsMenu = bar->addMenu(QStringLiteral("&Settings"));
    QMenu *zipSettings = settingsMenu->addMenu(QStringLiteral("Zip Settings"));
    QMenu *fileSettings = zipSettings->addMenu(QStringLiteral("Zip File Settings"));
    keepExtension = check(fileSettings, "Keep Original File Extension in Zip File Names", false);
    deleteOriginal = check(fileSettings, "Delete Original File After Successfully Zipping", true);
    beepZip = check(fileSettings, "Beep When Zipping Process is Complete", true);
    fullPaths = check(fileSettings, "Store Full File Paths in Zip Files", false);
    QMenu *extension = fileSettings->addMenu(QStringLiteral("Make Zip Extension"));
    auto *cases = new QActionGroup(extension);
    upperCase = check(extension, "Uppercase", false);
    lowerCase = check(extension, "Lowercase", true);
    cases->addAction(upperCase);
    cases->addAction(lowerCase);
    fileSettings->addSeparator();
    dateStamp =
        check(fileSettings, "Make Zip Date Stamp Equal to Latest File in the Archive", false);
    QMenu *folderSettings = zipSettings->addMenu(QStringLiteral("Zip Folder Settings"));
    deleteFolder = check(folderSettings, "Delete Folder After Successfully Zipping", false);
    QMenu *unzipSettings = settingsMenu->addMenu(QStringLiteral("Unzip Settings"));
    recurse = check(unzipSettings, "Recurse Folders if Zip Contains them", true);
    beepUnzip = check(unzipSettings, "Beep When Unzipping Process has Completed", true);
    deleteZip = check(unzipSettings, "Delete Zip File After Successfully Unzipping", true);
    unzipSettings->addSeparator();
    subFolder =
        check(unzipSettings, "Extract Each Zip File into a Filename Based Sub Folder", false);
    settingsMenu->addSeparator();
    defineFilters = item(settingsMenu, "Define File Filters");
    settingsMenu->addSeparator();
    restoreDefaults = item(settingsMenu, "Restore Default Settings");

    toolsMenu = bar->addMenu(QStringLiteral("Tools"));
    crcTool = item(toolsMenu, "CRC32 Reporting Tool");
    dupesTool = item(toolsMenu, "Duplicate File Removal Tool");
    trimTool = item(toolsMenu, "File Trimming Tool");
    renameTool = item(toolsMenu, "Rename Using Templates Tool");
    zipTestTool = item(toolsMenu, "Zip Testing Tool");
    toolsMenu->addSeparator();
    formatTool = item(toolsMenu, "Disk Format Tool");

    helpMenu = bar->addMenu(QStringLiteral("&Help"));
    helpContents = item(helpMenu, "Help with Tovrane");
    helpMenu->addSeparator();
    homepage = item(helpMenu, "Visit the Tovrane homepage");
    suggestion = item(helpMenu, "Email a Suggestion");
    suggestion->setVisible(false);
    helpMenu->addSeparator();
    about = item(helpMenu, "About Tovrane");
}
