#pragma once

#include "ZipHandles.h"

#include <cstdint>
#include <string>
#include <vector>

namespace zelib {

class Reporter;

// Opens entries for reading, encrypted ones with the passwords known so far:
// the one from the argument vector first, then any the component gave
// through code 100. When none fits, the component is asked (at most three
// times for one entry); no answer, or an empty one, skips the entry.
class PasswordKeeper {
  public:
    PasswordKeeper(const std::string &first, Reporter &reporter);

    // The open entry, or null with `code` set (ZE_ERR_SKIPPED for a missing
    // or wrong password, after a 1060 notice; another code for other failures).
    EntryFile open(zip_t *archive, zip_uint64_t index, const std::string &name, bool encrypted,
                   int32_t &code);
    // The password that opened the last encrypted entry.
    const std::string &lastUsed() const { return lastUsed_; }

  private:
    static constexpr int kQuestionsPerEntry = 3;
    std::vector<std::string> known_;
    std::string lastUsed_;
    Reporter &reporter_;
};

}  // namespace zelib
