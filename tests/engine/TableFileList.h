#pragma once

#include "widgets/FileListSource.h"

#include <QList>
#include <QString>
#include <functional>

// The main file list as a plain table: a folder and (name, selected) rows.
class TableFileList final : public FileListSource {
  public:
    struct Row {
        QString name;
        bool selected;
    };
    TableFileList(QString folder, QList<Row> rows)
        : folder_(std::move(folder)), rows_(std::move(rows)) {}

    QString directory() const override { return folder_; }
    int count() const override { return static_cast<int>(rows_.size()); }
    QString name(int i) const override { return rows_.at(i).name; }
    bool isSelected(int i) const override { return rows_.at(i).selected; }
    int selectedCount() const override {
        int n = 0;
        for (const Row &row : rows_)
            n += row.selected ? 1 : 0;
        return n;
    }

  private:
    QString folder_;
    QList<Row> rows_;
};
