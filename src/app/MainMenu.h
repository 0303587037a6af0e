#pragma once

#include <QAction>
#include <QMenu>
#include <QMenuBar>

// The main window's menus and their items, in their fixed order. Items
// that stand for settings are checkable; the window wires the commands.
class MainMenu {
  public:
    explicit MainMenu(QMenuBar *bar);

    QMenu *fileMenu, *editMenu, *viewMenu, *settingsMenu, *toolsMenu, *helpMenu;

    // File
    QAction *deleteSelectedFiles, *deleteSelectedFolders, *exit;
    // Edit
    QAction *selectAll, *selectNone, *invertSelection, *refreshFromEdit;
    // View
    QAction *viewFiles, *viewFolders, *showIcons, *showPasswordText, *showTrayIcon, *showSettings,
        *viewErrorLog, *refreshFromView;
    // Settings
    QAction *keepExtension, *deleteOriginal, *beepZip, *fullPaths, *upperCase, *lowerCase,
        *dateStamp, *deleteFolder, *recurse, *beepUnzip, *deleteZip, *subFolder, *defineFilters,
        *restoreDefaults;
    // Tools
    QAction *crcTool, *dupesTool, *trimTool, *renameTool, *zipTestTool, *formatTool;
    // Help
    QAction *helpContents, *homepage, *suggestion, *about;
};
