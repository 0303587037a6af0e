#include "FileCrc32.h"

#include "Crc32.h"
#include "FileError.h"

#include <QFile>

#include <algorithm>
#include <filesystem>
#include <memory>
#include <optional>

namespace tools {

namespace {

// Lifts the read-only state of one file for the lifetime of the object and
// puts the file's permission bits back afterwards. Files that are writable
// already are not touched at all, so their change time stays as it was.
// (std::filesystem does it with one status call and keeps the set-id bits,
// which Qt's permission calls would drop.)
class WriteAccessLift {
  public:
    explicit WriteAccessLift(const QString &path) : path_(path.toStdU16String()) {
        namespace fs = std::filesystem;
        std::error_code error;
        const fs::perms kept = fs::status(path_, error).permissions();
        if (error || kept == fs::perms::unknown ||
            (kept & fs::perms::owner_write) != fs::perms::none)
            return;
        fs::permissions(path_, kept | fs::perms::owner_write, fs::perm_options::replace, error);
        if (!error)
            kept_ = kept;
    }
    ~WriteAccessLift() {
        std::error_code error;
        if (kept_)
            std::filesystem::permissions(path_, *kept_, std::filesystem::perm_options::replace,
                                         error);
    }
    WriteAccessLift(const WriteAccessLift &) = delete;
    WriteAccessLift &operator=(const WriteAccessLift &) = delete;

  private:
    std::filesystem::path path_;
    std::optional<std::filesystem::perms> kept_;
};

// Read and write as the routines ask for it, but never creating the file
// and without Qt's own buffer between the file and ours.
constexpr QIODevice::OpenMode kOpenMode =
    QIODevice::ReadWrite | QIODevice::ExistingOnly | QIODevice::Unbuffered;

// The read buffer, made once per thread and kept: allocating it per file
// costs more than reading a small file.
char *readBuffer() {
    thread_local const std::unique_ptr<char[]> buffer =
        std::make_unique_for_overwrite<char[]>(kCrcReadBlock);
    return buffer.get();
}

}  // namespace

void FileCrc32(const QString &fileName, quint32 &crc, qint64 &byteCount) noexcept {
    byteCount = -1;
    try {
        const WriteAccessLift lift(fileName);
        QFile file(fileName);
        if (!file.open(kOpenMode))
            return;
        char *const buffer = readBuffer();
        byteCount = 0;
        for (;;) {
            const qint64 got = file.read(buffer, kCrcReadBlock);
            if (got <= 0)
                break;
            UpdateCrc32Block(buffer, static_cast<std::size_t>(got), crc);
            byteCount += got;
            // QFile reads on until the block is full or the file ends, so a
            // short block is the last: no further read call to learn that.
            if (got < kCrcReadBlock)
                break;
        }
    } catch (...) {
        // Only an allocation can fail here; what was counted stands.
    }
}

void FileRangeCrc32(const QString &fileName, qint64 fromPos, qint64 toPos, quint32 &crc) {
    QFile file(fileName);
    if (!file.open(kOpenMode))
        throw FileError(fileName, file.errorString());
    if (fromPos < 0 || !file.seek(fromPos))
        throw FileError(fileName, QStringLiteral("Seek error"));
    char buffer[4096];
    qint64 left = toPos >= fromPos ? toPos - fromPos + 1 : 0;
    while (left > 0) {
        const qint64 got = file.read(buffer, std::min<qint64>(left, sizeof buffer));
        if (got < 0)
            throw FileError(fileName, file.errorString());
        UpdateCrc32Block(buffer, static_cast<std::size_t>(got), crc);
        if (got == 0)
            throw FileError(fileName, QStringLiteral("Read beyond end of file"));
        left -= got;
    }
    file.close();
    if (file.error() != QFileDevice::NoError)
        throw FileError(fileName, file.errorString());
}

}  // namespace tools
