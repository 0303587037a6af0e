#include "Wildcard.h"

namespace zelib {

namespace {

char lowerAscii(char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

// Length of the UTF-8 sequence that starts at text[i], so that "?" takes a
// whole character.
size_t characterLength(std::string_view text, size_t i) {
    size_t n = 1;
    while (i + n < text.size() && (static_cast<unsigned char>(text[i + n]) & 0xC0) == 0x80)
        ++n;
    return n;
}

}  // namespace

bool hasWildcard(std::string_view text) {
    return text.find_first_of("*?") != std::string_view::npos;
}

bool matchesWildcard(std::string_view pattern, std::string_view text) {
    size_t p = 0, t = 0;
    size_t starP = std::string_view::npos, starT = 0;
    while (t < text.size()) {
        if (p < pattern.size() && pattern[p] == '*') {
            starP = p++;
            starT = t;
        } else if (p < pattern.size() && pattern[p] == '?') {
            ++p;
            t += characterLength(text, t);
        } else if (p < pattern.size() && lowerAscii(pattern[p]) == lowerAscii(text[t])) {
            ++p;
            ++t;
        } else if (starP != std::string_view::npos) {
            // Let the last "*" take one more character and try again.
            p = starP + 1;
            t = ++starT;
        } else {
            return false;
        }
    }
    while (p < pattern.size() && pattern[p] == '*')
        ++p;
    return p == pattern.size();
}

bool matchesListEntry(std::string_view pattern, std::string_view path) {
    if (matchesWildcard(pattern, path))
        return true;
    if (pattern.find('/') != std::string_view::npos)
        return false;
    std::string_view bare = path;
    if (!bare.empty() && bare.back() == '/')
        bare.remove_suffix(1);
    const size_t slash = bare.rfind('/');
    if (slash == std::string_view::npos)
        return false;
    return matchesWildcard(pattern, bare.substr(slash + 1));
}

}  // namespace zelib
