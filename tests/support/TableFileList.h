#pragma once

#include "platform/FileListSource.h"

#include <QList>
#include <QString>

#include <algorithm>

// A file list read from a plain table of names and selection marks.
class TableFileList final : public FileListSource {
  public:
    struct Entry {
        QString name;
        bool selected;
    };
    TableFileList(QString folder, QList<Entry> entries)
        : folder_(std::move(folder)), entries_(std::move(entries)) {}

    QString directory() const override { return folder_; }
    int count() const override { return static_cast<int>(entries_.size()); }
    QString name(int i) const override { return entries_[i].name; }
    bool isSelected(int i) const override { return entries_[i].selected; }
    int selectedCount() const override {
        return static_cast<int>(std::count_if(entries_.begin(), entries_.end(),
                                              [](const Entry &e) { return e.selected; }));
    }

    QList<Entry> &entries() { return entries_; }

  private:
    QString folder_;
    QList<Entry> entries_;
};
