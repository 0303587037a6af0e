#include "TemporaryName.h"

#include "platform/posix/FileDescriptor.h"

#include <dirent.h>
#include <fcntl.h>
#include <signal.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>
#include <cerrno>
#include <climits>
#include <mutex>
#include <random>
#include <set>
#include <utility>

namespace zelib {

namespace {

constexpr char kPrefix[] = ".~ze";
constexpr size_t kPrefixSize = sizeof(kPrefix) - 1;
constexpr size_t kTagSize = 6;
// Room for the prefix, a pid, the tag and separators within NAME_MAX.
constexpr size_t kMaxTargetPart = 200;

bool isTagChar(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9');
}

// Whether the process is certainly gone. A pid the system does not know is
// gone; one it refuses to signal (EPERM) is somebody's live process.
bool processGone(pid_t pid) {
    return kill(pid, 0) != 0 && errno == ESRCH;
}

}  // namespace

std::string temporaryName(const std::string &targetName, pid_t pid, const std::string &random) {
    return kPrefix + std::to_string(pid) + "-" + random + "-" +
           targetName.substr(0, kMaxTargetPart);
}

std::string randomTag() {
    static constexpr char kChars[] =
        "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
    thread_local std::mt19937_64 generator{std::random_device{}()};
    std::uniform_int_distribution<size_t> pick(0, sizeof(kChars) - 2);
    std::string tag;
    for (size_t i = 0; i < kTagSize; ++i)
        tag += kChars[pick(generator)];
    return tag;
}

std::optional<pid_t> temporaryOwner(const std::string &name) {
    if (name.compare(0, kPrefixSize, kPrefix) != 0)
        return std::nullopt;
    size_t at = kPrefixSize;
    long long pid = 0;
    const size_t digits = at;
    while (at < name.size() && name[at] >= '0' && name[at] <= '9' && at - digits < 10)
        pid = pid * 10 + (name[at++] - '0');
    if (at == digits || name[digits] == '0' || pid > INT_MAX)
        return std::nullopt;
    if (at >= name.size() || name[at] != '-')
        return std::nullopt;
    ++at;
    for (size_t i = 0; i < kTagSize; ++i, ++at)
        if (at >= name.size() || !isTagChar(name[at]))
            return std::nullopt;
    // The target's name follows and is never empty.
    if (at + 1 >= name.size() || name[at] != '-')
        return std::nullopt;
    return static_cast<pid_t>(pid);
}

namespace {

// An open descriptor of the entry `name` of `dirFd`, locked for this
// process, when it is a leftover of a killed run of the kind asked for (a
// folder or a regular file); an empty one otherwise. The lock tells an entry
// whose maker lives on under another pid (a process in another pid
// namespace, a pid used again) from a leftover.
posix::FileDescriptor claimLeftover(int dirFd, const std::string &name, bool folder) {
    const std::optional<pid_t> owner = temporaryOwner(name);
    if (!owner || !processGone(*owner))
        return posix::FileDescriptor();
    posix::FileDescriptor file(
        openat(dirFd, name.c_str(),
               O_RDONLY | O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK | (folder ? O_DIRECTORY : 0)));
    if (!file)
        return file;
    struct stat opened {
    }, named{};
    if (fstat(file.get(), &opened) == 0 &&
        (folder ? S_ISDIR(opened.st_mode) : S_ISREG(opened.st_mode)) &&
        flock(file.get(), LOCK_EX | LOCK_NB) == 0 &&
        fstatat(dirFd, name.c_str(), &named, AT_SYMLINK_NOFOLLOW) == 0 &&
        named.st_dev == opened.st_dev && named.st_ino == opened.st_ino)
        return file;
    return posix::FileDescriptor();
}

// Calls `remove` for each leftover of the kind asked for in `folder`;
// returns how many it removed.
int sweep(const std::string &folder, bool folders,
          const std::function<bool(int dirFd, const std::string &name)> &remove) {
    posix::DirectoryStream dir(folder);
    if (!dir)
        return 0;
    const int dirFd = dir.fd();
    int removed = 0;
    while (const dirent *entry = dir.next()) {
        const std::string name = entry->d_name;
        const posix::FileDescriptor claimed = claimLeftover(dirFd, name, folders);
        if (claimed && remove(dirFd, name))
            ++removed;
    }
    return removed;
}

}  // namespace

int sweepLeftovers(const std::string &folder) {
    return sweep(folder, false, [](int dirFd, const std::string &name) {
        return unlinkat(dirFd, name.c_str(), 0) == 0;
    });
}

int sweepLeftoverFolders(const std::string &folder,
                         const std::function<bool(const std::string &path)> &remove) {
    const std::string parent = folder.empty() ? std::string(".") : folder;
    return sweep(folder, true,
                 [&](int, const std::string &name) { return remove(parent + "/" + name); });
}

void sweepLeftoversOnce(const std::string &folder) {
    static std::mutex mutex;
    // A batch asks for the same folder once per archive: the last absolute
    // path asked for needs no look at the folder.
    static std::string last;
    const bool absolute = !folder.empty() && folder.front() == '/';
    {
        const std::lock_guard<std::mutex> lock(mutex);
        if (absolute && folder == last)
            return;
    }
    // Known by device and inode: a relative name means another folder once
    // the current folder changes.
    struct stat info {};
    if (stat(folder.empty() ? "." : folder.c_str(), &info) != 0)
        return;
    static std::set<std::pair<dev_t, ino_t>> swept;
    {
        const std::lock_guard<std::mutex> lock(mutex);
        if (absolute)
            last = folder;
        if (!swept.insert({info.st_dev, info.st_ino}).second)
            return;
    }
    sweepLeftovers(folder);
}

}  // namespace zelib
