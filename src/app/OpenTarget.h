#pragma once

#include <QString>
#include <QStringList>

// Where the window opens on for paths dropped on it or named on its command
// line: a folder is browsed; files are selected in their folder. Only one
// folder is shown at a time, so the first path decides the folder and what
// lies elsewhere is left out and counted.
struct OpenTarget {
    // The folder to browse, absolute; empty when no path exists.
    QString folder;
    // Names of files in `folder` to select.
    QStringList files;
    // Paths that exist but lie outside `folder` (or are further folders).
    int leftOut = 0;
    // Paths that do not exist.
    int missing = 0;
};

// The target for `paths` (absolute, or relative to the current folder).
OpenTarget openTargetOf(const QStringList &paths);

// The status-bar text after the target was opened: `selected` of its files
// are selected, `hidden` of them are not shown under the file filter.
QString openedStatusText(const OpenTarget &target, int selected, int hidden);
