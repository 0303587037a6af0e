#include "UnzipOperation.h"

#include "CheckedArchive.h"
#include "EntryData.h"
#include "EntryNames.h"
#include "EntryStream.h"
#include "ExtractFolder.h"
#include "InflatePool.h"
#include "MemoryBudget.h"
#include "OutputFile.h"
#include "PasswordKeeper.h"
#include "PatchedArchive.h"
#include "ResultCodes.h"
#include "UnzipAhead.h"
#include "Wildcard.h"
#include "WorkerCount.h"

#include <sys/stat.h>
#include <algorithm>
#include <map>
#include <set>

namespace zelib {

namespace {

bool isDosHost(uint8_t system) {
    return system == ZIP_OPSYS_DOS || system == ZIP_OPSYS_WINDOWS_NTFS || system == ZIP_OPSYS_VFAT;
}

class UnzipOperation {
  public:
    UnzipOperation(const UnzipArguments &args, Reporter &reporter)
        : args_(args),
          reporter_(reporter),
          budget_(args.memoryBudget != 0 ? args.memoryBudget : MemoryBudget::kDefault),
          testing_(args.action == UnzipArguments::Action::Test),
          keeper_(args.password, reporter),
          folder_(args.folder, args) {}

    // Extracts or tests; an extraction that fails takes back the empty
    // folders it made.
    int32_t run();

  private:
    int32_t extract();
    struct Entry {
        zip_uint64_t index;
        zip_stat_t stat;
    };

    bool selected(const std::string &name) const;
    std::unique_ptr<InflateJob> describe(const Entry &entry) const;
    void process(const Entry &entry);
    int32_t readRaw(const Entry &entry, ByteBuffer &raw);
    void stream(const Entry &entry, InflateJob &job);
    void streamPlain(const Entry &entry, InflateJob &job);
    // Writes one piece of an entry's data and moves the progress on; false
    // (with the job's code set) when the write fails or the user stops.
    bool passOn(InflateJob &job, OutputFile &output, const uint8_t *data, size_t length);
    // Creates the entry's file when extracting; false (the entry skipped)
    // when it cannot be made.
    static bool openOutput(InflateJob &job, OutputFile &output);
    // WinZip AES "AE-2" entries carry no CRC (7-Zip writes them so), yet
    // libzip 1.7.3 checks the zero and reports a CRC error once all data is
    // read. For those the authentication code, which covers every byte, is
    // the check: the data counts as intact when it verifies.
    bool aesWithoutCrc(const Entry &entry) const;
    bool authentic(const Entry &entry);
    // A stored entry gets libzip's CRC check whatever the flags, so the
    // trick above does not help: such an entry is read from the archive as
    // if its actual method said "deflate", which, read as compressed data,
    // is decrypted (and authenticated) without a CRC check. The bytes are
    // the stored ones all the same.
    EntryFile openStoredAes(const Entry &entry, int32_t &code);
    // The archive as read ahead for this call, or opened and checked now.
    int32_t open();
    void conclude(InflateJob &job);
    bool drain(bool wait);
    void record(int32_t code) {
        if (firstFailure_ == ZE_OK)
            firstFailure_ = code;
    }

    const UnzipArguments &args_;
    Reporter &reporter_;
    MemoryBudget budget_;
    bool testing_;
    PasswordKeeper keeper_;
    ExtractFolder folder_;
    ArchiveHandle archive_;
    ArchiveLayout layout_;
    posix::FileDescriptor archiveFile_;  // see CheckedArchive
    ArchiveHandle patched_;              // see openStoredAes
    uint64_t archiveSize_ = 0;
    std::map<zip_uint64_t, ByteBuffer> inflated_;  // entries inflated ahead, by index
    std::unique_ptr<InflatePool> pool_;
    std::vector<uint8_t> buffer_;
    std::vector<Entry> entries_;            // the selected ones
    std::set<std::string> pendingTargets_;  // files of jobs that may not be written yet
    int32_t firstFailure_ = ZE_OK;
};

bool UnzipOperation::selected(const std::string &name) const {
    auto matches = [&](const std::string &pattern) { return matchesListEntry(pattern, name); };
    const bool all = args_.names.empty() ||
                     std::find(args_.names.begin(), args_.names.end(), "*") != args_.names.end();
    if (!all && std::none_of(args_.names.begin(), args_.names.end(), matches))
        return false;
    return std::none_of(args_.excludes.begin(), args_.excludes.end(), matches);
}

std::unique_ptr<InflateJob> UnzipOperation::describe(const Entry &entry) const {
    auto job = std::make_unique<InflateJob>();
    const zip_stat_t &stat = entry.stat;
    EntryFacts &facts = job->facts;
    facts.name = stat.name;
    facts.size = stat.size;
    facts.compressedSize = stat.comp_size;
    facts.crc = (stat.valid & ZIP_STAT_CRC) ? stat.crc : 0;
    facts.mtime = (stat.valid & ZIP_STAT_MTIME) ? stat.mtime : 0;
    facts.encrypted =
        (stat.valid & ZIP_STAT_ENCRYPTION_METHOD) && stat.encryption_method != ZIP_EM_NONE;
    const bool aes = facts.encrypted && stat.encryption_method != ZIP_EM_TRAD_PKWARE;
    facts.method = aes ? 99 : static_cast<uint8_t>(stat.comp_method);
    facts.versionNeeded = aes ? 51 : stat.comp_method == ZIP_CM_STORE ? 10 : 20;
    zip_uint32_t length = 0;
    if (const char *comment = zip_file_get_comment(archive_.get(), entry.index, &length, 0))
        facts.comment.assign(comment, std::min<zip_uint32_t>(length, 255));

    zip_uint8_t system = 0;
    zip_uint32_t attributes = 0;
    zip_file_get_external_attributes(archive_.get(), entry.index, 0, &system, &attributes);
    const mode_t unixMode = static_cast<mode_t>(attributes >> 16);
    if (isDosHost(system)) {
        facts.attributes = static_cast<uint8_t>(attributes & 0x3F);
        job->mode = (attributes & 0x01) ? 0444 : 0644;
    } else {
        if (system == ZIP_OPSYS_UNIX && unixMode != 0 && !(unixMode & S_IWUSR))
            facts.attributes |= 0x01;
        job->mode = system == ZIP_OPSYS_UNIX && (unixMode & 0777) != 0 ? (unixMode & 0777) : 0644;
    }
    if (baseName(facts.name).substr(0, 1) == ".")
        facts.attributes |= 0x02;
    if (isFolderName(facts.name))
        facts.attributes |= 0x10;
    job->extract = !testing_;
    job->crc = facts.crc;
    job->method = stat.comp_method;
    job->event = testing_ ? ZE_CB_TESTING : ZE_CB_EXTRACTING;
    job->eventOnFailure = testing_;
    return job;
}

int32_t UnzipOperation::readRaw(const Entry &entry, ByteBuffer &raw) {
    return readStoredBytes(archive_.get(), entry.index, entry.stat.comp_size, raw,
                           [this] { return reporter_.tick(); });
}

bool UnzipOperation::aesWithoutCrc(const Entry &entry) const {
    const zip_stat_t &stat = entry.stat;
    return (stat.valid & ZIP_STAT_ENCRYPTION_METHOD) && (stat.valid & ZIP_STAT_CRC) &&
           stat.crc == 0 &&
           (stat.encryption_method == ZIP_EM_AES_128 || stat.encryption_method == ZIP_EM_AES_192 ||
            stat.encryption_method == ZIP_EM_AES_256);
}

bool UnzipOperation::authentic(const Entry &entry) {
    // Decryption alone: libzip checks the authentication code at the end.
    EntryFile raw(zip_fopen_index_encrypted(archive_.get(), entry.index, ZIP_FL_COMPRESSED,
                                            keeper_.lastUsed().c_str()));
    if (!raw) {
        zip_error_clear(archive_.get());
        return false;
    }
    zip_int64_t n = 0;
    while ((n = zip_fread(raw.get(), buffer_.data(), buffer_.size())) > 0) {
    }
    return n == 0;
}

EntryFile UnzipOperation::openStoredAes(const Entry &entry, int32_t &code) {
    if (!patched_) {
        std::map<uint64_t, uint8_t> patches;
        for (const Entry &other : entries_)
            if (other.stat.comp_method == ZIP_CM_STORE && aesWithoutCrc(other)) {
                const uint64_t at = layout_.entries[other.index].aesMethodAt;
                if (at != 0) {
                    patches[at] = ZIP_CM_DEFLATE;
                    patches[at + 1] = 0;
                }
            }
        if ((code = openPatchedArchive(args_.archive, std::move(patches), patched_)) != ZE_OK)
            return nullptr;
    }
    EntryFile file(zip_fopen_index_encrypted(patched_.get(), entry.index, ZIP_FL_COMPRESSED,
                                             keeper_.lastUsed().c_str()));
    if (!file) {
        code = codeForZipError(zip_get_error(patched_.get()), Stage::Read);
        zip_error_clear(patched_.get());
    }
    return file;
}

bool UnzipOperation::openOutput(InflateJob &job, OutputFile &output) {
    if (job.extract && output.create(job.target) != 0) {
        job.code = ZE_ERR_SKIPPED;
        return false;
    }
    return true;
}

bool UnzipOperation::passOn(InflateJob &job, OutputFile &output, const uint8_t *data,
                            size_t length) {
    if (job.extract && output.write(data, length) != 0) {
        job.code = ZE_ERR_SKIPPED;
        return false;
    }
    reporter_.advance(length);
    job.progressed += length;
    if (!reporter_.tick()) {
        job.code = ZE_ERR_ABORTED;
        return false;
    }
    return true;
}

void UnzipOperation::streamPlain(const Entry &entry, InflateJob &job) {
    EntryStream reader(static_cast<uint16_t>(entry.stat.comp_method), entry.stat.comp_size,
                       job.facts.size, job.crc);
    if ((job.code = reader.open(archive_.get(), entry.index)) != ZE_OK) {
        job.eventOnFailure = false;  // nothing was read
        if (job.code == ZE_ERR_SKIPPED)
            job.skipReason = ZE_SKIP_UNREADABLE;
        return;
    }
    OutputFile output;
    if (!openOutput(job, output))
        return;
    for (;;) {
        const uint8_t *data = nullptr;
        size_t length = 0;
        if ((job.code = reader.next(data, length)) != ZE_OK)
            return;
        if (length == 0)
            break;
        if (!passOn(job, output, data, length))
            return;
    }
    if (job.extract && output.commit(job.mode, job.facts.mtime, job.replace) != 0)
        job.code = ZE_ERR_SKIPPED;
}

void UnzipOperation::stream(const Entry &entry, InflateJob &job) {
    const zip_stat_t &stat = entry.stat;
    constexpr zip_uint64_t kKnown = ZIP_STAT_CRC | ZIP_STAT_SIZE | ZIP_STAT_COMP_SIZE;
    if (!job.facts.encrypted && (stat.valid & kKnown) == kKnown &&
        (stat.comp_method == ZIP_CM_STORE || stat.comp_method == ZIP_CM_DEFLATE)) {
        streamPlain(entry, job);
        return;
    }
    EntryFile file =
        keeper_.open(archive_.get(), entry.index, job.facts.name, job.facts.encrypted, job.code);
    // The password is known now (it passed the check at the opening).
    if (file && entry.stat.comp_method == ZIP_CM_STORE && aesWithoutCrc(entry) &&
        layout_.entries[entry.index].aesMethodAt != 0) {
        file.reset();
        file = openStoredAes(entry, job.code);
    }
    if (!file) {
        job.eventOnFailure = false;  // nothing was read
        if (job.code == ZE_ERR_SKIPPED && !job.facts.encrypted)
            job.skipReason = ZE_SKIP_UNREADABLE;
        return;
    }
    OutputFile output;
    if (!openOutput(job, output))
        return;
    if (buffer_.empty())
        buffer_.resize(1 << 20);
    uint64_t total = 0;
    for (;;) {
        const zip_int64_t n = zip_fread(file.get(), buffer_.data(), buffer_.size());
        if (n < 0) {
            const zip_error_t *error = zip_file_get_error(file.get());
            if (zip_error_code_zip(error) == ZIP_ER_CRC && total == job.facts.size &&
                aesWithoutCrc(entry) && authentic(entry))
                break;
            job.code = codeForZipError(error, Stage::Read);
            return;
        }
        if (n == 0)
            break;
        total += static_cast<uint64_t>(n);
        // More data than the entry declares: a damaged or hostile archive.
        if (total > job.facts.size) {
            job.code = ZE_ERR_INCOMPLETE;
            return;
        }
        if (!passOn(job, output, buffer_.data(), static_cast<size_t>(n)))
            return;
    }
    if (total != job.facts.size) {
        job.code = ZE_ERR_INCOMPLETE;
        return;
    }
    if (job.extract && output.commit(job.mode, job.facts.mtime, job.replace) != 0)
        job.code = ZE_ERR_SKIPPED;
}

void UnzipOperation::conclude(InflateJob &job) {
    // Under traditional encryption a wrong password passes the check at the
    // opening once in 256 tries (one check byte) and then decrypts to noise:
    // data that do not decode or match their CRC. That is far more often a
    // wrong password than damage. AES checks a password with two bytes and
    // the data with a code of their own: a failure there is damage.
    constexpr uint8_t kAesMethod = 99;
    if (job.facts.encrypted && job.facts.method != kAesMethod && job.code == ZE_ERR_INCOMPLETE) {
        job.code = ZE_ERR_SKIPPED;
        job.skipReason = ZE_SKIP_BAD_PASSWORD;
    }
    if (job.skipReason != 0)
        reporter_.skipping(job.facts.name, job.skipReason);
    reporter_.advance(job.facts.size > job.progressed ? job.facts.size - job.progressed : 0);
    reporter_.finishEntry();
    if (job.event != 0 && (job.code == ZE_OK || job.eventOnFailure))
        reporter_.entry(job.event, job.facts);
    if (job.code != ZE_OK)
        record(job.code);
}

bool UnzipOperation::drain(bool wait) {
    while (std::unique_ptr<InflateJob> job = pool_->takeFinished(wait, reporter_))
        conclude(*job);
    return !reporter_.aborted();
}

void UnzipOperation::process(const Entry &entry) {
    std::unique_ptr<InflateJob> job = describe(entry);
    reporter_.startEntry(job->facts.size);
    if (!testing_) {
        // Two entries for one file: the later one is planned (and written)
        // only once the earlier one is on disk, so that it wins.
        if (pendingTargets_.count(folder_.targetOf(job->facts.name)) != 0) {
            if (!drain(true))
                return;
            pendingTargets_.clear();
        }
        zip_uint8_t system = 0;
        zip_uint32_t attributes = 0;
        zip_file_get_external_attributes(archive_.get(), entry.index, 0, &system, &attributes);
        const bool symlink =
            system == ZIP_OPSYS_UNIX && S_ISLNK(static_cast<mode_t>(attributes >> 16));
        const ExtractPlan plan =
            folder_.plan(job->facts.name, job->facts.mtime, symlink, reporter_);
        if (plan.kind != ExtractPlan::Kind::File) {
            job->skipReason = plan.skipReason;
            job->code = plan.code;
            if (plan.kind == ExtractPlan::Kind::Skip)
                job->event = 0;
            pool_->submit(std::move(job), reporter_);
            return;
        }
        job->target = plan.path;
        job->replace = plan.replace;
        pendingTargets_.insert(plan.path);
    }
    const zip_stat_t &stat = entry.stat;
    const bool inMemory =
        !job->facts.encrypted &&
        (stat.comp_method == ZIP_CM_STORE || stat.comp_method == ZIP_CM_DEFLATE) &&
        stat.size <= budget_.entryLimit() && stat.comp_size <= budget_.entryLimit() &&
        stat.comp_size <= archiveSize_;
    if (inMemory) {
        const auto ahead = inflated_.find(entry.index);
        if (ahead != inflated_.end()) {
            // Inflated and checked ahead: a test is done, an extraction
            // writes its file here. Handing that to a worker would cost
            // more than the write: the data is ready, and the next
            // archives are being inflated on other cores meanwhile.
            job->raw = std::move(ahead->second);
            inflated_.erase(ahead);
            job->inflated = true;
            if (job->extract)
                runInflateJob(*job, nullptr);
            pool_->submit(std::move(job), reporter_);
            return;
        }
        const EntrySpan &span = layout_.entries[entry.index];
        if (readsInPlace(archiveFile_, span, stat)) {
            job->archiveFd = archiveFile_.get();
            job->dataOffset = span.dataBegin;
            job->work = true;
            pool_->submit(std::move(job), reporter_);
            return;
        }
        job->code = readRaw(entry, job->raw);
        job->work = job->code == ZE_OK;
        pool_->submit(std::move(job), reporter_);
        return;
    }
    // Entries read through libzip report in order too: earlier jobs first.
    if (!drain(true))
        return;
    stream(entry, *job);
    conclude(*job);
}

int32_t UnzipOperation::open() {
    CheckedArchive archive;
    if (std::unique_ptr<ReadAhead> ahead = UnzipAhead::shared().claim(args_.archive)) {
        archive = std::move(ahead->archive);
        // Read ahead for a test, the entries were checked but not kept.
        if (testing_ || ahead->dataKept)
            inflated_ = std::move(ahead->inflated);
    } else if (const int32_t code = openChecked(args_.archive, archive)) {
        return code;
    }
    archive_ = std::move(archive.handle);
    layout_ = std::move(archive.layout);
    archiveFile_ = std::move(archive.file);
    archiveSize_ = static_cast<uint64_t>(archive.info.st_size);
    return ZE_OK;
}

int32_t UnzipOperation::run() {
    const int32_t code = extract();
    if (code != ZE_OK && !testing_) {
        // Every pending write has ended before a folder is looked at.
        pool_.reset();
        folder_.removeEmptyMadeFolders();
    }
    return code;
}

int32_t UnzipOperation::extract() {
    if (const int32_t code = open())
        return code;

    std::vector<Entry> &entries = entries_;
    const zip_int64_t count = zip_get_num_entries(archive_.get(), 0);
    uint64_t totalBytes = 0;
    for (zip_int64_t i = 0; i < count; ++i) {
        Entry entry{static_cast<zip_uint64_t>(i), {}};
        if (zip_stat_index(archive_.get(), entry.index, 0, &entry.stat) != 0 ||
            entry.stat.name == nullptr) {
            record(codeForZipError(zip_get_error(archive_.get()), Stage::Read));
            continue;
        }
        if (!selected(entry.stat.name))
            continue;
        totalBytes += std::min<uint64_t>(entry.stat.size, uint64_t{1} << 48);
        entries.push_back(entry);
    }
    if (entries.empty()) {
        if (firstFailure_ != ZE_OK)
            return firstFailure_;
        return testing_ && count == 0 ? ZE_OK : ZE_ERR_NOTHING;
    }
    if (!testing_)
        if (const int32_t code = folder_.prepare())
            return code;

    reporter_.begin(entries.size(), totalBytes);
    pool_ = std::make_unique<InflatePool>(budget_.inflateWindow(), workerCount());
    for (const Entry &entry : entries) {
        if (reporter_.aborted() || !reporter_.tick())
            break;
        process(entry);
        if (!drain(false))
            break;
    }
    if (!reporter_.aborted())
        drain(true);
    if (reporter_.aborted())
        return ZE_ERR_ABORTED;
    // Everything has been read or written: a late abort changes nothing.
    reporter_.finish();
    return firstFailure_;
}

}  // namespace

int32_t runUnzip(const UnzipArguments &args, Reporter &reporter) {
    return UnzipOperation(args, reporter).run();
}

}  // namespace zelib
