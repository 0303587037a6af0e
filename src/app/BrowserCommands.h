#pragma once

#include <QMenu>
#include <QObject>

class TMainform;

// The browser's commands on the main window: selection with its status
// texts, refresh, drive and folder changes (with the folder options that
// follow the browsed folder), the two views, and the lists' pop-up menus.
class BrowserCommands : public QObject {
    Q_OBJECT
  public:
    explicit BrowserCommands(TMainform &form);

    bool filesView() const;
    bool foldersView() const { return !filesView(); }

    void selectAll(bool fromButton);
    void selectNone();
    void invert();
    void clickInFileList();
    void clickInFolderList();
    void refresh();

    void driveChosen(const QString &root);
    void folderChanged(const QString &folder);
    void folderDoubleClicked();

    // Asks for a view: the radio button is checked, and its handler below
    // runs only when the view really changes.
    void showFilesView();
    void showFoldersView();
    void switchToFiles();
    void switchToFolders();

    // The pop-up menus, their items enabled from the current selection.
    QMenu fileListMenu;
    QAction *deleteFiles, *renameFiles, *fileInformation, *testZips, *trimFile;
    QMenu folderListMenu;
    QAction *deleteFolders, *createFolder;
    void updateFileListMenu();
    void updateFolderListMenu();

    // Returns the browser to the home folder (after "Drive not ready").
    void goHome();

  private:
    void followBrowser(const QString &folder);
    void setFileCommandsEnabled(bool enabled);

    TMainform &form_;
    bool doubleClick_ = false;
};

// Status texts of the selection commands.
QString filesSelectedText(int count);
QString foldersSelectedText(int count);
