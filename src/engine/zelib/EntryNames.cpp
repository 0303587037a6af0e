#include "EntryNames.h"

#include <cstdint>
#include <vector>

namespace zelib {

namespace {

// The non-empty parts of a path, "." dropped. A ".." part either goes back
// one part (as it does on disk) or is dropped outright (for a name that must
// never climb out of its folder).
enum class Parent { Climbs, Dropped };

std::vector<std::string_view> splitParts(std::string_view path, Parent parent) {
    std::vector<std::string_view> parts;
    size_t start = 0;
    while (start <= path.size()) {
        size_t end = path.find('/', start);
        if (end == std::string_view::npos)
            end = path.size();
        const std::string_view part = path.substr(start, end - start);
        if (part == "..") {
            if (parent == Parent::Climbs && !parts.empty())
                parts.pop_back();
        } else if (!part.empty() && part != ".") {
            parts.push_back(part);
        }
        start = end + 1;
    }
    return parts;
}

std::string joinParts(const std::vector<std::string_view> &parts) {
    std::string joined;
    for (const std::string_view part : parts) {
        if (!joined.empty())
            joined += '/';
        joined += part;
    }
    return joined;
}

}  // namespace

std::string_view baseName(std::string_view path) {
    while (!path.empty() && path.back() == '/')
        path.remove_suffix(1);
    const size_t slash = path.rfind('/');
    return slash == std::string_view::npos ? path : path.substr(slash + 1);
}

std::string storedName(std::string_view path, bool keepPaths) {
    if (!keepPaths)
        return std::string(baseName(path));
    // "a/../b" means "b" on disk; leading ".." parts are simply dropped.
    return joinParts(splitParts(path, Parent::Climbs));
}

std::string safeRelativePath(std::string_view entryName) {
    std::string name(entryName);
    for (char &c : name)
        if (c == '\\')
            c = '/';
    std::string_view rest = name;
    // Drive prefixes, possibly repeated after separators ("/C:/x", "C:C:x").
    for (;;) {
        while (!rest.empty() && rest.front() == '/')
            rest.remove_prefix(1);
        const bool drive =
            rest.size() >= 2 && rest[1] == ':' &&
            ((rest[0] >= 'A' && rest[0] <= 'Z') || (rest[0] >= 'a' && rest[0] <= 'z'));
        if (!drive)
            break;
        rest.remove_prefix(2);
    }
    return joinParts(splitParts(rest, Parent::Dropped));
}

bool isFolderName(std::string_view entryName) {
    return !entryName.empty() && (entryName.back() == '/' || entryName.back() == '\\');
}

bool isValidUtf8(std::string_view text) {
    size_t i = 0;
    while (i < text.size()) {
        const unsigned char c = static_cast<unsigned char>(text[i]);
        size_t extra = 0;
        uint32_t code = 0;
        if (c < 0x80) {
            ++i;
            continue;
        } else if ((c & 0xE0) == 0xC0) {
            extra = 1;
            code = c & 0x1F;
        } else if ((c & 0xF0) == 0xE0) {
            extra = 2;
            code = c & 0x0F;
        } else if ((c & 0xF8) == 0xF0) {
            extra = 3;
            code = c & 0x07;
        } else {
            return false;
        }
        if (i + extra >= text.size())
            return false;
        for (size_t k = 1; k <= extra; ++k) {
            const unsigned char next = static_cast<unsigned char>(text[i + k]);
            if ((next & 0xC0) != 0x80)
                return false;
            code = (code << 6) | (next & 0x3F);
        }
        // Overlong forms, surrogates and values past U+10FFFF are not UTF-8.
        static const uint32_t kMinimum[4] = {0, 0x80, 0x800, 0x10000};
        if (code < kMinimum[extra] || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF))
            return false;
        i += extra + 1;
    }
    return true;
}

}  // namespace zelib
