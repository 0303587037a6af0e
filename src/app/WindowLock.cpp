#include "WindowLock.h"

#include "BrowserPane.h"
#include "ButtonBar.h"
#include "MainMenu.h"
#include "MainWindowParts.h"
#include "OptionsPanel.h"
#include "widgets/DriveComboBox.h"
#include "widgets/FileListBox.h"
#include "widgets/FolderListBox.h"
#include "widgets/FolderTree.h"

void WindowLock::lock() {
    setLocked(true);
}

void WindowLock::unlock() {
    setLocked(false);
}

void WindowLock::setLocked(bool locked) {
    MainMenu &m = window_.menu;
    ButtonBar &b = window_.buttons;
    BrowserPane &p = window_.browser;
    m.helpMenu->setEnabled(!locked);
    b.pauseButton->setEnabled(locked);
    b.stopButton->setEnabled(locked);
    for (QToolButton *button :
         {b.unzipButton, b.zipButton, b.allButton, b.rezipButton, b.noneButton, b.invertButton,
          b.renameButton, b.crcButton, b.trimButton, b.testButton, b.deleteButton, b.dupesButton})
        button->setEnabled(!locked);
    for (QWidget *w :
         {static_cast<QWidget *>(p.banner), static_cast<QWidget *>(p.foldersRadio),
          static_cast<QWidget *>(p.filesRadio), static_cast<QWidget *>(window_.options.zipGroup),
          static_cast<QWidget *>(window_.options.unzipGroup),
          static_cast<QWidget *>(p.DirectoryListBox1), static_cast<QWidget *>(p.DriveComboBox1),
          static_cast<QWidget *>(p.FileListBox1), static_cast<QWidget *>(p.ListBox2),
          static_cast<QWidget *>(p.filterBand)})
        w->setEnabled(!locked);
    for (QMenu *menu : {m.fileMenu, m.viewMenu, m.editMenu, m.settingsMenu, m.toolsMenu})
        menu->setEnabled(!locked);
}
