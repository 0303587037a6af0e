#pragma once

#include <QWidget>

class CommandActions;
class DriveComboBox;
class FileListBox;
class FilterComboBox;
class FolderListBox;
class FolderTree;
class OptionsModel;
class QLabel;
class QRadioButton;
class QSplitter;
class QStackedWidget;

// The browser region of the main window: the banner, the drive box above the
// folder tree, the splitter, the file list (or the folder list over it) with
// the filter band, and the band with the two view radio buttons. It holds
// the widgets, their sizing rules and their bindings to the options (icons,
// filter list); the commands live in BrowserCommands, the one class that
// works on its widgets.
class BrowserPane : public QWidget {
    Q_OBJECT
  public:
    // The pane registers its controls with `commands`, which disables them
    // while a batch runs.
    BrowserPane(OptionsModel &options, CommandActions &commands, QWidget *parent = nullptr);

    // The width of the folder tree's pane, as stored at close.
    int folderPaneWidth() const;

  signals:
    void bannerClicked();

  protected:
    void resizeEvent(QResizeEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

  private:
    friend class BrowserCommands;

    // The folder list shows over the file list (folders view) or not.
    void showFolderList(bool visible);
    void placeRadios();

    QLabel *banner;
    DriveComboBox *DriveComboBox1;
    FolderTree *DirectoryListBox1;
    QSplitter *splitter;
    QWidget *leftPane;
    QStackedWidget *lists;
    FileListBox *FileListBox1;
    FolderListBox *ListBox2;
    QWidget *filterBand;
    FilterComboBox *FilterComboBox1;
    QWidget *radioBand;
    QRadioButton *foldersRadio;  // "Set view to folders"
    QRadioButton *filesRadio;    // "Set view to files"
};
