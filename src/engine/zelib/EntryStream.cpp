#include "EntryStream.h"

#include "ResultCodes.h"

#include <libdeflate.h>
#include <algorithm>

namespace zelib {

namespace {

constexpr size_t kPiece = size_t{1} << 20;

}  // namespace

EntryStream::EntryStream(uint16_t method, uint64_t compressedSize, uint64_t size, uint32_t crc)
    : method_(method), size_(size), crc_(crc), unread_(compressedSize) {}

EntryStream::~EntryStream() {
    if (inflating_)
        inflateEnd(&inflater_);
}

int32_t EntryStream::open(zip_t *archive, zip_uint64_t index) {
    // With ZIP_FL_COMPRESSED libzip hands over the stored bytes as they are.
    file_.reset(zip_fopen_index(archive, index, ZIP_FL_COMPRESSED));
    if (!file_) {
        const int32_t code = codeForZipError(zip_get_error(archive), Stage::Read);
        zip_error_clear(archive);
        return code;
    }
    stored_.resize(static_cast<size_t>(std::min<uint64_t>(kPiece, unread_)));
    if (method_ == ZIP_CM_DEFLATE) {
        if (inflateInit2(&inflater_, -MAX_WBITS) != Z_OK)
            return ZE_ERR_MEMORY;
        inflating_ = true;
        data_.resize(kPiece);
    }
    return ZE_OK;
}

int32_t EntryStream::readStored(size_t &length) {
    const zip_int64_t n =
        zip_fread(file_.get(), stored_.data(), std::min<uint64_t>(stored_.size(), unread_));
    if (n < 0)
        return codeForZipError(zip_file_get_error(file_.get()), Stage::Read);
    if (n == 0)
        return ZE_ERR_EOF;
    unread_ -= static_cast<uint64_t>(n);
    length = static_cast<size_t>(n);
    return ZE_OK;
}

int32_t EntryStream::nextInflated(size_t &length) {
    inflater_.next_out = data_.data();
    inflater_.avail_out = static_cast<uInt>(data_.size());
    while (!ended_ && inflater_.avail_out > 0) {
        if (inflater_.avail_in == 0 && unread_ > 0) {
            size_t read = 0;
            if (const int32_t code = readStored(read))
                return code;
            inflater_.next_in = stored_.data();
            inflater_.avail_in = static_cast<uInt>(read);
        }
        // With room for output, zlib stops only for want of input: when
        // every stored byte is in, the stream stops short (Z_BUF_ERROR).
        const int result = inflate(&inflater_, Z_NO_FLUSH);
        if (result == Z_STREAM_END)
            ended_ = true;
        else if (result == Z_MEM_ERROR)
            return ZE_ERR_MEMORY;
        else if (result != Z_OK)
            return ZE_ERR_INCOMPLETE;
    }
    length = data_.size() - inflater_.avail_out;
    return ZE_OK;
}

int32_t EntryStream::next(const uint8_t *&data, size_t &length) {
    length = 0;
    if (method_ == ZIP_CM_DEFLATE) {
        if (const int32_t code = nextInflated(length))
            return code;
        data = data_.data();
    } else if (unread_ > 0) {
        if (const int32_t code = readStored(length))
            return code;
        data = stored_.data();
    }
    if (length == 0)
        return produced_ == size_ && running_ == crc_ ? ZE_OK : ZE_ERR_INCOMPLETE;
    produced_ += length;
    // More data than the entry declares: a damaged or hostile archive.
    if (produced_ > size_)
        return ZE_ERR_INCOMPLETE;
    running_ = static_cast<uint32_t>(libdeflate_crc32(running_, data, length));
    return ZE_OK;
}

}  // namespace zelib
