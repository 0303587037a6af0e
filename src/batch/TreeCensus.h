#pragma once

#include <QString>
#include <QStringList>

// What one folder tree holds, walked the way the deleter walks it: hidden
// entries included, symbolic links never followed below the tree's own top.
struct TreeCensus {
    // Plain files and links to plain files, by their path from the tree's
    // parent ("Docs/a.txt", "Docs/sub/b.txt").
    QStringList files;
    // False when the tree also holds something no archive entry stands for:
    // a link to a folder, a dangling link, a pipe or device, or a folder
    // that cannot be read.
    bool onlyFiles = true;
};

// The census of `parent`/`name`. `parent` ends with a separator.
TreeCensus takeCensus(const QString &parent, const QString &name);
