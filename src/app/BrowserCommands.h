#pragma once

#include <QMenu>
#include <QObject>
#include <functional>

class BrowserPane;
class ButtonBar;
class FolderOptions;
class MainMenu;

// The browser's commands on the main window: selection with its status
// texts, refresh, drive and folder changes (with the folder options that
// follow the browsed folder), the two views, and the lists' pop-up menus.
class BrowserCommands : public QObject {
    Q_OBJECT
  public:
    using StatusSetter = std::function<void(const QString &)>;

    // The browser's widgets, the menus and buttons its views enable, the
    // folder options that follow the browsed folder, and the status bar.
    BrowserCommands(BrowserPane &browser, MainMenu &menu, ButtonBar &buttons,
                    FolderOptions &folders, StatusSetter setStatus, QObject *parent);

    // "Store Full File Paths in Zip Files" kept while the folders view shows.
    bool FullPathSaved = false;

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
    // "Create a new folder" of the folder list handed back: after "Create
    // Folder" the views are refreshed, after "Cancel" the tree is re-read.
    void newFolderMade(bool attempted);

  private:
    void setFileCommandsEnabled(bool enabled);

    BrowserPane &browser_;
    MainMenu &menu_;
    ButtonBar &buttons_;
    FolderOptions &folders_;
    StatusSetter setStatus_;
    bool doubleClick_ = false;
};

// Status texts of the selection commands.
QString filesSelectedText(int count);
QString foldersSelectedText(int count);
