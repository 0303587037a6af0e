#include "FileCrc32.h"

#include "Crc32.h"
#include "FileError.h"

#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <memory>
#include <optional>

namespace tools {

namespace {

constexpr QFileDevice::Permissions kModeBits(QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                             QFileDevice::ExeOwner | QFileDevice::ReadGroup |
                                             QFileDevice::WriteGroup | QFileDevice::ExeGroup |
                                             QFileDevice::ReadOther | QFileDevice::WriteOther |
                                             QFileDevice::ExeOther);

// Lifts the read-only state of one file for the lifetime of the object and
// puts the file's permissions back afterwards. Files that are writable
// already are not touched at all, so their change time stays as it was.
class WriteAccessLift {
  public:
    explicit WriteAccessLift(const QString &path) : path_(path) {
        if (!QFileInfo::exists(path))
            return;
        // Only the owner, group and other bits: Qt reads the "User" bits as
        // the current user's access but writes them as owner bits, so they
        // would put back a write permission that was never there.
        const QFileDevice::Permissions kept = QFile::permissions(path) & kModeBits;
        if (kept & QFileDevice::WriteOwner)
            return;
        if (QFile::setPermissions(path, kept | QFileDevice::WriteOwner))
            kept_ = kept;
    }
    ~WriteAccessLift() {
        if (kept_)
            QFile::setPermissions(path_, *kept_);
    }
    WriteAccessLift(const WriteAccessLift &) = delete;
    WriteAccessLift &operator=(const WriteAccessLift &) = delete;

  private:
    QString path_;
    std::optional<QFileDevice::Permissions> kept_;
};

// Read and write as the routines ask for it, but never creating the file
// and without Qt's own buffer between the file and ours.
constexpr QIODevice::OpenMode kOpenMode =
    QIODevice::ReadWrite | QIODevice::ExistingOnly | QIODevice::Unbuffered;

}  // namespace

void FileCrc32(const QString &fileName, quint32 &crc, qint64 &byteCount) noexcept {
    byteCount = -1;
    try {
        const WriteAccessLift lift(fileName);
        QFile file(fileName);
        if (!file.open(kOpenMode))
            return;
        // One buffer per file, reused for every block.
        const auto buffer = std::make_unique_for_overwrite<char[]>(kCrcReadBlock);
        byteCount = 0;
        for (;;) {
            const qint64 got = file.read(buffer.get(), kCrcReadBlock);
            if (got <= 0)
                break;
            UpdateCrc32Block(buffer.get(), static_cast<std::size_t>(got), crc);
            byteCount += got;
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
