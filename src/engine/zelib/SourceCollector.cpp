#include "SourceCollector.h"

#include "EntryNames.h"
#include "Wildcard.h"
#include "engine/ZeAbi.h"
#include "platform/posix/FileDescriptor.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <algorithm>
#include <cerrno>
#include <map>

namespace zelib {

namespace {

std::string childPath(const std::string &folder, const std::string &name) {
    if (folder.empty() || folder == ".")
        return name;
    if (folder.back() == '/')
        return folder + name;
    return folder + "/" + name;
}

bool lessWithoutCase(const std::string &a, const std::string &b) {
    const size_t n = std::min(a.size(), b.size());
    for (size_t i = 0; i < n; ++i) {
        char x = a[i], y = b[i];
        if (x >= 'A' && x <= 'Z')
            x = static_cast<char>(x - 'A' + 'a');
        if (y >= 'A' && y <= 'Z')
            y = static_cast<char>(y - 'A' + 'a');
        if (x != y)
            return static_cast<unsigned char>(x) < static_cast<unsigned char>(y);
    }
    return a.size() != b.size() ? a.size() < b.size() : a < b;
}

// Names in one folder, sorted the way the file list shows them.
std::vector<std::string> listFolder(const std::string &folder) {
    std::vector<std::string> names;
    posix::DirectoryStream dir(folder);
    if (!dir)
        return names;
    while (const dirent *entry = dir.next()) {
        const std::string name = entry->d_name;
        if (name != "." && name != "..")
            names.push_back(name);
    }
    std::sort(names.begin(), names.end(), lessWithoutCase);
    return names;
}

class Collector {
  public:
    explicit Collector(const SourceRequest &request) : request_(request) {}

    SourceList run() {
        for (const std::string &name : request_.names)
            if (!stopped())
                collectName(name);
        return std::move(result_);
    }

  private:
    void collectName(const std::string &name) {
        const size_t slash = name.rfind('/');
        const std::string folder = slash == std::string::npos ? ""
                                   : slash == 0               ? "/"
                                                              : name.substr(0, slash);
        const std::string mask = slash == std::string::npos ? name : name.substr(slash + 1);
        // A name that exists is that file or folder, even when it holds "*",
        // "?" or "[": a file named "a*.txt" must not take in its neighbours.
        struct stat literal {};
        if (hasWildcard(mask) && stat(name.c_str(), &literal) != 0) {
            struct stat info {};
            if (stat(folder.empty() ? "." : folder.c_str(), &info) != 0 || !S_ISDIR(info.st_mode)) {
                skip(name, ZE_SKIP_NOT_FOUND);
                return;
            }
            walk(folder, mask, request_.recurse);
            return;
        }
        struct stat info {};
        if (stat(name.c_str(), &info) != 0) {
            skip(name, ZE_SKIP_NOT_FOUND);
            return;
        }
        if (S_ISDIR(info.st_mode)) {
            if (request_.folderEntries)
                addFolder(name, info);
            if (request_.recurse) {
                result_.folders.push_back(name);
                walk(name, "*", true);
            }
        } else if (S_ISREG(info.st_mode)) {
            addFile(name, info);
        } else {
            skip(name, ZE_SKIP_UNREADABLE);
        }
    }

    void walk(const std::string &folder, const std::string &mask, bool recurse) {
        std::vector<std::string> subFolders;
        for (const std::string &name : listFolder(folder)) {
            if (stopped())
                return;
            if (name[0] == '.' && !request_.hidden)
                continue;
            const std::string path = childPath(folder, name);
            struct stat info {};
            if (stat(path.c_str(), &info) != 0)
                continue;  // a dangling link or a file just removed
            if (S_ISDIR(info.st_mode)) {
                struct stat link {};
                if (recurse && lstat(path.c_str(), &link) == 0 && !S_ISLNK(link.st_mode))
                    subFolders.push_back(path);
            } else if (S_ISREG(info.st_mode) && matchesWildcard(mask, name)) {
                addFile(path, info);
            }
        }
        for (const std::string &sub : subFolders) {
            // Looked at again without following links: a folder swapped for
            // a link since it was listed is not walked out of the tree.
            struct stat info {};
            if (lstat(sub.c_str(), &info) != 0 || !S_ISDIR(info.st_mode))
                continue;
            if (request_.folderEntries)
                addFolder(sub, info);
            result_.folders.push_back(sub);
            walk(sub, mask, true);
        }
    }

    bool passesPatterns(const std::string &entry) const {
        if (!request_.includes.empty() &&
            std::none_of(request_.includes.begin(), request_.includes.end(),
                         [&](const std::string &p) { return matchesListEntry(p, entry); }))
            return false;
        return std::none_of(request_.excludes.begin(), request_.excludes.end(),
                            [&](const std::string &p) { return matchesListEntry(p, entry); });
    }

    void addFile(const std::string &path, const struct stat &info) {
        if (request_.archiveInode != 0 && info.st_dev == request_.archiveDevice &&
            info.st_ino == request_.archiveInode)
            return;
        if (request_.since && info.st_mtime < *request_.since)
            return;
        const std::string entry = storedName(path, request_.keepPaths);
        if (entry.empty() || !passesPatterns(request_.keepPaths ? entry : storedName(path, true)))
            return;
        // A file that cannot be read now is left out with a notice rather
        // than failing the whole archive later. Asked of the kernel with
        // the rights an open would use, without opening the file.
        if (faccessat(AT_FDCWD, path.c_str(), R_OK, AT_EACCESS) != 0) {
            skip(path, ZE_SKIP_UNREADABLE);
            return;
        }
        // The same file reached twice (named and matched by a pattern) is
        // stored once; a different file under a name already taken is left out.
        const auto [taken, fresh] = taken_.emplace(entry, std::make_pair(info.st_dev, info.st_ino));
        if (!fresh) {
            if (taken->second != std::make_pair(info.st_dev, info.st_ino))
                skip(path, ZE_SKIP_EXISTS);
            return;
        }
        result_.items.push_back({path, entry, static_cast<uint64_t>(info.st_size), info.st_mtime,
                                 info.st_mode, false, FileIdentity::of(info),
                                 ChangeTime::of(info)});
    }

    void addFolder(const std::string &path, const struct stat &info) {
        if (!request_.keepPaths)
            return;
        const std::string name = storedName(path, true);
        if (name.empty())
            return;
        const std::string entry = name + "/";
        if (std::any_of(request_.excludes.begin(), request_.excludes.end(),
                        [&](const std::string &p) { return matchesListEntry(p, entry); }))
            return;
        if (!taken_.emplace(entry, std::make_pair(info.st_dev, info.st_ino)).second)
            return;
        result_.items.push_back({path, entry, 0, info.st_mtime, info.st_mode, true, {}, {}});
    }

    bool stopped() {
        if (!stopped_ && request_.keepGoing && !request_.keepGoing())
            stopped_ = true;
        return stopped_;
    }

    void skip(const std::string &name, uint8_t reason) {
        result_.skipped.push_back({name, reason});
    }

    const SourceRequest &request_;
    SourceList result_;
    std::map<std::string, std::pair<dev_t, ino_t>> taken_;
    bool stopped_ = false;
};

}  // namespace

SourceList collectSources(const SourceRequest &request) {
    return Collector(request).run();
}

}  // namespace zelib
