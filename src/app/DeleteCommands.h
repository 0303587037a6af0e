#pragma once

#include <QObject>
#include <memory>

class TDeleteScreen;
class TMainform;

// The two delete commands from all their entry points: the "Delete" button
// (files in the files view, folders in the folders view), the File menu's
// two items and the lists' pop-up items. Owns the folder deletion's window.
class DeleteCommands : public QObject {
    Q_OBJECT
  public:
    explicit DeleteCommands(TMainform &form);
    ~DeleteCommands() override;

    TDeleteScreen &screen() { return *screen_; }

    void BitBtn13Click();
    void deleteSelectedFiles();
    void deleteSelectedFolders();

  private:
    TMainform &form_;
    std::unique_ptr<TDeleteScreen> screen_;
};
