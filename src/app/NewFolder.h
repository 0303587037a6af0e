#pragma once

#include <QString>

// Making one new folder from a name the user typed: the rules behind the
// "Create a new folder" dialog, apart from the window.
namespace newfolder {

// The typed name without the blanks (and control characters) around it.
QString trimmedName(const QString &typed);

// The new folder's full path: the parent, one separator, the trimmed name.
// A name of blanks only gives the parent itself (with its separator).
QString pathFor(const QString &parent, const QString &typed);

// Creates exactly one folder named `typed` inside `parent`. Fails when the
// folder (or a file of that name) exists, the parent is missing or cannot be
// written, or the name is not one plain folder name: a separator in it would
// make nested folders or reach outside the parent.
bool create(const QString &parent, const QString &typed);

}  // namespace newfolder
