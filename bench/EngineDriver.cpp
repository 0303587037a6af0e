// Drives the engine libraries for the benchmark, loading them at run time
// from this program's folder as the program does.
//
//   ze_bench zip-each <list> <out-folder> <level>  one archive per listed file
//   ze_bench zip-tree <archive> <level>             "*" recursively from the current folder
//   ze_bench test <list>                            tests every listed archive
// Lists hold one path per line. Exit status 0 only when every call gave 0.
#include "engine/ZeAbi.h"

#include <dlfcn.h>
#include <unistd.h>
#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

namespace {

int32_t quietCallback(int32_t, void *, void *) {
    return 0;
}

std::string ownFolder() {
    std::vector<char> buffer(4096);
    const ssize_t n = readlink("/proc/self/exe", buffer.data(), buffer.size() - 1);
    if (n <= 0)
        return ".";
    std::string path(buffer.data(), static_cast<size_t>(n));
    return path.substr(0, path.rfind('/'));
}

ZeEntryPoint load(const char *library, const char *entry) {
    void *handle = dlopen((ownFolder() + "/" + library).c_str(), RTLD_NOW | RTLD_LOCAL);
    if (handle == nullptr) {
        std::fprintf(stderr, "%s\n", dlerror());
        return nullptr;
    }
    return reinterpret_cast<ZeEntryPoint>(dlsym(handle, entry));
}

int32_t call(ZeEntryPoint entry, const std::vector<std::string> &args) {
    std::vector<const char *> argv;
    for (const std::string &a : args)
        argv.push_back(a.c_str());
    return entry(ZE_VERSION, static_cast<int32_t>(argv.size()), argv.data(), quietCallback,
                 nullptr);
}

std::vector<std::string> readList(const char *path) {
    std::vector<std::string> lines;
    std::ifstream file(path);
    for (std::string line; std::getline(file, line);)
        if (!line.empty())
            lines.push_back(line);
    return lines;
}

}  // namespace

int main(int argc, char **argv) {
    const std::string command = argc > 1 ? argv[1] : "";
    ZeEntryPoint zip = load("libzezip.so", "zezip");
    ZeEntryPoint unzip = load("libzeunzip.so", "zeunzip");
    if (zip == nullptr || unzip == nullptr)
        return 2;
    int failures = 0;
    if (command == "zip-each" && argc == 5) {
        const std::string out = argv[3];
        const std::string level = std::string("-") + argv[4];
        int index = 0;
        for (const std::string &file : readList(argv[2])) {
            const std::string archive = out + "/" + std::to_string(index++) + "_" +
                                        file.substr(file.rfind('/') + 1) + ".zip";
            unlink(archive.c_str());
            if (const int32_t code = call(zip, {"", level, archive, "-W", file})) {
                std::fprintf(stderr, "%s: %d\n", file.c_str(), code);
                ++failures;
            }
        }
    } else if (command == "zip-tree" && argc == 4) {
        unlink(argv[2]);
        if (const int32_t code =
                call(zip, {"", "-r", std::string("-") + argv[3], argv[2], "-W", "*"})) {
            std::fprintf(stderr, "%s: %d\n", argv[2], code);
            ++failures;
        }
    } else if (command == "test" && argc == 3) {
        for (const std::string &archive : readList(argv[2])) {
            if (const int32_t code = call(unzip, {"", "-t", archive})) {
                std::fprintf(stderr, "%s: %d\n", archive.c_str(), code);
                ++failures;
            }
        }
    } else {
        std::fprintf(stderr,
                     "usage: ze_bench zip-each <list> <out> <level> | zip-tree <archive> <level> | "
                     "test <list>\n");
        return 2;
    }
    return failures == 0 ? 0 : 1;
}
