#include "ExtractFolder.h"

#include "DosTime.h"
#include "EntryNames.h"
#include "Reporter.h"
#include "engine/ZeAbi.h"

#include <sys/stat.h>
#include <unistd.h>
#include <cerrno>
#include <climits>

namespace zelib {

namespace {

ExtractPlan skipped(uint8_t reason, int32_t code) {
    ExtractPlan plan;
    plan.skipReason = reason;
    plan.code = code;
    return plan;
}

// The folder without trailing separators; the root stays "/", an empty
// name is the current folder. Built as a new string: GCC 12 at -O3 warns
// (-Wrestrict, wrongly) about assigning a literal to the member.
std::string withoutTrailingSlashes(std::string root) {
    if (root.empty())
        return std::string(1, '.');
    const size_t last = root.find_last_not_of('/');
    root.resize(last == std::string::npos ? 1 : last + 1);
    return root;
}

}  // namespace

ExtractFolder::ExtractFolder(std::string root, const UnzipArguments &args)
    : root_(withoutTrailingSlashes(std::move(root))), args_(args) {}

int32_t ExtractFolder::prepare() {
    // The folder itself may be named through links; only what lies below it
    // is checked.
    std::string path;
    size_t start = 0;
    if (!root_.empty() && root_[0] == '/') {
        path = "/";
        start = 1;
    }
    while (start <= root_.size()) {
        size_t end = root_.find('/', start);
        if (end == std::string::npos)
            end = root_.size();
        const std::string part = root_.substr(start, end - start);
        if (!part.empty()) {
            if (!path.empty() && path.back() != '/')
                path += '/';
            path += part;
            struct stat info {};
            if (stat(path.c_str(), &info) != 0) {
                if (mkdir(path.c_str(), 0755) == 0)
                    created_.push_back(path);
                else if (errno != EEXIST)
                    return ZE_ERR_TEMP;
            } else if (!S_ISDIR(info.st_mode)) {
                return ZE_ERR_TEMP;
            }
        }
        start = end + 1;
    }
    struct stat info {};
    if (stat(root_.c_str(), &info) != 0 || !S_ISDIR(info.st_mode))
        return ZE_ERR_TEMP;
    const long nameMax = pathconf(root_.c_str(), _PC_NAME_MAX);
    if (nameMax > 0)
        nameMax_ = nameMax;
    return ZE_OK;
}

bool ExtractFolder::fits(const std::string &relative) const {
    if (root_.size() + 1 + relative.size() + 1 > PATH_MAX)
        return false;
    size_t start = 0;
    while (start <= relative.size()) {
        size_t end = relative.find('/', start);
        if (end == std::string::npos)
            end = relative.size();
        if (static_cast<long>(end - start) > nameMax_)
            return false;
        start = end + 1;
    }
    return true;
}

uint8_t ExtractFolder::makeFolders(const std::string &relative, bool create) {
    std::string path = root_;
    size_t start = 0;
    while (start < relative.size()) {
        size_t end = relative.find('/', start);
        if (end == std::string::npos)
            end = relative.size();
        path += '/';
        path += relative.substr(start, end - start);
        start = end + 1;
        if (madeFolders_.count(path) != 0)
            continue;
        struct stat info {};
        if (lstat(path.c_str(), &info) != 0) {
            if (!create)
                return errno == ENOENT ? 0 : ZE_SKIP_EXISTS;
            if (mkdir(path.c_str(), 0755) == 0)
                created_.push_back(path);
            else if (errno != EEXIST)
                return ZE_SKIP_EXISTS;
            if (lstat(path.c_str(), &info) != 0)
                return ZE_SKIP_EXISTS;
        }
        // A link here could lead anywhere: never write through one.
        if (S_ISLNK(info.st_mode))
            return ZE_SKIP_UNSAFE_NAME;
        if (!S_ISDIR(info.st_mode))
            return ZE_SKIP_EXISTS;
        madeFolders_.insert(path);
    }
    return 0;
}

void ExtractFolder::removeEmptyMadeFolders() {
    // A folder is made after its parent, so the reverse order empties the
    // children first; rmdir refuses a folder that is not empty.
    for (auto it = created_.rbegin(); it != created_.rend(); ++it)
        rmdir(it->c_str());
    created_.clear();
}

std::string ExtractFolder::targetOf(const std::string &entryName) const {
    std::string relative = safeRelativePath(entryName);
    if (relative.empty())
        return {};
    if (args_.junkPaths)
        relative = std::string(baseName(relative));
    return root_ + "/" + relative;
}

ExtractPlan ExtractFolder::plan(const std::string &entryName, time_t entryTime, bool symlink,
                                Reporter &reporter) {
    std::string relative = safeRelativePath(entryName);
    if (relative.empty()) {
        // Nothing but root, drive or ".." parts; a bare "/" or "./" folder is harmless.
        if (isFolderName(entryName))
            return skipped(0, ZE_OK);
        return skipped(ZE_SKIP_UNSAFE_NAME, ZE_ERR_SKIPPED);
    }
    if (isFolderName(entryName)) {
        if (args_.junkPaths)
            return skipped(0, ZE_OK);
        if (!fits(relative))
            return skipped(ZE_SKIP_EXISTS, ZE_ERR_SKIPPED);
        if (const uint8_t reason = makeFolders(relative, true))
            return skipped(reason, ZE_ERR_SKIPPED);
        ExtractPlan plan;
        plan.kind = ExtractPlan::Kind::Folder;
        plan.path = root_ + "/" + relative;
        return plan;
    }
    if (symlink)
        return skipped(ZE_SKIP_SYMLINK, ZE_ERR_SKIPPED);
    if (args_.junkPaths)
        relative = std::string(baseName(relative));
    if (!fits(relative))
        return skipped(ZE_SKIP_EXISTS, ZE_ERR_SKIPPED);
    return planFile(relative, entryTime, reporter);
}

ExtractPlan ExtractFolder::planFile(std::string relative, time_t entryTime, Reporter &reporter) {
    auto parentOf = [](const std::string &path) {
        const size_t slash = path.rfind('/');
        return slash == std::string::npos ? std::string() : path.substr(0, slash);
    };
    if (const uint8_t reason = makeFolders(parentOf(relative), false))
        return skipped(reason, ZE_ERR_SKIPPED);
    std::string path = root_ + "/" + relative;
    struct stat info {};
    const bool exists = lstat(path.c_str(), &info) == 0;
    if (exists && S_ISDIR(info.st_mode))
        return skipped(ZE_SKIP_EXISTS, ZE_ERR_SKIPPED);

    const bool newer = !exists || entryTime > roundedToDos(info.st_mtime);
    if (args_.action == UnzipArguments::Action::Freshen && (!exists || !newer))
        return skipped(0, ZE_OK);
    if (args_.action == UnzipArguments::Action::Update && !newer)
        return skipped(0, ZE_OK);

    // With "-o" a file that appears meanwhile (an earlier entry of the same
    // name) is replaced too.
    bool replace = args_.overwrite == UnzipArguments::Overwrite::Always;
    if (exists) {
        switch (args_.overwrite) {
            case UnzipArguments::Overwrite::Always:
                replace = true;
                break;
            case UnzipArguments::Overwrite::Never:
                return skipped(ZE_SKIP_EXISTS, ZE_OK);
            case UnzipArguments::Overwrite::Ask: {
                std::string newName;
                const uint8_t answer = reporter.askReplace(path, newName);
                if (reporter.aborted())
                    return skipped(0, ZE_ERR_ABORTED);
                if (answer == ZE_REPLACE_YES) {
                    replace = true;
                } else if (answer == ZE_REPLACE_RENAME) {
                    // The new name stays below the extraction folder too.
                    relative = safeRelativePath(newName);
                    if (relative.empty())
                        return skipped(ZE_SKIP_EXISTS, ZE_OK);
                    if (!fits(relative))
                        return skipped(ZE_SKIP_EXISTS, ZE_ERR_SKIPPED);
                    if (const uint8_t reason = makeFolders(parentOf(relative), false))
                        return skipped(reason, ZE_ERR_SKIPPED);
                    path = root_ + "/" + relative;
                    if (lstat(path.c_str(), &info) == 0)
                        return skipped(ZE_SKIP_EXISTS, ZE_OK);
                } else {
                    return skipped(ZE_SKIP_EXISTS, ZE_OK);
                }
                break;
            }
        }
    }
    if (const uint8_t reason = makeFolders(parentOf(relative), true))
        return skipped(reason, ZE_ERR_SKIPPED);
    ExtractPlan plan;
    plan.kind = ExtractPlan::Kind::File;
    plan.path = path;
    plan.replace = replace;
    return plan;
}

}  // namespace zelib
