#pragma once

#include <QString>
#include <QStringList>

// The filter list of the file-type filter box: description and mask pairs,
// all separated by "|", where every description equals its mask.
namespace filefilters {

// The masks of a filter list, upper-cased, descriptions skipped. A text
// without any "|" yields one empty mask; an empty text yields none.
QStringList masksOf(const QString &filterList);

// The filter list for masks: "L|L" for the first, "|L|L" for every further.
QString filterListOf(const QStringList &masks);

// Where a new mask goes in a list kept in alphabetical order without regard
// to case: after every equal or smaller line.
int sortedPosition(const QStringList &masks, const QString &mask);

// The text the Add command takes from the edit box: blanks and control
// characters at either end removed, upper-cased.
QString cleanedMask(const QString &typed);

}  // namespace filefilters
