#pragma once

#include <dirent.h>
#include <fcntl.h>
#include <unistd.h>
#include <string>
#include <utility>

// Owning handles for the POSIX descriptors and directory streams that the
// platform layer and the engine libraries open. Header only and free of Qt,
// so the engine libraries can hold them too.
namespace posix {

// A file descriptor, closed when the object goes. -1 holds nothing.
class FileDescriptor {
  public:
    FileDescriptor() = default;
    explicit FileDescriptor(int fd) : fd_(fd) {}
    ~FileDescriptor() { reset(); }
    FileDescriptor(FileDescriptor &&other) noexcept : fd_(other.release()) {}
    FileDescriptor &operator=(FileDescriptor &&other) noexcept {
        if (this != &other)
            reset(other.release());
        return *this;
    }
    FileDescriptor(const FileDescriptor &) = delete;
    FileDescriptor &operator=(const FileDescriptor &) = delete;

    // A file opened for reading only.
    static FileDescriptor readOnly(const std::string &path, int extraFlags = 0) {
        return FileDescriptor(::open(path.c_str(), O_RDONLY | O_CLOEXEC | extraFlags));
    }

    int get() const { return fd_; }
    explicit operator bool() const { return fd_ >= 0; }
    int release() { return std::exchange(fd_, -1); }
    void reset(int fd = -1) {
        if (fd_ >= 0)
            ::close(fd_);
        fd_ = fd;
    }
    // Closes now, for a caller that must know whether the close succeeded
    // (a written file's last error may show only there): 0 or -1 with errno.
    int close() { return fd_ >= 0 ? ::close(release()) : 0; }

  private:
    int fd_ = -1;
};

// A directory stream, closed when the object goes.
class DirectoryStream {
  public:
    explicit DirectoryStream(const std::string &folder)
        : dir_(::opendir(folder.empty() ? "." : folder.c_str())) {}
    ~DirectoryStream() {
        if (dir_ != nullptr)
            ::closedir(dir_);
    }
    DirectoryStream(const DirectoryStream &) = delete;
    DirectoryStream &operator=(const DirectoryStream &) = delete;

    explicit operator bool() const { return dir_ != nullptr; }
    // The next entry, null at the end.
    const dirent *next() { return ::readdir(dir_); }
    // The descriptor of the folder, for the *at calls.
    int fd() const { return ::dirfd(dir_); }

  private:
    DIR *dir_;
};

}  // namespace posix
