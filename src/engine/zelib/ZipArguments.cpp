#include "ZipArguments.h"

#include "engine/ZeAbi.h"

#include <cstdlib>
#include <cstring>
#include <mutex>

namespace zelib {

namespace {

bool parseBudget(const std::string &token, uint64_t &budget) {
    static const std::string kPrefix = "--memory-budget=";
    if (token.compare(0, kPrefix.size(), kPrefix) != 0)
        return false;
    char *end = nullptr;
    const unsigned long long value = std::strtoull(token.c_str() + kPrefix.size(), &end, 10);
    if (end == nullptr || *end != '\0')
        return false;
    budget = value;
    return true;
}

}  // namespace

namespace {

std::optional<time_t> dayDateOf(const std::string &text) {
    if (text.size() != 8)
        return std::nullopt;
    for (const char c : text)
        if (c < '0' || c > '9')
            return std::nullopt;
    struct tm day {};
    day.tm_mday = std::atoi(text.substr(0, 2).c_str());
    day.tm_mon = std::atoi(text.substr(2, 2).c_str()) - 1;
    day.tm_year = std::atoi(text.substr(4, 4).c_str()) - 1900;
    day.tm_isdst = -1;
    const struct tm wanted = day;
    const time_t when = mktime(&day);
    // mktime quietly turns 31 February into 3 March: refuse such dates.
    if (when == static_cast<time_t>(-1) || day.tm_mday != wanted.tm_mday ||
        day.tm_mon != wanted.tm_mon || day.tm_year != wanted.tm_year)
        return std::nullopt;
    return when;
}

}  // namespace

std::optional<time_t> parseDayDate(const std::string &text) {
    // Every call of a batch names the same day, and each mktime looks at the
    // time zone file again: the last answer is kept.
    static std::mutex mutex;
    static std::string lastText;
    static std::optional<time_t> lastDay;
    const std::lock_guard<std::mutex> lock(mutex);
    if (lastText.empty() || text != lastText) {
        lastDay = dayDateOf(text);
        lastText = text;
    }
    return lastDay;
}

std::vector<std::string> splitSuffixes(const std::string &text) {
    std::vector<std::string> suffixes;
    std::string current;
    for (const char c : text + ";") {
        if (c == ';' || c == ':') {
            if (!current.empty())
                suffixes.push_back(current);
            current.clear();
        } else if (c != ' ' && c != '\t') {
            current += c;
        }
    }
    return suffixes;
}

int32_t parseZipArguments(int32_t argc, const char *const *argv, ZipArguments &out) {
    if (argc < 1 || argv == nullptr)
        return ZE_ERR_INTERNAL;
    for (int32_t i = 0; i < argc; ++i)
        if (argv[i] == nullptr)
            return ZE_ERR_INTERNAL;
    out = ZipArguments{};
    out.password = argv[0];

    int32_t i = 1;
    auto value = [&](std::string &target) {
        if (i + 1 >= argc)
            return false;
        target = argv[++i];
        return true;
    };
    for (; i < argc; ++i) {
        const std::string token = argv[i];
        if (token == "-X" || token == "-M" || token == "-!")
            return ZE_ERR_UNSUPPORTED;
        if (token == "-f") {
            out.action = ZipArguments::Action::Freshen;
        } else if (token == "-u") {
            out.action = ZipArguments::Action::Update;
        } else if (token == "-o") {
            out.action = ZipArguments::Action::Stamp;
        } else if (token == "-e") {
            out.encrypt = true;
        } else if (token == "-m") {
            out.move = true;
        } else if (token == "-S") {
            out.hidden = true;
        } else if (token == "-D") {
            out.folderEntries = true;
        } else if (token == "-r") {
            out.recurse = true;
        } else if (token == "-j") {
            out.junkPaths = true;
        } else if (token == "-$" || token == "-&" || token == "-g") {
            // Volume labels and clearing disks belong to floppy sets, and the
            // archive is always rebuilt in a temporary file: nothing to do.
        } else if (token.size() == 2 && token[0] == '-' && token[1] >= '0' && token[1] <= '9') {
            out.level = token[1] - '0';
        } else if (token == "-b") {
            if (!value(out.tempFolder))
                return ZE_ERR_INTERNAL;
        } else if (token == "-n") {
            std::string list;
            if (!value(list))
                return ZE_ERR_INTERNAL;
            out.storedSuffixes = splitSuffixes(list);
        } else if (token == "-t") {
            std::string date;
            if (!value(date))
                return ZE_ERR_INTERNAL;
            out.since = parseDayDate(date);
            if (!out.since)
                return ZE_ERR_INTERNAL;
        } else if (token == "--no-flush") {
            out.flushNew = false;
        } else if (parseBudget(token, out.memoryBudget)) {
        } else {
            break;  // the first text that is no option names the archive
        }
    }
    if (i >= argc)
        return ZE_ERR_INTERNAL;
    out.archive = argv[i++];
    if (out.archive.empty())
        return ZE_ERR_INTERNAL;
    if (out.action == ZipArguments::Action::Stamp)
        return ZE_OK;

    if (i < argc && std::strcmp(argv[i], "-W") == 0)
        ++i;
    std::vector<std::string> *list = &out.names;
    for (; i < argc; ++i) {
        const std::string token = argv[i];
        if (token == "-i") {
            list = &out.includes;
        } else if (token == "-x") {
            list = &out.excludes;
        } else if (!token.empty()) {
            list->push_back(token);
        }
    }
    return ZE_OK;
}

}  // namespace zelib
