#pragma once

#include <string>
#include <string_view>

namespace zelib {

// The name under which a file named `path` is stored: with paths, relative
// paths stay relative and absolute ones lose their root; "." parts go and ".."
// parts are dropped, so that no stored name climbs out of the folder it is
// extracted into. Without paths only the file name remains.
std::string storedName(std::string_view path, bool keepPaths);

// The relative path under the extraction folder that an entry's name may be
// written to: backslashes count as separators, a drive prefix ("C:"), the
// root and every "." and ".." part are removed. Empty when nothing is left.
std::string safeRelativePath(std::string_view entryName);

// True for a name that ends in "/" or "\", the way folders are stored.
bool isFolderName(std::string_view entryName);

// The last part of a "/"-separated path.
std::string_view baseName(std::string_view path);

bool isValidUtf8(std::string_view text);

}  // namespace zelib
