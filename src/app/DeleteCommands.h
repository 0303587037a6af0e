#pragma once

#include <QObject>

class TDeleteScreen;
class TMainform;

// The two delete commands: "Delete" (files in the files view, folders in
// the folders view), "Delete Selected Files" and "Delete Selected Folders",
// with the pop-up items that run them. The folder deletion shows `screen`.
class DeleteCommands : public QObject {
    Q_OBJECT
  public:
    DeleteCommands(TMainform &form, TDeleteScreen &screen);

    void BitBtn13Click();
    void deleteSelectedFiles();
    void deleteSelectedFolders();

  private:
    TMainform &form_;
    TDeleteScreen &screen_;
};
