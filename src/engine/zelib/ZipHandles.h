#pragma once

#include <zip.h>
#include <memory>

namespace zelib {

// An open archive. Destroying the handle discards every change: the archive
// on disk stays as it was and libzip's temporary file is removed. Only a
// successful close() makes the changes real.
class ArchiveHandle {
  public:
    ArchiveHandle() = default;
    explicit ArchiveHandle(zip_t *archive) : archive_(archive) {}

    zip_t *get() const { return archive_.get(); }
    explicit operator bool() const { return archive_ != nullptr; }
    void reset(zip_t *archive = nullptr) { archive_.reset(archive); }

    // zip_close: 0 on success (the handle is then empty); on failure the
    // handle still owns the archive, so that its error can be read before it
    // is discarded.
    int close() {
        if (!archive_)
            return 0;
        if (zip_close(archive_.get()) != 0)
            return -1;
        archive_.release();
        return 0;
    }

  private:
    struct Discard {
        void operator()(zip_t *archive) const { zip_discard(archive); }
    };
    std::unique_ptr<zip_t, Discard> archive_;
};

// One entry opened for reading.
struct EntryFileClose {
    void operator()(zip_file_t *file) const { zip_fclose(file); }
};
using EntryFile = std::unique_ptr<zip_file_t, EntryFileClose>;

}  // namespace zelib
