#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace zelib {

// The argument vector of zeunzip, as the component builds it:
//   Extract: password, options, archive, names and patterns, ["-x" patterns],
//            ["-d" folder]
//   Test:    password, ["-!"], "-t", archive, names and patterns
struct UnzipArguments {
    enum class Action { Extract, Freshen, Update, Test };
    enum class Overwrite { Ask, Never, Always };

    std::string password;
    Action action = Action::Extract;       // "-f", "-u", "-t"
    Overwrite overwrite = Overwrite::Ask;  // "-n", "-o"
    bool junkPaths = false;                // "-j"
    std::string archive;
    std::vector<std::string> names;     // empty or "*": every entry
    std::vector<std::string> excludes;  // after "-x"
    std::string folder;                 // after "-d"; empty: the current folder
    uint64_t memoryBudget = 0;          // hidden "--memory-budget=N" for tests
};

// 0, or ZE_ERR_INTERNAL for a vector that cannot be run. "-1<n>", "-2<n>" and
// "-!" are accepted and have no effect.
int32_t parseUnzipArguments(int32_t argc, const char *const *argv, UnzipArguments &out);

}  // namespace zelib
