#pragma once

#include <QStringList>

#include <optional>

namespace cli {

// The paths of a --files-from list: one a line, or with `nul` each ended by
// a NUL, as `find -print0` writes them (the only way to pass a name that
// holds a line end). Empty entries are passed over. "-" reads standard
// input. Nothing when the list cannot be read. Names that are not valid
// UTF-8 are added to `unreachable` (shown with replacement characters) and
// left out: no file can be reached by their text.
std::optional<QStringList> readPathList(const QString &path, bool nul,
                                        QStringList *unreachable = nullptr);

// Whether the text of the name `bytes` names that file again: false for a
// name that is not valid UTF-8, whose text would name another file or none.
bool reachableName(const QByteArray &bytes);

}  // namespace cli
