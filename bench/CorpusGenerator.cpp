// Writes the benchmark corpus: text-like, binary-like and incompressible
// files from 1 KB to 64 MB (about 158 MB in all) plus a tree of small files,
// always the same bytes (fixed seeds, no library distributions).
//
//   ze_corpus <folder>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace {

// splitmix64: tiny, fast and fully defined, so the corpus is the same everywhere.
class Random {
  public:
    explicit Random(uint64_t seed) : state_(seed) {}
    uint64_t next() {
        uint64_t z = (state_ += 0x9E3779B97F4A7C15ull);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        return z ^ (z >> 31);
    }
    uint32_t below(uint32_t n) { return static_cast<uint32_t>(next() % n); }
    double unit() { return static_cast<double>(next() >> 11) / 9007199254740992.0; }

  private:
    uint64_t state_;
};

// Prose-like text: a vocabulary of made-up words used with a skewed
// frequency, sentences, punctuation and lines of varying length.
std::string textLike(size_t size, uint64_t seed) {
    static const char *syllables[] = {"ka", "ro",  "mi",  "ten", "sa",   "lo",  "ver", "an",
                                      "di", "que", "por", "el",  "us",   "tra", "ne",  "com",
                                      "pi", "zo",  "ha",  "ble", "ment", "ing", "st",  "ur"};
    Random random(seed);
    std::vector<std::string> words;
    for (int i = 0; i < 3000; ++i) {
        std::string word;
        const int count = 1 + static_cast<int>(random.below(4));
        for (int k = 0; k < count; ++k)
            word += syllables[random.below(24)];
        words.push_back(word);
    }
    std::string out;
    out.reserve(size + 64);
    size_t line = 0;
    bool capital = true;
    while (out.size() < size) {
        const double u = random.unit();
        std::string word =
            words[static_cast<size_t>(u * u * u * static_cast<double>(words.size()))];
        if (capital)
            word[0] = static_cast<char>(word[0] - 'a' + 'A');
        capital = false;
        out += word;
        line += word.size();
        const uint32_t mark = random.below(100);
        if (mark < 6) {
            out += '.';
            capital = true;
        } else if (mark < 10) {
            out += ',';
        } else if (mark < 11) {
            out += std::to_string(random.below(10000));
        }
        if (line > 60 + random.below(20)) {
            out += '\n';
            line = 0;
        } else {
            out += ' ';
        }
    }
    out.resize(size);
    return out;
}

// Binary-like data: fixed-size records with counters, small deltas, flags,
// floats and short names, the way tables and program data look.
std::string binaryLike(size_t size, uint64_t seed) {
    Random random(seed);
    std::string out;
    out.reserve(size + 64);
    uint32_t counter = random.below(1000);
    uint32_t value = random.below(1 << 20);
    while (out.size() < size) {
        auto put32 = [&](uint32_t v) {
            for (int i = 0; i < 4; ++i)
                out += static_cast<char>((v >> (8 * i)) & 0xFF);
        };
        put32(counter++);
        value += random.below(64) - 24;
        put32(value);
        put32(random.below(4) == 0 ? random.below(1 << 16) : 0);
        const float f = static_cast<float>(random.unit() * 1000.0);
        uint32_t bits = 0;
        static_assert(sizeof bits == sizeof f);
        __builtin_memcpy(&bits, &f, sizeof bits);
        put32(bits & 0xFFFFF000u);  // limited precision, as measured data often is
        static const char *names[] = {"alpha", "beta",  "gamma", "delta",
                                      "omega", "sigma", "tau",   "rho"};
        std::string name = names[random.below(8)];
        name.resize(12, '\0');
        out += name;
        if (random.below(50) == 0)
            for (int i = 0; i < 32; ++i)
                out += static_cast<char>(random.next());
    }
    out.resize(size);
    return out;
}

std::string incompressible(size_t size, uint64_t seed) {
    Random random(seed);
    std::string out(size, '\0');
    for (char &c : out)
        c = static_cast<char>(random.next() >> 56);
    return out;
}

bool writeFile(const std::filesystem::path &path, const std::string &bytes) {
    std::filesystem::create_directories(path.parent_path());
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    return static_cast<bool>(file);
}

}  // namespace

int main(int argc, char **argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <folder>\n", argv[0]);
        return 2;
    }
    const std::filesystem::path root = argv[1];
    constexpr size_t K = 1024, M = 1024 * 1024;
    struct Kind {
        const char *folder;
        const char *extension;
        std::string (*make)(size_t, uint64_t);
        std::vector<size_t> sizes;
    } kinds[] = {
        {"text",
         "txt",
         textLike,
         {1 * K, 4 * K, 16 * K, 64 * K, 256 * K, 1 * M, 4 * M, 16 * M, 64 * M}},
        {"binary",
         "bin",
         binaryLike,
         {2 * K, 8 * K, 32 * K, 128 * K, 512 * K, 2 * M, 8 * M, 16 * M, 32 * M}},
        {"noise", "dat", incompressible, {1 * K, 10 * K, 100 * K, 1 * M, 10 * M}},
    };
    uint64_t seed = 1;
    size_t total = 0;
    for (const Kind &kind : kinds) {
        for (const size_t size : kind.sizes) {
            const std::string name =
                kind.folder + std::string("_") + std::to_string(size / K) + "k." + kind.extension;
            if (!writeFile(root / kind.folder / name, kind.make(size, seed++)))
                return 1;
            total += size;
        }
    }
    // A tree of small files, as a folder zipped whole usually is.
    Random random(99);
    for (int i = 0; i < 240; ++i) {
        const size_t size = 1 * K + random.below(40 * K);
        const bool text = random.below(3) != 0;
        const std::filesystem::path path = root / "tree" / ("dir" + std::to_string(i % 12)) /
                                           ("sub" + std::to_string(i % 3)) /
                                           ("file" + std::to_string(i) + (text ? ".txt" : ".bin"));
        if (!writeFile(path, text ? textLike(size, 1000 + i) : binaryLike(size, 1000 + i)))
            return 1;
        total += size;
    }
    std::printf("%zu bytes written to %s\n", total, root.c_str());
    return 0;
}
