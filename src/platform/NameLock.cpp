#include "NameLock.h"

#include "NameLockFile.h"

#include <QFile>
#include <QFileInfo>

namespace platform {

namespace {

// FNV-1a: fixed for good, unlike a seeded hash, as other processes and
// other versions must find the same byte for the same name.
std::uint64_t fnv1a(const QByteArray &bytes) {
    std::uint64_t hash = 0xcbf29ce484222325ULL;
    for (const char c : bytes) {
        hash ^= static_cast<unsigned char>(c);
        hash *= 0x100000001b3ULL;
    }
    return hash;
}

}  // namespace

QString NameLock::lockFileOf(const QString &path) {
    return QFile::decodeName(
        NameLockFile::pathIn(QFile::encodeName(QFileInfo(path).absolutePath())));
}

std::uint64_t NameLock::slotOf(const QString &path) {
    // 62 bits keep every byte's offset a valid, positive file offset.
    return fnv1a(QFile::encodeName(QFileInfo(path).fileName())) & ((1ULL << 62) - 1);
}

NameLock::NameLock(const QString &path)
    : folder_(QFile::encodeName(QFileInfo(path).absolutePath())), slot_(slotOf(path)) {}

NameLock::~NameLock() {
    unlock();
}

NameLock::State NameLock::tryLock() {
    if (held())
        return State::Held;
    std::shared_ptr<NameLockFile> file = NameLockFile::of(folder_);
    const State state = file->lock(slot_);
    if (state == State::Held)
        file_ = std::move(file);
    return state;
}

void NameLock::unlock() {
    if (!held())
        return;
    file_->unlock(slot_);
    // The last user in this process closes the file (and removes it when
    // no other process uses it), unless a batch keeps it open.
    file_.reset();
}

}  // namespace platform
