#include "StoredBytes.h"

#include "ReadAt.h"
#include "ResultCodes.h"

#include <libdeflate.h>
#include <sys/stat.h>
#include <zip.h>
#include <cerrno>
#include <cstring>

namespace zelib {

int32_t StoredBytes::load(int fd, uint64_t offset, uint64_t size) {
    fd_ = fd;
    offset_ = offset;
    size_ = size;
    if (mapping_.mapForReading(fd, offset, size) == 0) {
        data_ = mapping_.data();
        return ZE_OK;
    }
    copy_.allocate(size);
    data_ = copy_.data();
    const int error = readAt(fd, offset, copy_.data(), size);
    return error == 0 ? ZE_OK : error == ENODATA ? ZE_ERR_EOF : ZE_ERR_READ;
}

int32_t StoredBytes::inflateInto(uint16_t method, uint64_t size, uint32_t crc,
                                 libdeflate_decompressor *decompressor, uint8_t *out) const {
    bool intact = false;
    auto inflate = [&] {
        if (method == ZIP_CM_DEFLATE)
            intact = libdeflate_deflate_decompress(decompressor, data_, size_, out, size,
                                                   nullptr) == LIBDEFLATE_SUCCESS;
        else if ((intact = size_ == size))
            std::memcpy(out, data_, size);
        intact = intact && libdeflate_crc32(0, out, size) == crc;
    };
    if (catchingBusErrors(inflate))
        return intact ? ZE_OK : ZE_ERR_INCOMPLETE;
    // A page that could not be read or written: the archive cut short by
    // another program, or a failing disk.
    struct stat now {};
    if (fstat(fd_, &now) == 0 && static_cast<uint64_t>(now.st_size) < offset_ + size_)
        return ZE_ERR_EOF;
    return ZE_ERR_READ;
}

}  // namespace zelib
