#pragma once

#include <string_view>

namespace zelib {

// True when the text contains "*" or "?".
bool hasWildcard(std::string_view text);

// Matches a pattern with "*" (any run of characters, "/" included) and "?"
// (one character) without regard to the case of A-Z, as names are matched on
// Windows.
bool matchesWildcard(std::string_view pattern, std::string_view text);

// How the engine matches a name or pattern from the file list against a path
// such as "sub/report.txt": the whole path, and for a pattern without "/"
// also the bare file name, so that "r*.txt" finds the file in any folder.
bool matchesListEntry(std::string_view pattern, std::string_view path);

}  // namespace zelib
