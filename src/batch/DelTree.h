#pragma once

#include <QFileInfo>
#include <QString>
#include <functional>

// Removes a folder with everything in it: read-only and hidden files and
// read-only folders at every depth. Symbolic links are removed as links;
// what they point to is never touched.
class TDelTree {
  public:
    // Called before each file is deleted; setting `cancel` ends the run.
    using TDelTreeEvent = std::function<void(TDelTree &sender, const QString &fileName,
                                             const QFileInfo &searchRec, bool &cancel)>;

    // The folder to remove; one trailing separator is dropped before use.
    // The initial text names no folder.
    QString Path = QStringLiteral("<..>");
    // Shows the first problem of a run in a message box.
    bool Verbose = false;
    TDelTreeEvent OnProcessFile;

    // True when the folder is gone (or never existed), false when something
    // remained. `pump`, when given, runs while a large file is deleted (see
    // platform::deleteFile), so that the window answers meanwhile.
    bool RemoveTree(const std::function<void()> &pump = {});

  private:
    bool removeFolder(const QString &folder, const std::function<void()> &pump);
    void report(const QString &format, const QString &argument);

    bool reported_ = false;
};
