#include "CheckedArchive.h"

#include "ArchiveOpen.h"
#include "FileIdentity.h"
#include "ResultCodes.h"

namespace zelib {

namespace {

int32_t checkLayout(const posix::FileDescriptor &file, zip_t *archive, ArchiveLayout &layout) {
    if (!file)
        return ZE_ERR_READ;
    // The layout must describe the entries libzip reads, in the same order.
    auto agrees = [archive](const ArchiveLayout &candidate) {
        const zip_int64_t count = zip_get_num_entries(archive, 0);
        if (count < 0 || static_cast<uint64_t>(count) != candidate.entries.size())
            return false;
        for (zip_int64_t i = 0; i < count; ++i) {
            const char *name = zip_get_name(archive, static_cast<zip_uint64_t>(i), ZIP_FL_ENC_RAW);
            if (name == nullptr || candidate.entries[static_cast<size_t>(i)].name != name)
                return false;
        }
        return true;
    };
    if (const int32_t code = readLayout(file.get(), agrees, layout))
        return code;
    return checkEntriesApart(layout);
}

}  // namespace

int32_t openChecked(const std::string &path, CheckedArchive &archive) {
    // Extract checks the local headers against the directory too: an archive
    // that disagrees with itself is damaged, and re-zip must not trust it.
    if (const int32_t code = openArchive(path, OpenMode::Check, archive.handle, archive.info))
        return code;
    // Entries that share their bytes are refused before anything is read or
    // written: each would inflate the same data again.
    posix::FileDescriptor file = posix::FileDescriptor::readOnly(path);
    if (const int32_t code = checkLayout(file, archive.handle.get(), archive.layout))
        return code;
    if (sameAsListed(file.get(), FileIdentity::of(archive.info)))
        archive.file = std::move(file);
    return ZE_OK;
}

}  // namespace zelib
