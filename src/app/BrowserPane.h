#pragma once

#include <QLabel>
#include <QRadioButton>
#include <QSplitter>
#include <QStackedWidget>
#include <QToolButton>
#include <QWidget>

class DriveComboBox;
class FileListBox;
class FilterComboBox;
class FolderListBox;
class FolderTree;

// The browser region of the main window: the banner, the drive box above the
// folder tree, the splitter, the file list (or the folder list over it) with
// the filter band, and the band with the two view radio buttons. It holds
// the widgets and their sizing rules; the commands live in BrowserCommands.
class BrowserPane : public QWidget {
    Q_OBJECT
  public:
    explicit BrowserPane(QWidget *parent = nullptr);

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
    QToolButton *filterButton;
    QWidget *radioBand;
    QRadioButton *foldersRadio;  // "Set view to folders"
    QRadioButton *filesRadio;    // "Set view to files"

    // The folder list shows over the file list (folders view) or not.
    void showFolderList(bool visible);
    bool folderListVisible() const;
    // The width of the folder tree's pane, as stored at close.
    int folderPaneWidth() const { return leftPane->width(); }

  signals:
    void bannerClicked();

  protected:
    void resizeEvent(QResizeEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

  private:
    void placeRadios();
};
