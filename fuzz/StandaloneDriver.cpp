// Runs a fuzz target without libFuzzer: every seed file named on the command
// line (files or folders of files) once as it is, then --runs=N inputs made
// from them by a fixed pseudo-random sequence of byte edits (--seed=S), so
// that a run is the same every time. An input that trips the target aborts
// the run; it is written to fuzz-crash-input first.
#include "FuzzTarget.h"

#include <algorithm>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace {

using Bytes = std::vector<uint8_t>;

// xorshift64*: small, fast and the same everywhere.
class Random {
  public:
    explicit Random(uint64_t seed) : state_(seed ? seed : 0x9E3779B97F4A7C15ull) {}
    uint64_t next() {
        state_ ^= state_ >> 12;
        state_ ^= state_ << 25;
        state_ ^= state_ >> 27;
        return state_ * 0x2545F4914F6CDD1Dull;
    }
    size_t below(size_t n) { return n == 0 ? 0 : static_cast<size_t>(next() % n); }

  private:
    uint64_t state_;
};

Bytes readFile(const std::filesystem::path &path) {
    std::ifstream in(path, std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// Bytes that parsers care about: line ends, separators, zip signatures.
constexpr uint8_t kInteresting[] = {0,    '\r', '\n', '|', '=', ' ', 'T', 'F', '*', '.', 0xFF, 0x7F,
                                    0x80, 'P',  'K',  3,   4,   1,   2,   5,   6,   7,   8};

void mutate(Bytes &input, const std::vector<Bytes> &seeds, Random &random) {
    const size_t edits = 1 + random.below(8);
    for (size_t e = 0; e < edits; ++e) {
        const size_t at = random.below(input.size() + 1);
        switch (random.below(7)) {
            case 0:  // flip a bit
                if (!input.empty())
                    input[random.below(input.size())] ^=
                        static_cast<uint8_t>(1u << random.below(8));
                break;
            case 1:  // a random byte
                if (!input.empty())
                    input[random.below(input.size())] = static_cast<uint8_t>(random.next());
                break;
            case 2:  // an interesting byte inserted
                input.insert(input.begin() + static_cast<ptrdiff_t>(at),
                             kInteresting[random.below(sizeof(kInteresting))]);
                break;
            case 3:  // a run removed
                if (at < input.size())
                    input.erase(input.begin() + static_cast<ptrdiff_t>(at),
                                input.begin() + static_cast<ptrdiff_t>(
                                                    at + random.below(input.size() - at + 1)));
                break;
            case 4:  // cut short
                input.resize(random.below(input.size() + 1));
                break;
            case 5: {  // a piece of another seed spliced in
                const Bytes &other = seeds[random.below(seeds.size())];
                if (other.empty())
                    break;
                const size_t from = random.below(other.size());
                const size_t length = random.below(other.size() - from) + 1;
                input.insert(input.begin() + static_cast<ptrdiff_t>(at),
                             other.begin() + static_cast<ptrdiff_t>(from),
                             other.begin() + static_cast<ptrdiff_t>(from + length));
                break;
            }
            default:  // a 32-bit field set to an edge value
                if (input.size() >= 4) {
                    static constexpr uint32_t kEdges[] = {0, 1, 0x7FFFFFFF, 0xFFFFFFFF, 0xFFFF};
                    const uint32_t v = kEdges[random.below(std::size(kEdges))];
                    std::memcpy(input.data() + random.below(input.size() - 3), &v, 4);
                }
                break;
        }
    }
    if (input.size() > 1 << 20)
        input.resize(1 << 20);
}

const Bytes *current = nullptr;

void saveCurrent(int signal) {
    if (current != nullptr) {
        if (FILE *out = std::fopen("fuzz-crash-input", "wb")) {
            std::fwrite(current->data(), 1, current->size(), out);
            std::fclose(out);
        }
    }
    std::signal(signal, SIG_DFL);
    std::raise(signal);
}

void run(const Bytes &input) {
    current = &input;
    LLVMFuzzerTestOneInput(input.data(), input.size());
    current = nullptr;
}

}  // namespace

int main(int argc, char **argv) {
    uint64_t runs = 1000, seed = 1;
    std::vector<Bytes> seeds;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg.rfind("--runs=", 0) == 0) {
            runs = std::strtoull(arg.c_str() + 7, nullptr, 10);
        } else if (arg.rfind("--seed=", 0) == 0) {
            seed = std::strtoull(arg.c_str() + 7, nullptr, 10);
        } else if (std::filesystem::is_directory(arg)) {
            std::vector<std::filesystem::path> files;
            for (const auto &entry : std::filesystem::directory_iterator(arg))
                if (entry.is_regular_file())
                    files.push_back(entry.path());
            std::sort(files.begin(), files.end());
            for (const auto &file : files)
                seeds.push_back(readFile(file));
        } else {
            seeds.push_back(readFile(arg));
        }
    }
    if (seeds.empty())
        seeds.emplace_back();
    std::signal(SIGABRT, saveCurrent);
    std::signal(SIGSEGV, saveCurrent);
    for (const Bytes &s : seeds)
        run(s);
    Random random(seed);
    for (uint64_t i = 0; i < runs; ++i) {
        Bytes input = seeds[random.below(seeds.size())];
        mutate(input, seeds, random);
        run(input);
    }
    std::printf("%zu seeds and %llu derived inputs passed\n", seeds.size(),
                static_cast<unsigned long long>(runs));
    return 0;
}
