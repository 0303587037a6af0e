#include "FileTrim.h"

#include "platform/Rounding.h"
#include "tools/crc/Crc32.h"

#include <QFile>
#include <QSaveFile>

#include <sys/stat.h>
#include <unistd.h>
#include <QCoreApplication>
#include <algorithm>
#include <cerrno>
#include <cstring>
#include <memory>

namespace tools {

namespace {

TrimOutcome failed(const QString &why) {
    TrimOutcome outcome;
    outcome.failure = why;
    return outcome;
}

}  // namespace

TrimOutcome trimFile(const QString &path, qint64 start, qint64 end,
                     const std::function<void(int)> &progress) {
    if (start < 1 || end < start)
        return failed(
            QCoreApplication::translate("Ttrimmer", "The offsets do not name a range of bytes."));
    // Read and write access, as for any file about to be replaced: a file
    // that may not be written is refused before anything is made.
    QFile source(path);
    if (!source.open(QIODevice::ReadWrite | QIODevice::ExistingOnly | QIODevice::Unbuffered))
        return failed(QCoreApplication::translate("Ttrimmer", "It could not be opened: %1.")
                          .arg(source.errorString()));
    if (source.size() < end)
        return failed(
            QCoreApplication::translate("Ttrimmer", "It holds fewer bytes than the end offset."));
    if (!source.seek(start - 1))
        return failed(QCoreApplication::translate("Ttrimmer", "It could not be read: %1.")
                          .arg(source.errorString()));

    // The temporary file lies beside the file, so the final rename never
    // crosses a file system; QSaveFile removes it unless committed.
    QSaveFile target(path);
    if (!target.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return failed(QCoreApplication::translate(
                          "Ttrimmer", "No temporary file could be made in its folder: %1.")
                          .arg(target.errorString()));
    // Owner and group follow the file where the system allows it.
    struct stat status {};
    if (::fstat(source.handle(), &status) == 0 &&
        ::fchown(target.handle(), status.st_uid, status.st_gid) != 0) {
        // Refused to a user outside the file's group: the trimmed file then
        // has the user's own group, as any file the user writes would.
    }

    const auto buffer = std::make_unique_for_overwrite<char[]>(kTrimBlock);
    quint32 crc = kCrc32Start;
    qint64 position = start - 1;  // bytes of the file before the next one to copy
    while (position < end) {
        const qint64 got = source.read(buffer.get(), std::min(kTrimBlock, end - position));
        if (got < 0)
            return failed(QCoreApplication::translate("Ttrimmer", "It could not be read: %1.")
                              .arg(source.errorString()));
        if (got == 0)
            return failed(
                QCoreApplication::translate("Ttrimmer", "It became shorter while it was copied."));
        UpdateCrc32Block(buffer.get(), static_cast<std::size_t>(got), crc);
        if (target.write(buffer.get(), got) != got) {
            // A short write is no error to Qt; the system's reason for the
            // write that stopped it is.
            const QString reason = target.error() != QFileDevice::NoError
                                       ? target.errorString()
                                       : QString::fromLocal8Bit(std::strerror(errno));
            return failed(QCoreApplication::translate(
                              "Ttrimmer", "The temporary file could not be written: %1.")
                              .arg(reason));
        }
        position += got;
        progress(platform::roundHalfEven(static_cast<double>(position) * 100.0 /
                                         static_cast<double>(end)));
    }
    // On disk before it takes the file's place: a crash never leaves a
    // half-written file under the file's name.
    if (!target.flush() || ::fdatasync(target.handle()) != 0)
        return failed(QCoreApplication::translate(
                          "Ttrimmer", "The temporary file could not be written to disk: %1.")
                          .arg(QString::fromLocal8Bit(std::strerror(errno))));
    if (!target.commit())
        return failed(QCoreApplication::translate(
                          "Ttrimmer", "The temporary file could not take its place: %1.")
                          .arg(target.errorString()));
    TrimOutcome outcome;
    outcome.trimmed = true;
    outcome.crc = ~crc;
    return outcome;
}

}  // namespace tools
