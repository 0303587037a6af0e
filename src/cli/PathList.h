#pragma once

#include <QStringList>

#include <optional>

namespace cli {

// The paths of a --files-from list: one a line, or with `nul` each ended by
// a NUL, as `find -print0` writes them (the only way to pass a name that
// holds a line end). Empty entries are passed over. "-" reads standard
// input. Nothing when the list cannot be read.
std::optional<QStringList> readPathList(const QString &path, bool nul);

}  // namespace cli
