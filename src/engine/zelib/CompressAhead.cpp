#include "CompressAhead.h"

#include "LevelMap.h"
#include "SourceCollector.h"
#include "WorkerCount.h"
#include "ZipArguments.h"
#include "ZipOperation.h"

namespace zelib {

namespace {

bool sameChunks(const CompressPipeline &pipeline, int level, const MemoryBudget &budget) {
    return pipeline.deflateLevel() == libdeflateLevel(level) &&
           pipeline.chunkSize() == budget.chunkSize();
}

}  // namespace

CompressAhead &CompressAhead::shared() {
    // Destroyed when the library goes, which stops and joins its workers.
    static CompressAhead ahead;
    return ahead;
}

void CompressAhead::dropLocked() {
    expected_.clear();
    pipeline_.reset();
}

void CompressAhead::drop() {
    std::lock_guard<std::mutex> lock(mutex_);
    dropLocked();
}

void CompressAhead::waitUntilIdle() {
    std::shared_ptr<CompressPipeline> pipeline;
    {
        std::lock_guard<std::mutex> lock(mutex_);
        pipeline = pipeline_;
    }
    if (pipeline)
        pipeline->waitUntilIdle();
}

void CompressAhead::expect(const std::vector<std::string> &names,
                           const std::function<Call(const std::string &)> &list, int level,
                           const MemoryBudget &budget) {
    std::lock_guard<std::mutex> lock(mutex_);
    if (pipeline_ && !sameChunks(*pipeline_, level, budget))
        dropLocked();
    size_t kept = 0;
    while (kept < names.size() && kept < expected_.size() && expected_[kept].name == names[kept])
        ++kept;
    if (kept < expected_.size() && kept < names.size())
        dropLocked();
    for (size_t i = expected_.size(); i < names.size(); ++i) {
        Call call = list(names[i]);
        if (!call.expectable)
            break;
        Expected next{names[i], std::move(call.file), 0};
        if (next.file) {
            if (!pipeline_)
                pipeline_ = std::make_shared<CompressPipeline>(level, budget, true);
            next.first = pipeline_->addFile(next.file->path, next.file->identity);
        }
        expected_.push_back(std::move(next));
    }
    if (pipeline_)
        pipeline_->start(workerCount());
}

std::optional<CompressAhead::Claim> CompressAhead::claim(const std::vector<std::string> &names,
                                                         const std::vector<ListedFile> &files,
                                                         int level, const MemoryBudget &budget) {
    std::lock_guard<std::mutex> lock(mutex_);
    if (expected_.empty())
        return std::nullopt;
    const Expected &next = expected_.front();
    const bool sameCall = names.size() == 1 && next.name == names.front();
    const bool sameFiles = next.file ? files.size() == 1 && *next.file == files.front() &&
                                           sameChunks(*pipeline_, level, budget)
                                     : files.empty();
    if (!sameCall || !sameFiles) {
        dropLocked();
        return std::nullopt;
    }
    Claim claimed;
    if (next.file) {
        // Whatever an earlier call left unread goes now.
        pipeline_->discardBefore(next.first);
        claimed = {pipeline_, next.first};
    }
    expected_.pop_front();
    return claimed;
}

void expectZipCalls(const ZipArguments &args) {
    CompressAhead &ahead = CompressAhead::shared();
    if (args.action != ZipArguments::Action::Add || args.level == 0 || args.names.empty()) {
        ahead.drop();
        return;
    }
    const MemoryBudget budget(args.memoryBudget != 0 ? args.memoryBudget : MemoryBudget::kDefault);
    // Each name is one call's, collected as that call will collect it.
    auto list = [&](const std::string &name) {
        ZipArguments call = args;
        call.names = {name};
        const SourceList sources = collectSources(sourceRequestFor(call, {}));
        CompressAhead::Call expected;
        expected.expectable = sources.items.size() <= 1;
        if (sources.items.size() == 1 && deflatesEntry(call, sources.items.front())) {
            const SourceItem &item = sources.items.front();
            expected.file = ListedFile{item.path, item.identity, item.changed};
        }
        return expected;
    };
    ahead.expect(args.names, list, args.level, budget);
}

}  // namespace zelib
