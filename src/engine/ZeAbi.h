/*
 * The binary interface between the archive component (TZipEngine) and the two
 * engine libraries, libzezip.so (entry `zezip`: add, freshen, update, date
 * stamp) and libzeunzip.so (entry `zeunzip`: extract and test).
 *
 * A call hands over an argument vector of UTF-8 texts, exactly as the
 * component builds it, and a callback. The engine calls back on the calling
 * thread only, so the window can pump its messages from inside the callback.
 * Every block below is owned by the engine and valid only during the
 * callback. A callback that leaves a block untouched and returns 0 is always
 * safe: the engine then goes on without a password, comment or new name.
 * A callback that returns 1 asks the engine to abort; the operation then
 * ends with ZE_ABORTED.
 *
 * Plain C so that both sides can be built and loaded independently.
 */
#ifndef TOVRANE_ZEABI_H
#define TOVRANE_ZEABI_H

#include <stdint.h>

#ifdef __cplusplus
extern "C" {
#endif

#define ZE_VERSION 100

/* Buffer sizes of the blocks that the callback fills in. */
#define ZE_PASSWORD_BUFFER 81 /* at most 80 characters and a terminating zero */
#define ZE_COMMENT_BUFFER 256 /* at most 255 characters and a terminating zero */
#define ZE_NAME_BUFFER 4096   /* a path and a terminating zero */
#define ZE_SHARED_STORE 255   /* bytes kept by codes 130 / 140 */

/* Callback codes. */
enum {
    ZE_CB_REPLACE = 10,        /* ZeReplaceBlock: an existing file is about to be replaced */
    ZE_CB_TESTING = 50,        /* ZeEntryRecord: one entry has been tested */
    ZE_CB_EXTRACTING = 60,     /* ZeEntryRecord: one entry has been extracted */
    ZE_CB_VALUE = 70,          /* uint32_t: the number of entries of the archive */
    ZE_CB_LISTING = 80,        /* ZeEntryRecord: one entry listed */
    ZE_CB_ENTRY_COPY = 90,     /* ZeEntryRecord: the entry under work (kept, no event) */
    ZE_CB_PASSWORD = 100,      /* ZePasswordBlock: a password is needed */
    ZE_CB_NEW_DISK = 110,      /* int32_t: disk number */
    ZE_CB_COMMENT = 120,       /* ZeCommentBlock */
    ZE_CB_STORE_WRITE = 130,   /* ZeStoreWriteBlock */
    ZE_CB_STORE_READ = 140,    /* ZeStoreReadBlock */
    ZE_CB_GLOBAL_STATUS = 150, /* ZeGlobalStatusBlock: progress */
    ZE_CB_RENAME = 160,        /* ZeRenameBlock */
    ZE_CB_UPDATING = 1000,     /* ZeEntryRecord: an entry is replaced by a newer file */
    ZE_CB_ADDING = 1010,       /* ZeEntryRecord: a file has been added */
    ZE_CB_DELETING = 1020,     /* const char *: a file is deleted (move mode) */
    ZE_CB_STATUS = 1030,       /* ZeEntryRecord */
    ZE_CB_SKIPPING = 1060,     /* ZeSkippingBlock: a file is skipped */
    ZE_CB_FIXING = 1070        /* const char *: an archive is being repaired */
};

/* Answers of ZeReplaceBlock.answer. */
enum { ZE_REPLACE_NO = 0, ZE_REPLACE_YES = 1, ZE_REPLACE_RENAME = 2 };

/* Reasons of ZeSkippingBlock.reason. */
enum {
    ZE_SKIP_NOT_FOUND = 1,    /* the named file does not exist */
    ZE_SKIP_UNREADABLE = 2,   /* the file could not be opened or read */
    ZE_SKIP_BAD_PASSWORD = 3, /* an entry could not be decrypted */
    ZE_SKIP_EXISTS = 4,       /* the target exists and may not be replaced */
    ZE_SKIP_UNSAFE_NAME = 5,  /* an entry's name would leave the extraction folder */
    ZE_SKIP_SYMLINK = 6       /* an entry is a symbolic link; none is created */
};

/* Per-entry record (codes 50, 60, 80, 90, 1000, 1010, 1030).
 * Field order is that of the original 40-byte record, in natural layout. */
typedef struct ZeEntryRecord {
    const char *name;         /* entry name as stored in the archive */
    uint32_t size;            /* uncompressed size (saturated at 0xFFFFFFFF) */
    uint32_t compressed_size; /* compressed size (saturated) */
    uint32_t ratio;           /* compression ratio in percent, 0..100 */
    uint8_t attributes;     /* bit 0 read-only, 1 hidden, 2 system, 3 volume, 4 folder, 5 archive */
    uint16_t dos_time;      /* MS-DOS time: hours<<11 | minutes<<5 | seconds/2 */
    uint16_t dos_date;      /* MS-DOS date: (year-1980)<<9 | month<<5 | day */
    uint32_t crc;           /* CRC-32 of the uncompressed data */
    uint8_t method;         /* 0 stored, 8 deflated, 99 AES */
    uint8_t version_made;   /* "version made by", low byte */
    uint8_t version_needed; /* "version needed to extract", low byte */
    uint8_t encrypted;      /* non-zero when the entry is encrypted */
    const char *comment;    /* entry comment, not zero-terminated */
    uint8_t comment_length; /* its length (at most 255) */
} ZeEntryRecord;

/* Code 10. */
typedef struct ZeReplaceBlock {
    const char *name;  /* the file about to be replaced */
    char *second_name; /* ZE_NAME_BUFFER bytes: a new name, when answer is ZE_REPLACE_RENAME */
    uint8_t answer;    /* in: the engine's default (ZE_REPLACE_YES); out: the decision */
} ZeReplaceBlock;

/* Code 100. */
typedef struct ZePasswordBlock {
    const char *name; /* the entry that needs it */
    char *password;   /* ZE_PASSWORD_BUFFER bytes, zero-terminated on return */
    uint8_t answer;   /* out: 0 none given (skip the entry), 2 for reading, 5 for writing */
} ZePasswordBlock;

/* Code 120. */
typedef struct ZeCommentBlock {
    const char *name;
    char *comment;   /* ZE_COMMENT_BUFFER bytes */
    uint16_t length; /* out: number of comment characters */
} ZeCommentBlock;

/* Code 130: the engine hands over bytes for the component to keep. */
typedef struct ZeStoreWriteBlock {
    const uint8_t *data;
    uint16_t length; /* the component keeps at most ZE_SHARED_STORE bytes */
} ZeStoreWriteBlock;

/* Code 140: the engine asks for the kept bytes back. */
typedef struct ZeStoreReadBlock {
    uint8_t *buffer; /* ZE_SHARED_STORE bytes */
    uint16_t length; /* out: number of bytes copied */
    int32_t present; /* out: 1 when the component answered */
} ZeStoreReadBlock;

/* Code 150: progress of the running operation. */
typedef struct ZeGlobalStatusBlock {
    uint32_t total_files;  /* entries the operation will handle */
    uint32_t total_kbytes; /* their uncompressed size in KiB (saturated) */
    uint32_t done_files;   /* entries finished */
    uint32_t done_kbytes;  /* KiB finished (saturated) */
    uint8_t file_percent;  /* progress within the current entry, 0..100 */
    uint8_t percent;       /* progress of the whole operation, 0..100 */
} ZeGlobalStatusBlock;

/* Code 160. */
typedef struct ZeRenameBlock {
    const char *name;
    char *new_name; /* ZE_NAME_BUFFER bytes; left empty to keep the name */
} ZeRenameBlock;

/* Code 1060. */
typedef struct ZeSkippingBlock {
    const char *name;
    uint8_t reason; /* ZE_SKIP_... */
} ZeSkippingBlock;

typedef int32_t (*ZeCallback)(int32_t code, void *block, void *component);

typedef int32_t (*ZeEntryPoint)(int32_t version, int32_t argc, const char *const *argv,
                                ZeCallback callback, void *component);

/* The two entry points, exported with C linkage by libzezip.so and
 * libzeunzip.so. The component resolves them at run time; programs that link
 * the libraries directly (tests, benchmarks) use these declarations. */
#if defined(__GNUC__)
#define ZE_EXPORT __attribute__((visibility("default")))
#else
#define ZE_EXPORT
#endif
ZE_EXPORT int32_t zezip(int32_t version, int32_t argc, const char *const *argv, ZeCallback callback,
                        void *component);
ZE_EXPORT int32_t zeunzip(int32_t version, int32_t argc, const char *const *argv,
                          ZeCallback callback, void *component);

/* Optional, in libzezip.so: the next zezip calls are expected to name the
 * files of this vector (a zezip vector), one file per call, in order, with
 * its options. The engine may compress them meanwhile on idle cores; a call
 * that names anything else, or an expectation without names, drops that
 * work. Nothing is written and the callback is never called; the result is
 * 0, or the code of a vector zezip would refuse. A component that does not
 * find this entry simply goes without. */
ZE_EXPORT int32_t zezipahead(int32_t version, int32_t argc, const char *const *argv,
                             ZeCallback callback, void *component);
/* Optional, in libzezip.so: waits until the work of zezipahead has gone as
 * far as its memory lets it (every expected file read, or the window full).
 * Arguments other than the version are ignored; the result is 0. Lets a
 * test change a file that was certainly read ahead. */
ZE_EXPORT int32_t zezipaheadidle(int32_t version, int32_t argc, const char *const *argv,
                                 ZeCallback callback, void *component);
/* Optional, in libzeunzip.so: the next zeunzip calls (Extract or Test) are
 * expected to name the archives of this vector (archive paths, after "-t"
 * when the calls test), one per call, in order. The engine may open and inflate them
 * meanwhile on idle cores; a call that names anything else, or an empty
 * vector, drops that work, and an archive that has changed since it was read
 * is read again by its call. Nothing is written and the callback is never
 * called; the result is 0. A component that does not find this entry simply
 * goes without. */
ZE_EXPORT int32_t zeunzipahead(int32_t version, int32_t argc, const char *const *argv,
                               ZeCallback callback, void *component);
/* Optional, in libzeunzip.so: waits until the work of zeunzipahead has gone
 * as far as its memory lets it; the result is the number of archives it
 * holds read. Lets a test change an archive that was certainly read ahead. */
ZE_EXPORT int32_t zeunzipaheadidle(int32_t version, int32_t argc, const char *const *argv,
                                   ZeCallback callback, void *component);

/* Result codes. 0 is success; the program words 40 to 410 individually.
 * ZE_ERR_* below are the codes the engine libraries return; the list of
 * which failure gives which code is kept beside the implementation
 * (src/engine/zelib/ResultCodes.h). */
enum {
    ZE_OK = 0,
    ZE_ERR_SKIPPED = 40,     /* an entry could not be processed (password, disk space) */
    ZE_ERR_NO_ARCHIVE = 100, /* the archive does not exist */
    ZE_ERR_NOT_ZIP = 110,    /* the file is not a zip archive */
    ZE_ERR_MEMORY = 120,     /* out of memory */
    ZE_ERR_NOTHING = 140,    /* nothing to do: no file matched, or a file is in use */
    ZE_ERR_EOF = 150,        /* unexpected end of an archive or a file */
    ZE_ERR_INTERNAL = 250,   /* internal error, bad arguments */
    ZE_ERR_TEMP = 280,       /* the temporary archive could not be created */
    ZE_ERR_READ = 290,       /* a file could not be read */
    ZE_ERR_WRITE = 300,      /* the archive could not be written */
    ZE_ERR_CLOSE = 310,      /* the archive could not be completed or moved in place */
    ZE_ERR_INCOMPLETE = 410, /* the archive is damaged: bad CRC, truncated data */
    ZE_ERR_LOAD = 240,       /* the component could not load a library (never from the engine) */
    ZE_ERR_MULTIDISK = 430,  /* refused in multi-disk mode (never from the engine) */
    ZE_ERR_ABORTED = 500,    /* the callback asked to abort */
    ZE_ERR_UNSUPPORTED =
        510 /* an option this engine does not offer (self-extractors, multi-disk) */
};

#ifdef __cplusplus
}
#endif

#endif
