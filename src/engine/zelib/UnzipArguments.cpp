#include "UnzipArguments.h"

#include "engine/ZeAbi.h"

#include <cstdlib>
#include <cstring>

namespace zelib {

int32_t parseUnzipArguments(int32_t argc, const char *const *argv, UnzipArguments &out) {
    if (argc < 1 || argv == nullptr)
        return ZE_ERR_INTERNAL;
    for (int32_t i = 0; i < argc; ++i)
        if (argv[i] == nullptr)
            return ZE_ERR_INTERNAL;
    out = UnzipArguments{};
    out.password = argv[0];

    static const std::string kBudget = "--memory-budget=";
    int32_t i = 1;
    for (; i < argc; ++i) {
        const std::string token = argv[i];
        if (token == "-f") {
            out.action = UnzipArguments::Action::Freshen;
        } else if (token == "-u") {
            out.action = UnzipArguments::Action::Update;
        } else if (token == "-t") {
            out.action = UnzipArguments::Action::Test;
        } else if (token == "-n") {
            out.overwrite = UnzipArguments::Overwrite::Never;
        } else if (token == "-o") {
            out.overwrite = UnzipArguments::Overwrite::Always;
        } else if (token == "-j") {
            out.junkPaths = true;
        } else if (token == "-!") {
            // Split archives are refused when they are opened.
        } else if (token.size() >= 2 && token[0] == '-' && (token[1] == '1' || token[1] == '2')) {
            // "-1<n>" and "-2<n>" carry values this engine has no use for.
        } else if (token.compare(0, kBudget.size(), kBudget) == 0) {
            char *end = nullptr;
            out.memoryBudget = std::strtoull(token.c_str() + kBudget.size(), &end, 10);
            if (end == nullptr || *end != '\0')
                return ZE_ERR_INTERNAL;
        } else {
            break;
        }
    }
    if (i >= argc || argv[i][0] == '\0')
        return ZE_ERR_INTERNAL;
    out.archive = argv[i++];

    int32_t end = argc;
    if (end - i >= 2 && std::strcmp(argv[end - 2], "-d") == 0) {
        out.folder = argv[end - 1];
        end -= 2;
        if (out.folder.empty())
            return ZE_ERR_INTERNAL;
    } else if (end - i >= 1 && std::strcmp(argv[end - 1], "-d") == 0) {
        return ZE_ERR_INTERNAL;
    }
    std::vector<std::string> *list = &out.names;
    for (; i < end; ++i) {
        const std::string token = argv[i];
        if (token == "-x") {
            list = &out.excludes;
        } else if (!token.empty()) {
            list->push_back(token);
        }
    }
    return ZE_OK;
}

}  // namespace zelib
