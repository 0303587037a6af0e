#include "ZipOperation.h"

#include "ArchiveOpen.h"
#include "CompressAhead.h"
#include "CompressPipeline.h"
#include "DeflateChunkSource.h"
#include "DosTime.h"
#include "EntryNames.h"
#include "ResultCodes.h"
#include "SourceCollector.h"
#include "StoredFileSource.h"
#include "WorkerCount.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <algorithm>
#include <cerrno>
#include <memory>
#include <new>

namespace zelib {

namespace {

bool hasStoredSuffix(const std::string &name, const std::vector<std::string> &suffixes) {
    for (const std::string &suffix : suffixes) {
        if (suffix.size() > name.size())
            continue;
        bool same = true;
        for (size_t i = 0; i < suffix.size() && same; ++i) {
            char a = name[name.size() - suffix.size() + i], b = suffix[i];
            if (a >= 'A' && a <= 'Z')
                a = static_cast<char>(a - 'A' + 'a');
            if (b >= 'A' && b <= 'Z')
                b = static_cast<char>(b - 'A' + 'a');
            same = a == b;
        }
        if (same)
            return true;
    }
    return false;
}

// What libzip's progress and cancel hooks reach. They are called from C:
// an exception is recorded as the operation's failure, and the cancel hook
// then stops the operation.
struct CloseHooks {
    Reporter &reporter;
    OperationFailure &failure;
};

void progressTick(zip_t *, double, void *state) noexcept {
    CloseHooks &hooks = *static_cast<CloseHooks *>(state);
    try {
        hooks.reporter.tick();
    } catch (const std::bad_alloc &) {
        hooks.failure.record(ZE_ERR_MEMORY);
    } catch (...) {
        hooks.failure.record(ZE_ERR_INTERNAL);
    }
}

int cancelRequested(zip_t *, void *state) noexcept {
    CloseHooks &hooks = *static_cast<CloseHooks *>(state);
    try {
        if (hooks.failure.code != ZE_OK)
            return 1;
        return hooks.reporter.tick() ? 0 : 1;
    } catch (const std::bad_alloc &) {
        hooks.failure.record(ZE_ERR_MEMORY);
    } catch (...) {
        hooks.failure.record(ZE_ERR_INTERNAL);
    }
    return 1;
}

class ZipOperation {
  public:
    ZipOperation(const ZipArguments &args, Reporter &reporter)
        : args_(args),
          reporter_(reporter),
          budget_(args.memoryBudget != 0 ? args.memoryBudget : MemoryBudget::kDefault) {}

    int32_t run();

  private:
    struct Planned {
        const SourceItem *item;
        zip_int64_t index;  // existing entry to replace, or -1
    };
    struct Compressed {
        zip_int64_t index;
        DeflateChunkSource *source;
        const SourceItem *item;
    };

    std::vector<std::string> archiveFileNames() const;
    int32_t addEntry(const Planned &planned);
    void compressEntries();
    int32_t zipFailure() const {
        return codeForZipError(zip_get_error(archive_.get()), Stage::Write);
    }
    EntryFacts factsFor(const SourceItem &item, bool stored) const;
    int32_t outcome() const;
    int32_t deleteSources();

    const ZipArguments &args_;
    Reporter &reporter_;
    MemoryBudget budget_;
    OperationFailure failure_;
    CloseHooks hooks_{reporter_, failure_};
    // The pipeline must outlive the archive: libzip frees the sources, which
    // point into the pipeline, when the archive is discarded.
    // Its own, or the one that compressed this call's files ahead.
    std::shared_ptr<CompressPipeline> pipeline_;
    ArchiveHandle archive_;
    std::string password_;
    SourceList sources_;
    std::vector<Planned> plan_;
    std::vector<Compressed> compressed_;
    std::vector<EntryFacts> folderEvents_;
    uint64_t totalBytes_ = 0;
    bool deleteFailed_ = false;
};

std::vector<std::string> ZipOperation::archiveFileNames() const {
    std::vector<std::string> names;
    const zip_int64_t count = zip_get_num_entries(archive_.get(), 0);
    for (zip_int64_t i = 0; i < count; ++i) {
        const char *name = zip_get_name(archive_.get(), static_cast<zip_uint64_t>(i), 0);
        if (name != nullptr && !isFolderName(name))
            names.emplace_back(name);
    }
    return names;
}

EntryFacts ZipOperation::factsFor(const SourceItem &item, bool stored) const {
    EntryFacts facts;
    facts.name = item.entry;
    facts.size = item.size;
    facts.mtime = item.mtime;
    if (!(item.mode & S_IWUSR))
        facts.attributes |= 0x01;
    if (baseName(item.entry).substr(0, 1) == ".")
        facts.attributes |= 0x02;
    if (item.folder)
        facts.attributes |= 0x10;
    facts.encrypted = args_.encrypt && !item.folder;
    facts.method = facts.encrypted ? 99 : stored ? 0 : 8;
    facts.versionNeeded = facts.encrypted ? 51 : stored ? 10 : 20;
    return facts;
}

int32_t ZipOperation::addEntry(const Planned &planned) {
    zip_t *za = archive_.get();
    const SourceItem &item = *planned.item;
    const bool replaced = planned.index >= 0;
    const int32_t event = replaced ? ZE_CB_UPDATING : ZE_CB_ADDING;
    const zip_flags_t encoding = isValidUtf8(item.entry) ? ZIP_FL_ENC_UTF_8 : ZIP_FL_ENC_GUESS;
    // Info-ZIP's layout: Unix mode in the high half, DOS read-only and folder
    // bits in the low byte.
    const zip_uint32_t attributes = (static_cast<zip_uint32_t>(item.mode & 0xFFFF) << 16) |
                                    (item.folder ? 0x10u : 0u) |
                                    ((item.mode & S_IWUSR) ? 0u : 0x01u);

    zip_int64_t index = -1;
    if (item.folder) {
        index = zip_dir_add(za, item.entry.c_str(), encoding);
        if (index < 0)
            return zipFailure();
        folderEvents_.push_back(factsFor(item, true));
    } else {
        const bool stored = !deflatesEntry(args_, item);
        EntrySource *source = nullptr;
        DeflateChunkSource *deflated = nullptr;
        if (stored) {
            source = new StoredFileSource(reporter_, failure_, factsFor(item, true), event,
                                          item.path, item.identity);
        } else {
            deflated = new DeflateChunkSource(reporter_, failure_, factsFor(item, false), event,
                                              args_.level);
            source = deflated;
        }
        zip_source_t *wrapped = EntrySource::attach(za, source);
        if (wrapped == nullptr)
            return zipFailure();
        if (replaced) {
            index = planned.index;
            if (zip_file_replace(za, static_cast<zip_uint64_t>(index), wrapped, 0) != 0) {
                zip_source_free(wrapped);
                return zipFailure();
            }
        } else {
            index = zip_file_add(za, item.entry.c_str(), wrapped, encoding);
            if (index < 0) {
                zip_source_free(wrapped);
                return zipFailure();
            }
        }
        const zip_uint64_t at = static_cast<zip_uint64_t>(index);
        if (zip_set_file_compression(za, at, stored ? ZIP_CM_STORE : ZIP_CM_DEFAULT, 0) != 0 ||
            zip_file_set_encryption(za, at, args_.encrypt ? ZIP_EM_AES_256 : ZIP_EM_NONE,
                                    args_.encrypt ? password_.c_str() : nullptr) != 0)
            return zipFailure();
        if (deflated != nullptr)
            compressed_.push_back({index, deflated, &item});
        totalBytes_ += item.size;
    }
    const zip_uint64_t at = static_cast<zip_uint64_t>(index);
    if (zip_file_set_mtime(za, at, item.mtime, 0) != 0 ||
        zip_file_set_external_attributes(za, at, 0, ZIP_OPSYS_UNIX, attributes) != 0)
        return zipFailure();
    return ZE_OK;
}

void ZipOperation::compressEntries() {
    // zip_close asks for the new data in entry order: compress in that order.
    std::sort(compressed_.begin(), compressed_.end(),
              [](const Compressed &a, const Compressed &b) { return a.index < b.index; });
    std::vector<ListedFile> files;
    for (const Compressed &entry : compressed_)
        files.push_back({entry.item->path, entry.item->identity, entry.item->changed});
    if (args_.action == ZipArguments::Action::Add) {
        auto claim = CompressAhead::shared().claim(args_.names, files, args_.level, budget_);
        if (claim && claim->pipeline) {
            // A claim holds exactly this call's one file.
            pipeline_ = std::move(claim->pipeline);
            compressed_.front().source->setChunks(
                *pipeline_, claim->first, pipeline_->chunkCountFor(files.front().identity.size));
            return;
        }
    } else {
        CompressAhead::shared().drop();
    }
    pipeline_ = std::make_shared<CompressPipeline>(args_.level, budget_);
    for (size_t i = 0; i < files.size(); ++i) {
        const size_t first = pipeline_->addFile(files[i].path, files[i].identity);
        compressed_[i].source->setChunks(*pipeline_, first,
                                         pipeline_->chunkCountFor(files[i].identity.size));
    }
    pipeline_->start(workerCount());
}

int32_t ZipOperation::outcome() const {
    auto skippedFor = [&](uint8_t reason) {
        return std::any_of(sources_.skipped.begin(), sources_.skipped.end(),
                           [&](const SourceSkip &skip) { return skip.reason == reason; });
    };
    if (skippedFor(ZE_SKIP_UNREADABLE))
        return ZE_ERR_READ;
    if (skippedFor(ZE_SKIP_NOT_FOUND) || deleteFailed_)
        return ZE_ERR_NOTHING;
    if (skippedFor(ZE_SKIP_EXISTS))
        return ZE_ERR_SKIPPED;
    return ZE_OK;
}

int32_t ZipOperation::deleteSources() {
    for (const Planned &planned : plan_) {
        if (planned.item->folder)
            continue;
        // Only the file that was stored: one written to or replaced since
        // it was read stays.
        struct stat now {};
        if (stat(planned.item->path.c_str(), &now) != 0 ||
            FileIdentity::of(now) != planned.item->identity) {
            deleteFailed_ = true;
            continue;
        }
        if (!reporter_.deleting(planned.item->path))
            return ZE_ERR_ABORTED;
        if (unlink(planned.item->path.c_str()) != 0)
            deleteFailed_ = true;
    }
    // Folders emptied by the move go too; rmdir leaves the others alone.
    for (auto folder = sources_.folders.rbegin(); folder != sources_.folders.rend(); ++folder)
        rmdir(folder->c_str());
    return ZE_OK;
}

int32_t ZipOperation::run() {
    struct stat archiveInfo {};
    const OpenMode mode =
        args_.action == ZipArguments::Action::Freshen ? OpenMode::Update : OpenMode::Create;
    if (const int32_t code =
            openArchive(args_.archive, mode, archive_, archiveInfo, args_.flushNew || args_.move))
        return code;

    password_ = args_.password;
    if (args_.encrypt && password_.empty()) {
        const std::optional<std::string> asked = reporter_.askPassword(args_.archive);
        if (reporter_.aborted())
            return ZE_ERR_ABORTED;
        if (!asked)
            return ZE_ERR_SKIPPED;
        password_ = *asked;
    }

    SourceRequest request = sourceRequestFor(args_, archiveInfo);
    if (request.names.empty() && args_.action != ZipArguments::Action::Add)
        request.names = archiveFileNames();
    request.keepGoing = [this] { return reporter_.tick(); };
    sources_ = collectSources(request);
    if (reporter_.aborted())
        return ZE_ERR_ABORTED;
    for (const SourceSkip &skip : sources_.skipped)
        if (!reporter_.skipping(skip.name, skip.reason))
            return ZE_ERR_ABORTED;

    zip_t *za = archive_.get();
    const bool checkTimes = args_.action != ZipArguments::Action::Add;
    for (const SourceItem &item : sources_.items) {
        const zip_int64_t existing = zip_name_locate(za, item.entry.c_str(), 0);
        if (item.folder) {
            if (existing < 0)
                plan_.push_back({&item, -1});
            continue;
        }
        if (args_.action == ZipArguments::Action::Freshen && existing < 0)
            continue;
        if (checkTimes && existing >= 0) {
            zip_stat_t stat;
            if (zip_stat_index(za, static_cast<zip_uint64_t>(existing), 0, &stat) == 0 &&
                (stat.valid & ZIP_STAT_MTIME) && roundedToDos(item.mtime) <= stat.mtime)
                continue;
        }
        plan_.push_back({&item, existing});
    }
    if (plan_.empty()) {
        // Nothing is written; a new archive is not even created.
        if (sources_.items.empty() && args_.action == ZipArguments::Action::Add) {
            const int32_t code = outcome();
            return code != ZE_OK ? code : ZE_ERR_NOTHING;
        }
        return outcome();
    }

    for (const Planned &planned : plan_)
        if (const int32_t code = addEntry(planned))
            return code;

    compressEntries();

    reporter_.begin(plan_.size(), totalBytes_);
    for (const EntryFacts &folder : folderEvents_) {
        reporter_.finishEntry();
        if (!reporter_.entry(ZE_CB_ADDING, folder))
            return ZE_ERR_ABORTED;
    }
    if (zip_register_progress_callback_with_state(za, 0.001, progressTick, nullptr, &hooks_) != 0 ||
        zip_register_cancel_callback_with_state(za, cancelRequested, nullptr, &hooks_) != 0)
        return zipFailure();

    if (archive_.close() != 0) {
        if (failure_.code != 0)
            return failure_.code;
        if (reporter_.aborted())
            return ZE_ERR_ABORTED;
        return zipFailure();
    }
    // A hook that failed after the last entry was written: the archive is
    // complete, but the operation did not go as it should.
    if (failure_.code != 0)
        return failure_.code;
    // The archive is complete whatever the callback answers now; an abort
    // only stops a move before any source is deleted.
    const bool going = reporter_.finish();
    if (args_.move) {
        if (!going)
            return ZE_ERR_ABORTED;
        if (const int32_t code = deleteSources())
            return code;
    }
    return outcome();
}

int32_t stampZipDate(const ZipArguments &args, Reporter &reporter) {
    ArchiveHandle archive;
    struct stat info {};
    if (const int32_t code = openArchive(args.archive, OpenMode::Read, archive, info))
        return code;
    const zip_int64_t count = zip_get_num_entries(archive.get(), 0);
    bool found = false;
    time_t newest = 0;
    for (zip_int64_t i = 0; i < count; ++i) {
        zip_stat_t stat;
        if (zip_stat_index(archive.get(), static_cast<zip_uint64_t>(i), 0, &stat) != 0)
            continue;
        if (!(stat.valid & ZIP_STAT_MTIME))
            continue;
        if (!found || stat.mtime > newest)
            newest = stat.mtime;
        found = true;
    }
    archive.reset();
    if (!found)
        return ZE_ERR_NOTHING;
    const struct timespec times[2] = {{0, UTIME_OMIT}, {newest, 0}};
    if (utimensat(AT_FDCWD, args.archive.c_str(), times, 0) != 0)
        return ZE_ERR_WRITE;
    reporter.finish();
    return ZE_OK;
}

}  // namespace

SourceRequest sourceRequestFor(const ZipArguments &args, const struct stat &archive) {
    SourceRequest request;
    request.names = args.names;
    request.includes = args.includes;
    request.excludes = args.excludes;
    request.recurse = args.recurse;
    request.hidden = args.hidden;
    request.folderEntries = args.folderEntries;
    request.keepPaths = !args.junkPaths;
    request.since = args.since;
    request.archiveDevice = archive.st_dev;
    request.archiveInode = archive.st_ino;
    return request;
}

bool deflatesEntry(const ZipArguments &args, const SourceItem &item) {
    return !item.folder && args.level != 0 && item.size != 0 &&
           !hasStoredSuffix(item.entry, args.storedSuffixes);
}

int32_t runZip(const ZipArguments &args, Reporter &reporter) {
    if (args.action == ZipArguments::Action::Stamp)
        return stampZipDate(args, reporter);
    return ZipOperation(args, reporter).run();
}

}  // namespace zelib
