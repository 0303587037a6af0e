#pragma once

#include "app/MainForm.h"
#include "app/TovraneApp.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>
#include <memory>

class FileListBox;
class FolderListBox;
class FolderTree;
class QToolButton;

// The whole program on real temporary folders: the program's own folder
// (settings, work folder) and a home folder to browse.
class AppFixture : public ::testing::Test {
  protected:
    AppFixture();
    ~AppFixture() override;

    // Starts the program; the settings file (if any) is read at once instead
    // of two seconds later.
    void startProgram(bool applySettings = true);
    TMainform &form() { return app->main(); }
    OptionsModel &options() { return form().options(); }
    QString settingsFile() const { return tmp.path("app/Tovrane5.Cfg"); }
    QString home(const QString &relative = {}) const {
        return relative.isEmpty() ? tmp.path("home") : tmp.path("home/" + relative);
    }
    // Moves the browser to a folder as the user's double-click would.
    void browseTo(const QString &folder);

    // The main window as the user sees it: a command by its action, the
    // button that shows it, a control by its object name.
    QAction *action(const QString &name);
    QToolButton *button(const QString &command);
    template <class W>
    W &widget(const QString &name) {
        W *w = form().findChild<W *>(name);
        if (!w)
            ADD_FAILURE() << "no widget " << name.toStdString();
        return *w;
    }
    FileListBox &fileList();
    FolderListBox &folderList();
    FolderTree &folderTree();
    // An item of the file list's or the folder list's pop-up menu, its
    // enabled state worked out as when the menu pops up.
    QAction *popupItem(const QString &menu, const QString &caption);

    testsupport::TempFolder tmp;
    std::unique_ptr<TovraneApp> app;

  private:
    // The folder batch leaves the process in the browsed folder, which goes
    // with the test's temporary folder; the next test starts where this one did.
    QString savedCurrent_;
};
