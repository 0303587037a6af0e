#pragma once

#include <QObject>
#include <QStringList>
#include <functional>

class BrowserPane;
class ButtonBar;
class CommandActions;
class FileListSource;
class OptionsModel;
class QAction;
class QMenu;

// The browser's commands on the main window: selection with its status
// texts, refresh, drive and folder changes (with the folder options that
// follow the browsed folder), the two views, and the lists' pop-up menus.
class BrowserCommands : public QObject {
    Q_OBJECT
  public:
    using StatusSetter = std::function<void(const QString &)>;
    using StatusGetter = std::function<QString()>;

    // The browser's widgets, the button bar, the options (the folders that
    // follow the browsed folder, the full-path setting the folders view
    // holds), the commands its views enable, and the status bar.
    BrowserCommands(BrowserPane &browser, ButtonBar &buttons, OptionsModel &options,
                    CommandActions &commands, StatusSetter setStatus, StatusGetter status,
                    QObject *parent);

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

    // Starts the browser on `folder` (the folder list too).
    void startAt(const QString &folder);
    // Returns the browser to the home folder (after "Drive not ready").
    void goHome();
    // The folder the tree shows.
    QString browsedFolder() const;
    // Browses `folder` and selects those of `files` (bare names) that the
    // file list shows, in the files view when there are any; returns how
    // many it selected.
    int openOn(const QString &folder, const QStringList &files);
    // "Create a new folder" of the folder list handed back: after "Create
    // Folder" the views are refreshed, after "Cancel" the tree is re-read.
    void newFolderMade(bool attempted);

    // What the batches and tools read and ask of the browser.
    FileListSource &fileList();
    FileListSource &folderList();
    void rereadFileList();
    // Rebuilds the folder tree and refills the folder list from disk.
    void refreshFolders();
    void hideFolderList();

  private:
    void setFileCommandsEnabled(bool enabled);
    // The pop-up menus, their items enabled from the current selection when
    // they pop up.
    void updateFileListMenu();
    void updateFolderListMenu();
    // A list read again from disk has lost its selection: a count of it in
    // the status bar would tell of items no longer selected, or gone.
    void fileListReread();
    void folderListReread();

    BrowserPane &browser_;
    ButtonBar &buttons_;
    OptionsModel &options_;
    CommandActions &commands_;
    StatusSetter setStatus_;
    StatusGetter status_;
    QMenu *fileListMenu_;
    QAction *deleteFiles_, *renameFiles_, *fileInformation_, *testZips_, *trimFile_;
    QMenu *folderListMenu_;
    QAction *deleteFolders_, *createFolder_;
    bool doubleClick_ = false;
};

// Status texts of the selection commands.
QString filesSelectedText(int count);
QString foldersSelectedText(int count);
