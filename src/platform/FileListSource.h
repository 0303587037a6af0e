#pragma once

#include <QString>

// What the batch loops and tool windows read from the main window's file list:
// the browsed folder and the listed names with their selection. The file list
// widget provides it; tests can provide it from a plain table.
class FileListSource {
  public:
    virtual ~FileListSource() = default;
    // The browsed folder, without a trailing separator (the root is "/").
    virtual QString directory() const = 0;
    virtual int count() const = 0;
    // The bare file name of entry i.
    virtual QString name(int i) const = 0;
    virtual bool isSelected(int i) const = 0;
    virtual int selectedCount() const = 0;
};
