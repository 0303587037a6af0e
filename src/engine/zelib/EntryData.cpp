#include "EntryData.h"

#include "ResultCodes.h"
#include "ZipHandles.h"

#include <libdeflate.h>
#include <algorithm>

namespace zelib {

int32_t readStoredBytes(zip_t *archive, zip_uint64_t index, uint64_t size, ByteBuffer &raw,
                        const std::function<bool()> &going) {
    // With ZIP_FL_COMPRESSED libzip hands over the stored bytes as they are.
    EntryFile file(zip_fopen_index(archive, index, ZIP_FL_COMPRESSED));
    if (!file) {
        const int32_t code = codeForZipError(zip_get_error(archive), Stage::Read);
        zip_error_clear(archive);
        return code;
    }
    raw.allocate(size);
    uint64_t done = 0;
    while (done < raw.size()) {
        // In pieces, with progress between them: the archive may be on a slow disk.
        constexpr uint64_t kPiece = 4u << 20;
        if (!going())
            return ZE_ERR_ABORTED;
        const zip_int64_t n =
            zip_fread(file.get(), raw.data() + done, std::min<uint64_t>(kPiece, raw.size() - done));
        if (n < 0)
            return codeForZipError(zip_file_get_error(file.get()), Stage::Read);
        if (n == 0)
            return ZE_ERR_EOF;
        done += static_cast<uint64_t>(n);
    }
    return ZE_OK;
}

int32_t inflateChecked(ByteBuffer &raw, uint16_t method, uint64_t size, uint32_t crc,
                       libdeflate_decompressor *decompressor, ByteBuffer &data) {
    static const uint8_t kNothing = 0;
    if (method == ZIP_CM_DEFLATE) {
        data.allocate(size);
        uint8_t empty = 0;
        // Without an "actual size" out-parameter libdeflate insists on
        // exactly `size` bytes: shorter or longer data is an error.
        if (libdeflate_deflate_decompress(decompressor, raw.data(), raw.size(),
                                          size ? data.data() : &empty, size,
                                          nullptr) != LIBDEFLATE_SUCCESS)
            return ZE_ERR_INCOMPLETE;
    } else {
        if (raw.size() != size)
            return ZE_ERR_INCOMPLETE;
        data = std::move(raw);
    }
    const uint8_t *bytes = data.empty() ? &kNothing : data.data();
    return libdeflate_crc32(0, bytes, size) == crc ? ZE_OK : ZE_ERR_INCOMPLETE;
}

}  // namespace zelib
