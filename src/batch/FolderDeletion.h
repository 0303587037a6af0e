#pragma once

#include <QString>

class BatchHost;

// The window that shows a folder deletion under way and offers Cancel.
class DeleteProgress {
  public:
    virtual ~DeleteProgress() = default;
    // Shows the window and disables the main window.
    virtual void start() = 0;
    // Shows the folder being removed.
    virtual void showFolder(const QString &name) = 0;
    // "GO" until Cancel is pressed, then "STOP".
    virtual QString runFlag() const = 0;
    // Hides the window, sets the run flag back to "GO" and enables the main
    // window again.
    virtual void finish() = 0;
};

// "Delete Selected Folders": after the user's confirmation, removes every
// selected folder of the folder list with everything below it. Cancel,
// seen between folders (also one clicked while the previous folder was
// being removed), skips the folders not yet begun; each folder that
// could not be removed completely gives one error-log line. The log is
// cleared at the start, whatever the answer. With "Move Deleted Files to
// the Trash" each folder goes whole into the desktop Trash where its volume
// has one; the status bar says where they went, and a volume without a
// Trash gives one error-log line.
void deleteSelectedFolders(BatchHost &host, DeleteProgress &screen);
