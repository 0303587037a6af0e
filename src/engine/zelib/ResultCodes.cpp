#include "ResultCodes.h"

#include <zip.h>
#include <cerrno>

namespace zelib {

int32_t codeForZipError(int zipError, int systemError, Stage stage) {
    switch (zipError) {
        case ZIP_ER_OK:
            return ZE_OK;
        case ZIP_ER_MULTIDISK:
            return ZE_ERR_UNSUPPORTED;
        case ZIP_ER_RENAME:
        case ZIP_ER_CLOSE:
        case ZIP_ER_REMOVE:
            return ZE_ERR_CLOSE;
        case ZIP_ER_SEEK:
        case ZIP_ER_TELL:
            return stage == Stage::Write ? ZE_ERR_WRITE : ZE_ERR_READ;
        case ZIP_ER_READ:
            return ZE_ERR_READ;
        case ZIP_ER_WRITE:
        case ZIP_ER_RDONLY:
            return ZE_ERR_WRITE;
        case ZIP_ER_NOENT:
            return stage == Stage::Open ? ZE_ERR_NO_ARCHIVE : ZE_ERR_INTERNAL;
        case ZIP_ER_OPEN:
            if (systemError == ENOENT || systemError == ENOTDIR)
                return ZE_ERR_NO_ARCHIVE;
            return ZE_ERR_READ;
        case ZIP_ER_TMPOPEN:
            return ZE_ERR_TEMP;
        case ZIP_ER_CRC:
        case ZIP_ER_INCONS:
        case ZIP_ER_ZLIB:
        case ZIP_ER_COMPRESSED_DATA:
            return ZE_ERR_INCOMPLETE;
        case ZIP_ER_MEMORY:
            return ZE_ERR_MEMORY;
        case ZIP_ER_EOF:
            return ZE_ERR_EOF;
        case ZIP_ER_NOZIP:
            return ZE_ERR_NOT_ZIP;
        case ZIP_ER_COMPNOTSUPP:
        case ZIP_ER_ENCRNOTSUPP:
        case ZIP_ER_NOPASSWD:
        case ZIP_ER_WRONGPASSWD:
            return ZE_ERR_SKIPPED;
        case ZIP_ER_CANCELLED:
            return ZE_ERR_ABORTED;
        default:
            return ZE_ERR_INTERNAL;
    }
}

int32_t codeForZipError(const zip_error_t *error, Stage stage) {
    return codeForZipError(zip_error_code_zip(error), zip_error_code_system(error), stage);
}

}  // namespace zelib
