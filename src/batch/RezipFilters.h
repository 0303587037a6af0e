#pragma once

#include <QString>
#include <QStringList>

#include <functional>

// The file types a re-zip can remove from the archives it rebuilds, and
// their removal from the extraction folder.
namespace rezipfilters {

// The seven fixed patterns, in the order the window shows them; the eighth
// choice is "*." with an extension the user types.
const QStringList &fixedPatterns();

// The pattern of the typed extension: "*." and the text without blanks
// around it. A ";" would split the pattern into several (see
// platform::matchesMask), so it is dropped.
QString customPattern(const QString &extension);

// Deletes the files at the top level of `folder` whose names match
// `pattern`; folders that match stay, and so does everything below the top
// level. When the folder holds a single entry nothing is deleted: one filter
// never empties an archive. `pump` lets window messages run meanwhile: a
// large file's unlink, or thousands of small ones, take long enough to be
// felt.
void removeMatching(const QString &folder, const QString &pattern,
                    const std::function<void()> &pump);

}  // namespace rezipfilters
