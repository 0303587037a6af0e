#pragma once

#include <fcntl.h>
#include <unistd.h>
#include <string>

namespace zelib {

// A file opened for reading, closed when the object goes.
class ReadDescriptor {
  public:
    explicit ReadDescriptor(const std::string &path)
        : fd_(::open(path.c_str(), O_RDONLY | O_CLOEXEC)) {}
    ~ReadDescriptor() {
        if (fd_ >= 0)
            ::close(fd_);
    }
    ReadDescriptor(const ReadDescriptor &) = delete;
    ReadDescriptor &operator=(const ReadDescriptor &) = delete;

    int get() const { return fd_; }
    explicit operator bool() const { return fd_ >= 0; }

  private:
    int fd_;
};

}  // namespace zelib
