#pragma once

#include "engine/ZeAbi.h"

#include <cstdint>

typedef struct zip_error zip_error_t;

namespace zelib {

/*
 * Result codes of the engine libraries, and which failure gives which code.
 *
 *   0    ZE_OK               the operation did all it was asked.
 *   40   ZE_ERR_SKIPPED      an entry could not be processed and was left out:
 *                            no password or a wrong one (Extract, Test; also
 *                            an entry under traditional encryption whose data
 *                            do not decode or match their CRC: a wrong password
 *                            that passed the check byte), a
 *                            symbolic-link entry (never created), an entry whose
 *                            name is nothing but root, drive or ".." parts, an
 *                            extracted file that could not be written (disk full,
 *                            a folder in the way), an entry whose path is longer
 *                            than the file system takes (refused before any of
 *                            its folders is made), an entry whose compression or
 *                            encryption method is not supported, two sources that
 *                            would get the same entry name (Zip keeps the first);
 *                            Zip with "-e" and no password at all.
 *                            libzip: ZIP_ER_NOPASSWD, ZIP_ER_WRONGPASSWD,
 *                            ZIP_ER_COMPNOTSUPP, ZIP_ER_ENCRNOTSUPP.
 *   100  ZE_ERR_NO_ARCHIVE   the archive does not exist (Extract, Test,
 *                            StampZipDate, Zip -f). libzip: ZIP_ER_NOENT, and
 *                            ZIP_ER_OPEN with ENOENT or ENOTDIR.
 *   110  ZE_ERR_NOT_ZIP      the file is not a zip archive: no end-of-directory
 *                            record, an empty (0-byte) file, a folder.
 *                            libzip: ZIP_ER_NOZIP.
 *   120  ZE_ERR_MEMORY       out of memory. libzip: ZIP_ER_MEMORY; std::bad_alloc.
 *   140  ZE_ERR_NOTHING      nothing to do: no file matched the names and
 *                            patterns (Zip), no entry matched (Extract, Test of
 *                            a selection), a named file does not exist (the
 *                            others are still added), a source file could not be
 *                            deleted after "-m", or was changed after it was
 *                            stored and so is kept (the archive is complete), an
 *                            archive without entries (StampZipDate).
 *   150  ZE_ERR_EOF         the archive ends before an entry's data does.
 *                            libzip: ZIP_ER_EOF.
 *   250  ZE_ERR_INTERNAL     bad arguments (wrong version, missing archive name,
 *                            a malformed "-t" date, a value missing after
 *                            "-b", "-n", "-t", "-d"); an exception inside the
 *                            engine (in a callback that libzip calls, or on a
 *                            worker thread); libzip failures that
 *                            cannot come from the files: ZIP_ER_INVAL,
 *                            ZIP_ER_INTERNAL, ZIP_ER_EXISTS, ZIP_ER_CHANGED,
 *                            ZIP_ER_ZIPCLOSED, ZIP_ER_DELETED, ZIP_ER_OPNOTSUPP,
 *                            ZIP_ER_INUSE, any unknown code.
 *   280  ZE_ERR_TEMP         the temporary archive could not be created beside
 *                            the archive (missing folder, no permission, disk
 *                            full at creation); the extraction folder could not
 *                            be created. libzip: ZIP_ER_TMPOPEN.
 *   290  ZE_ERR_READ         a file could not be read: a source file that
 *                            cannot be opened (left out, the rest is added) or
 *                            that fails while it is compressed, or is not the
 *                            file listed by the time it has been read: it grew,
 *                            shrank, was written to (another modification
 *                            time), replaced under its name or removed (the
 *                            archive stays as it was); the archive itself cannot
 *                            be opened or read. libzip: ZIP_ER_READ,
 *                            ZIP_ER_OPEN (other than ENOENT/ENOTDIR), ZIP_ER_SEEK
 *                            and ZIP_ER_TELL while reading.
 *   300  ZE_ERR_WRITE        the archive could not be written: ZIP_ER_WRITE,
 *                            ZIP_ER_SEEK and ZIP_ER_TELL while writing,
 *                            ZIP_ER_RDONLY; StampZipDate could not set the time.
 *   310  ZE_ERR_CLOSE        the finished archive could not be moved into place.
 *                            libzip: ZIP_ER_RENAME, ZIP_ER_CLOSE, ZIP_ER_REMOVE.
 *   410  ZE_ERR_INCOMPLETE   the archive is damaged: a CRC that does not match
 *                            (of an entry without traditional encryption),
 *                            deflate data that does not decode, sizes that do not
 *                            match the data (more data than an entry declares is
 *                            refused as soon as it appears), inconsistent headers.
 *                            Also entries whose bytes overlap each other or the
 *                            central directory (several entries pointing at one
 *                            local header, or an entry's data holding the next
 *                            entry: "zip bombs"): Test and Extract refuse such an
 *                            archive whole, before reading any entry or writing
 *                            anything.
 *                            libzip: ZIP_ER_CRC, ZIP_ER_INCONS, ZIP_ER_ZLIB,
 *                            ZIP_ER_COMPRESSED_DATA.
 *   500  ZE_ERR_ABORTED      the callback returned 1. libzip: ZIP_ER_CANCELLED.
 *   510  ZE_ERR_UNSUPPORTED  an option this engine does not offer: "-X"
 *                            (self-extractor), "-M" (make self-extractor), "-!"
 *                            on Zip (multi-disk writing); a split archive
 *                            (ZIP_ER_MULTIDISK).
 *
 * Whatever the code, an archive under its final name is either the old one or
 * a complete new one, and an extracted file under its final name is complete.
 * When several entries fail, Extract and Test return the code of the first.
 */

// Where a libzip error happened: it decides between reading and writing codes.
enum class Stage { Open, Read, Write };

int32_t codeForZipError(int zipError, int systemError, Stage stage);
int32_t codeForZipError(const zip_error_t *error, Stage stage);

}  // namespace zelib
