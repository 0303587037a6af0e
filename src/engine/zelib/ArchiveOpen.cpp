#include "ArchiveOpen.h"

#include "ArchiveFileSource.h"
#include "ResultCodes.h"

#include <cerrno>

namespace zelib {

namespace {

int32_t openForWriting(const std::string &path, int flags, bool flushNew, ArchiveHandle &archive,
                       bool absent = false) {
    zip_error_t error;
    zip_error_init(&error);
    zip_t *opened = openWritableArchive(path, flags, flushNew, &error, absent);
    const int32_t code = opened != nullptr ? ZE_OK : codeForZipError(&error, Stage::Open);
    zip_error_fini(&error);
    archive.reset(opened);
    return code;
}

}  // namespace

int32_t openArchive(const std::string &path, OpenMode mode, ArchiveHandle &archive,
                    struct stat &info, bool flushNew) {
    info = {};
    if (path.empty())
        return ZE_ERR_INTERNAL;
    if (stat(path.c_str(), &info) != 0) {
        const int error = errno;
        info = {};
        if (error == ENOENT && mode == OpenMode::Create) {
            return openForWriting(path, ZIP_CREATE, flushNew, archive, true);
        }
        // A path through a regular file: no archive can be made there.
        if (error == ENOTDIR && mode == OpenMode::Create)
            return ZE_ERR_TEMP;
        if (error == ENOENT || error == ENOTDIR)
            return ZE_ERR_NO_ARCHIVE;
        if (error == ENOMEM)
            return ZE_ERR_MEMORY;
        return ZE_ERR_READ;
    }
    // libzip would take an empty file for an empty archive and a folder cannot
    // be one: neither is a zip file, and neither may be overwritten.
    if (!S_ISREG(info.st_mode) || info.st_size == 0)
        return ZE_ERR_NOT_ZIP;

    if (mode == OpenMode::Update || mode == OpenMode::Create)
        return openForWriting(path, 0, flushNew, archive);
    int flags = 0;
    if (mode == OpenMode::Read)
        flags = ZIP_RDONLY;
    if (mode == OpenMode::Check)
        flags = ZIP_RDONLY | ZIP_CHECKCONS;
    int zipError = 0;
    zip_t *opened = zip_open(path.c_str(), flags, &zipError);
    // The strict check also refuses a name that appears twice, which
    // appended archives legitimately do: such an archive is read as it is.
    if (opened == nullptr && zipError == ZIP_ER_EXISTS && mode == OpenMode::Check)
        opened = zip_open(path.c_str(), ZIP_RDONLY, &zipError);
    if (opened == nullptr)
        return codeForZipError(zipError, errno, Stage::Open);
    archive.reset(opened);
    return ZE_OK;
}

}  // namespace zelib
