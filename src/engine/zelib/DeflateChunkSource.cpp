#include "DeflateChunkSource.h"

#include <zlib.h>

#include <algorithm>
#include <cerrno>
#include <cstring>

namespace zelib {

DeflateChunkSource::DeflateChunkSource(Reporter &reporter, OperationFailure &failure,
                                       EntryFacts facts, int32_t eventCode, int level)
    : EntrySource(reporter, failure, std::move(facts), eventCode), level_(level) {}

bool DeflateChunkSource::open() {
    // libzip reads each new entry once; a second pass would find the chunks gone.
    if (pipeline_ == nullptr || current_ != first_ || count_ == 0) {
        fail(ZIP_ER_INTERNAL, ZE_ERR_INTERNAL);
        return false;
    }
    return true;
}

zip_int64_t DeflateChunkSource::read(uint8_t *buffer, uint64_t length) {
    uint64_t copied = 0;
    while (copied < length) {
        if (chunk_ == nullptr) {
            if (current_ == first_ + count_) {
                if (stored_ && !facts_.encrypted) {
                    facts_.method = 0;
                    facts_.versionNeeded = 10;
                }
                if (!finishEntry(crc_, compressed_))
                    return fail(ZIP_ER_CANCELLED, ZE_ERR_ABORTED);
                break;
            }
            chunk_ = pipeline_->await(current_, reporter_);
            if (chunk_ == nullptr) {
                if (reporter_.aborted())
                    return fail(ZIP_ER_CANCELLED, ZE_ERR_ABORTED);
                const int32_t code = pipeline_->failure();
                return fail(code == ZE_ERR_MEMORY     ? ZIP_ER_MEMORY
                            : code == ZE_ERR_INTERNAL ? ZIP_ER_INTERNAL
                                                      : ZIP_ER_READ,
                            code != ZE_OK ? code : ZE_ERR_READ);
            }
            if (current_ == first_)
                stored_ = chunk_->plain;
            else if (chunk_->plain != stored_)
                return fail(ZIP_ER_INTERNAL, ZE_ERR_INTERNAL);
            crc_ = current_ == first_
                       ? chunk_->crc
                       : static_cast<uint32_t>(crc32_combine64(
                             crc_, chunk_->crc, static_cast<z_off64_t>(chunk_->length)));
            offset_ = 0;
        }
        const uint64_t n = std::min<uint64_t>(length - copied, chunk_->data.size() - offset_);
        std::memcpy(buffer + copied, chunk_->data.data() + offset_, n);
        offset_ += n;
        copied += n;
        if (offset_ == chunk_->data.size()) {
            compressed_ += chunk_->data.size();
            reporter_.advance(chunk_->length);
            pipeline_->release(current_);
            ++current_;
            chunk_ = nullptr;
        }
    }
    if (!reporter_.tick())
        return fail(ZIP_ER_CANCELLED, ZE_ERR_ABORTED);
    return static_cast<zip_int64_t>(copied);
}

void DeflateChunkSource::describe(zip_stat_t &stat) const {
    stat.valid |= ZIP_STAT_SIZE | ZIP_STAT_COMP_METHOD | ZIP_STAT_MTIME;
    stat.size = facts_.size;
    stat.comp_method = ZIP_CM_DEFLATE;
    stat.mtime = facts_.mtime;
    if (finished()) {
        if (stored_)
            stat.comp_method = ZIP_CM_STORE;
        stat.valid |= ZIP_STAT_CRC | ZIP_STAT_COMP_SIZE;
        stat.crc = crc_;
        stat.comp_size = compressed_;
    }
}

uint16_t DeflateChunkSource::flagBits() const {
    // General purpose bits 1-2 of a deflated entry: 01 maximum, 10 fast,
    // 11 super fast, 00 normal, as Info-ZIP sets them for its levels.
    if (level_ >= 8)
        return 1 << 1;
    if (level_ == 2)
        return 2 << 1;
    if (level_ == 1)
        return 3 << 1;
    return 0;
}

}  // namespace zelib
