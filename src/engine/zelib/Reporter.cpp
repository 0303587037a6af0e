#include "Reporter.h"

#include "DosTime.h"

#include <algorithm>
#include <cstring>
#include <vector>

namespace zelib {

namespace {

constexpr std::chrono::milliseconds kProgressInterval(50);

uint32_t saturated(uint64_t value) {
    return value > 0xFFFFFFFFu ? 0xFFFFFFFFu : static_cast<uint32_t>(value);
}

uint8_t percentOf(uint64_t done, uint64_t total) {
    if (total == 0)
        return 0;
    if (done >= total)
        return 100;
    return static_cast<uint8_t>(static_cast<double>(done) * 100.0 / static_cast<double>(total));
}

}  // namespace

Reporter::Reporter(ZeCallback callback, void *component)
    : callback_(callback), component_(component), lastProgress_(std::chrono::steady_clock::now()) {}

bool Reporter::send(int32_t code, void *block) {
    if (aborted_)
        return false;
    if (callback_ == nullptr)
        return true;
    if (callback_(code, block, component_) == 1)
        aborted_ = true;
    return !aborted_;
}

void Reporter::begin(uint64_t files, uint64_t bytes) {
    totalFiles_ = files;
    totalBytes_ = bytes;
    doneFiles_ = doneBytes_ = 0;
}

void Reporter::startEntry(uint64_t size) {
    entrySize_ = size;
    entryDone_ = 0;
}

void Reporter::advance(uint64_t bytes) {
    doneBytes_ += bytes;
    entryDone_ += bytes;
}

void Reporter::finishEntry() {
    ++doneFiles_;
    entryDone_ = entrySize_;
}

bool Reporter::sendProgress() {
    lastProgress_ = std::chrono::steady_clock::now();
    ZeGlobalStatusBlock block{};
    block.total_files = saturated(totalFiles_);
    block.total_kbytes = saturated(totalBytes_ / 1024);
    block.done_files = saturated(std::min(doneFiles_, totalFiles_));
    block.done_kbytes = saturated(std::min(doneBytes_, totalBytes_) / 1024);
    block.file_percent =
        entrySize_ == 0 ? (entryDone_ > 0 ? 100 : 0) : percentOf(entryDone_, entrySize_);
    // Empty files move the bar too: each entry weighs as much as 4 KiB.
    constexpr uint64_t kEntryWeight = 4096;
    const uint64_t total = totalBytes_ + totalFiles_ * kEntryWeight;
    const uint64_t done =
        std::min(doneBytes_, totalBytes_) + std::min(doneFiles_, totalFiles_) * kEntryWeight;
    block.percent = std::min<uint8_t>(percentOf(done, total), 99);
    return send(ZE_CB_GLOBAL_STATUS, &block);
}

bool Reporter::tick() {
    if (aborted_)
        return false;
    if (std::chrono::steady_clock::now() - lastProgress_ < kProgressInterval)
        return true;
    return sendProgress();
}

bool Reporter::finish() {
    if (aborted_)
        return false;
    lastProgress_ = std::chrono::steady_clock::now();
    ZeGlobalStatusBlock block{};
    block.total_files = block.done_files = saturated(totalFiles_);
    block.total_kbytes = block.done_kbytes = saturated(totalBytes_ / 1024);
    block.file_percent = 100;
    block.percent = 100;
    return send(ZE_CB_GLOBAL_STATUS, &block);
}

bool Reporter::entry(int32_t code, const EntryFacts &facts) {
    ZeEntryRecord record{};
    record.name = facts.name.c_str();
    record.size = saturated(facts.size);
    record.compressed_size = saturated(facts.compressedSize);
    record.ratio = facts.size == 0 || facts.compressedSize >= facts.size
                       ? 0
                       : static_cast<uint32_t>(100 - facts.compressedSize * 100 / facts.size);
    record.attributes = facts.attributes;
    const DosTime dos = toDosTime(facts.mtime);
    record.dos_time = dos.time;
    record.dos_date = dos.date;
    record.crc = facts.crc;
    record.method = facts.method;
    record.version_made = 20;
    record.version_needed = facts.versionNeeded;
    record.encrypted = facts.encrypted ? 1 : 0;
    record.comment = facts.comment.data();
    record.comment_length = static_cast<uint8_t>(std::min<size_t>(facts.comment.size(), 255));
    return send(code, &record);
}

bool Reporter::skipping(const std::string &name, uint8_t reason) {
    ZeSkippingBlock block{};
    block.name = name.c_str();
    block.reason = reason;
    return send(ZE_CB_SKIPPING, &block);
}

bool Reporter::deleting(const std::string &path) {
    std::vector<char> copy(path.begin(), path.end());
    copy.push_back('\0');
    return send(ZE_CB_DELETING, copy.data());
}

uint8_t Reporter::askReplace(const std::string &path, std::string &newName) {
    std::vector<char> second(ZE_NAME_BUFFER, '\0');
    ZeReplaceBlock block{};
    block.name = path.c_str();
    block.second_name = second.data();
    block.answer = ZE_REPLACE_YES;
    if (!send(ZE_CB_REPLACE, &block))
        return ZE_REPLACE_NO;
    second.back() = '\0';
    newName = second.data();
    return block.answer;
}

std::optional<std::string> Reporter::askPassword(const std::string &name) {
    std::vector<char> password(ZE_PASSWORD_BUFFER, '\0');
    ZePasswordBlock block{};
    block.name = name.c_str();
    block.password = password.data();
    block.answer = 0;
    if (!send(ZE_CB_PASSWORD, &block))
        return std::nullopt;
    password.back() = '\0';
    if (block.answer == 0 || password[0] == '\0')
        return std::nullopt;
    return std::string(password.data());
}

}  // namespace zelib
