#include "PatchedArchive.h"

#include "ResultCodes.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <algorithm>
#include <cerrno>
#include <utility>

namespace zelib {

namespace {

class PatchedFile {
  public:
    PatchedFile(int fd, uint64_t size, std::map<uint64_t, uint8_t> patches)
        : fd_(fd), size_(size), patches_(std::move(patches)) {
        zip_error_init(&error_);
    }
    ~PatchedFile() {
        zip_error_fini(&error_);
        ::close(fd_);
    }
    PatchedFile(const PatchedFile &) = delete;
    PatchedFile &operator=(const PatchedFile &) = delete;

    // Called by libzip, a C library: throws nothing.
    static zip_int64_t dispatch(void *userdata, void *data, zip_uint64_t length,
                                zip_source_cmd_t command) noexcept {
        return static_cast<PatchedFile *>(userdata)->handle(data, length, command);
    }

  private:
    zip_int64_t handle(void *data, zip_uint64_t length, zip_source_cmd_t command) noexcept {
        switch (command) {
            case ZIP_SOURCE_OPEN:
                position_ = 0;
                return 0;
            case ZIP_SOURCE_READ:
                return read(static_cast<uint8_t *>(data), length);
            case ZIP_SOURCE_CLOSE:
                return 0;
            case ZIP_SOURCE_STAT: {
                zip_stat_t *stat = ZIP_SOURCE_GET_ARGS(zip_stat_t, data, length, &error_);
                if (stat == nullptr)
                    return -1;
                zip_stat_init(stat);
                stat->size = size_;
                stat->valid |= ZIP_STAT_SIZE;
                return sizeof(zip_stat_t);
            }
            case ZIP_SOURCE_SEEK: {
                const zip_int64_t to =
                    zip_source_seek_compute_offset(position_, size_, data, length, &error_);
                if (to < 0)
                    return -1;
                position_ = static_cast<uint64_t>(to);
                return 0;
            }
            case ZIP_SOURCE_TELL:
                return static_cast<zip_int64_t>(position_);
            case ZIP_SOURCE_ERROR:
                return zip_error_to_data(&error_, data, length);
            case ZIP_SOURCE_FREE:
                delete this;
                return 0;
            case ZIP_SOURCE_SUPPORTS:
                return zip_source_make_command_bitmap(
                    ZIP_SOURCE_OPEN, ZIP_SOURCE_READ, ZIP_SOURCE_CLOSE, ZIP_SOURCE_STAT,
                    ZIP_SOURCE_SEEK, ZIP_SOURCE_TELL, ZIP_SOURCE_ERROR, ZIP_SOURCE_FREE,
                    ZIP_SOURCE_SUPPORTS, -1);
            default:
                zip_error_set(&error_, ZIP_ER_OPNOTSUPP, 0);
                return -1;
        }
    }

    zip_int64_t read(uint8_t *buffer, uint64_t length) {
        if (position_ >= size_)
            return 0;
        length = std::min<uint64_t>({length, size_ - position_, uint64_t{1} << 30});
        ssize_t n = 0;
        do {
            n = pread(fd_, buffer, length, static_cast<off_t>(position_));
        } while (n < 0 && errno == EINTR);
        if (n < 0) {
            zip_error_set(&error_, ZIP_ER_READ, errno);
            return -1;
        }
        const uint64_t end = position_ + static_cast<uint64_t>(n);
        for (auto patch = patches_.lower_bound(position_);
             patch != patches_.end() && patch->first < end; ++patch)
            buffer[patch->first - position_] = patch->second;
        position_ = end;
        return n;
    }

    int fd_;
    uint64_t size_;
    std::map<uint64_t, uint8_t> patches_;
    uint64_t position_ = 0;
    zip_error_t error_{};
};

}  // namespace

int32_t openPatchedArchive(const std::string &path, std::map<uint64_t, uint8_t> patches,
                           ArchiveHandle &archive) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return ZE_ERR_READ;
    struct stat info {};
    if (fstat(fd, &info) != 0) {
        ::close(fd);
        return ZE_ERR_READ;
    }
    auto *file = new PatchedFile(fd, static_cast<uint64_t>(info.st_size), std::move(patches));
    zip_error_t error;
    zip_error_init(&error);
    zip_source_t *source = zip_source_function_create(&PatchedFile::dispatch, file, &error);
    if (source == nullptr) {
        delete file;
        zip_error_fini(&error);
        return ZE_ERR_MEMORY;
    }
    zip_t *opened = zip_open_from_source(source, ZIP_RDONLY, &error);
    if (opened == nullptr) {
        const int32_t code = codeForZipError(&error, Stage::Open);
        zip_source_free(source);
        zip_error_fini(&error);
        return code;
    }
    zip_error_fini(&error);
    archive.reset(opened);
    return ZE_OK;
}

}  // namespace zelib
