// The engine's test and extraction on any archive bytes, through the
// zeunzip entry point: no crash, no hang, and nothing written outside the
// extraction folder, no link created in it.
#include "FuzzTarget.h"
#include "engine/ZeAbi.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

int32_t answerNothing(int32_t, void *, void *) {
    return 0;
}

// One folder for the whole run, removed when the run ends.
class WorkFolder {
  public:
    WorkFolder() {
        std::string pattern = (fs::temp_directory_path() / "tovrane-fuzz-XXXXXX").string();
        if (mkdtemp(pattern.data()) == nullptr) {
            std::perror("mkdtemp");
            std::abort();
        }
        path_ = pattern;
    }
    ~WorkFolder() {
        std::error_code error;
        fs::remove_all(path_, error);
    }
    WorkFolder(const WorkFolder &) = delete;
    WorkFolder &operator=(const WorkFolder &) = delete;
    const fs::path &path() const { return path_; }

  private:
    fs::path path_;
};

const fs::path &workFolder() {
    static const WorkFolder folder;
    return folder.path();
}

int32_t unzip(std::initializer_list<std::string> args) {
    std::vector<const char *> argv;
    for (const std::string &arg : args)
        argv.push_back(arg.c_str());
    return zeunzip(ZE_VERSION, static_cast<int32_t>(argv.size()), argv.data(), answerNothing,
                   nullptr);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    const fs::path folder = workFolder();
    const fs::path archive = folder / "in.zip";
    const fs::path out = folder / "out";
    {
        std::ofstream file(archive, std::ios::binary | std::ios::trunc);
        file.write(reinterpret_cast<const char *>(data), static_cast<std::streamsize>(size));
    }
    const std::string budget = "--memory-budget=8388608";
    unzip({"", budget, "-t", archive.string()});
    unzip({"", budget, "-o", archive.string(), "-d", out.string()});

    for (const fs::directory_entry &entry : fs::directory_iterator(folder))
        fuzzCheck(entry.path() == archive || entry.path() == out,
                  "nothing written beside the extraction folder");
    std::error_code error;
    for (auto it = fs::recursive_directory_iterator(out, error);
         !error && it != fs::recursive_directory_iterator(); it.increment(error))
        fuzzCheck(!it->is_symlink(), "no link extracted");
    fs::remove_all(out, error);
    return 0;
}
