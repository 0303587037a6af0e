#pragma once

#include <zip.h>
#include <string>

namespace zelib {

// The archive file as libzip reads and rewrites it. libzip's own file source
// writes the new archive under a temporary name beside the old one, which a
// killed run leaves behind for good, and renames it into place without
// flushing it, so a power loss can leave the name pointing at a file whose
// bytes never reached the disk. This one writes the new archive as a
// PendingFile: nameless until complete where the file system allows. An
// archive that replaces an existing one is always flushed to disk before it
// takes the name; a new one with `flushNew`, folder included, before
// zip_close reports success. That is what lets a caller delete the originals
// once the archive is written; a caller that deletes nothing may spare the
// flush, which costs more than compressing a small file.
//
// Opens the archive for writing through such a source, with zip_open's
// flags; null with `error` set on failure. `absent`: the caller has just
// seen that no file has the name, so libzip is told so without asking the
// system again (a file that takes the name meanwhile still makes the commit
// fail rather than be replaced).
zip_t *openWritableArchive(const std::string &path, int flags, bool flushNew, zip_error_t *error,
                           bool absent = false);

}  // namespace zelib
