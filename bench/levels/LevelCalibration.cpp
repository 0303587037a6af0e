// Measures libdeflate's levels against zlib's on a corpus of classes, the
// way each reaches the user: zlib deflates a whole file in one stream (as
// `zip -N` does), the engine deflates it in independent chunks joined into
// one stream. An entry that would not shrink is stored, on both sides.
//
//   ze_levels <corpus folder>
//
// Every subfolder of the corpus is one class. Prints, for each zlib level,
// the fastest libdeflate level whose output is no larger than zlib's on
// every class within the tolerance and no larger in total, with per class
// size ratio (engine / zlib) and speed ratio (zlib time / engine time),
// then the total size and speed ratios of every pair. Times are the
// thread's CPU time, so other load on the machine matters little.
#include "CompressPipeline.h"
#include "DeflateJoin.h"
#include "MemoryBudget.h"

#include <libdeflate.h>
#include <zlib.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace {

constexpr double kTolerance = 0.005;
constexpr int kZlibLevels = 9, kOurLevels = 12;

double cpuSeconds() {
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) * 1e-9;
}

struct Cost {
    uint64_t bytes = 0;
    double seconds = 0;
};

// Raw deflate, as in a zip entry, with zip's window and memory settings.
uint64_t zlibSize(const std::vector<uint8_t> &data, int level, std::vector<uint8_t> &out) {
    z_stream stream{};
    if (deflateInit2(&stream, level, Z_DEFLATED, -MAX_WBITS, 8, Z_DEFAULT_STRATEGY) != Z_OK)
        return data.size();
    out.resize(deflateBound(&stream, data.size()));
    stream.next_in = const_cast<Bytef *>(data.data());
    stream.avail_in = static_cast<uInt>(data.size());
    stream.next_out = out.data();
    stream.avail_out = static_cast<uInt>(out.size());
    const int result = deflate(&stream, Z_FINISH);
    const uint64_t size = result == Z_STREAM_END ? stream.total_out : data.size();
    deflateEnd(&stream);
    return size;
}

// The engine's chunked stream: every chunk but the last made joinable, a
// chunk that does not shrink kept as stored blocks.
uint64_t engineSize(const std::vector<uint8_t> &data, libdeflate_compressor *compressor,
                    std::vector<uint8_t> &out) {
    const size_t count =
        zelib::CompressPipeline::chunkCount(data.size(), zelib::MemoryBudget().chunkSize());
    const uint64_t piece = zelib::CompressPipeline::pieceLength(data.size(), count);
    uint64_t total = 0;
    size_t offset = 0;
    do {
        const size_t length = std::min<size_t>(piece, data.size() - offset);
        const bool last = offset + length == data.size();
        const size_t bound = libdeflate_deflate_compress_bound(compressor, length);
        out.resize(bound);
        const size_t written = libdeflate_deflate_compress(compressor, data.data() + offset, length,
                                                           out.data(), bound);
        out.resize(written);
        if (written == 0 || (!last && !zelib::makeJoinable(out))) {
            out.clear();
            zelib::appendStoredBlocks(out, data.data() + offset, length);
            if (last)
                out.insert(out.end(), {0x03, 0x00});
        }
        total += out.size();
        offset += length;
    } while (offset < data.size());
    return total;
}

std::vector<uint8_t> readAll(const std::filesystem::path &path) {
    std::ifstream in(path, std::ios::binary);
    return std::vector<uint8_t>(std::istreambuf_iterator<char>(in), {});
}

struct Class {
    std::string name;
    uint64_t bytes = 0;
    Cost zlib[kZlibLevels + 1];
    Cost ours[kOurLevels + 1];
};

void measure(Class &cls, const std::vector<uint8_t> &data, std::vector<uint8_t> &out) {
    cls.bytes += data.size();
    for (int level = 1; level <= kZlibLevels; ++level) {
        const double start = cpuSeconds();
        const uint64_t size = zlibSize(data, level, out);
        cls.zlib[level].seconds += cpuSeconds() - start;
        cls.zlib[level].bytes += std::min<uint64_t>(size, data.size());
    }
    for (int level = 1; level <= kOurLevels; ++level) {
        libdeflate_compressor *compressor = libdeflate_alloc_compressor(level);
        const double start = cpuSeconds();
        const uint64_t size = engineSize(data, compressor, out);
        cls.ours[level].seconds += cpuSeconds() - start;
        cls.ours[level].bytes += std::min<uint64_t>(size, data.size());
        libdeflate_free_compressor(compressor);
    }
}

}  // namespace

int main(int argc, char **argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <corpus folder>\n", argv[0]);
        return 2;
    }
    std::vector<std::filesystem::path> folders;
    for (const auto &entry : std::filesystem::directory_iterator(argv[1]))
        if (entry.is_directory())
            folders.push_back(entry.path());
    std::sort(folders.begin(), folders.end());
    std::vector<Class> classes;
    std::vector<uint8_t> out;
    for (const auto &folder : folders) {
        Class &cls = classes.emplace_back();
        cls.name = folder.filename().string();
        for (const auto &entry : std::filesystem::recursive_directory_iterator(folder))
            if (entry.is_regular_file())
                measure(cls, readAll(entry.path()), out);
    }
    Class all;
    all.name = "total";
    for (const Class &cls : classes) {
        all.bytes += cls.bytes;
        for (int level = 1; level <= kZlibLevels; ++level) {
            all.zlib[level].bytes += cls.zlib[level].bytes;
            all.zlib[level].seconds += cls.zlib[level].seconds;
        }
        for (int level = 1; level <= kOurLevels; ++level) {
            all.ours[level].bytes += cls.ours[level].bytes;
            all.ours[level].seconds += cls.ours[level].seconds;
        }
    }
    std::printf("corpus %s: %.1f MB in %zu classes\n", argv[1], all.bytes / 1e6, classes.size());
    for (const Class &cls : classes)
        std::printf("  %-12s %8.1f MB\n", cls.name.c_str(), cls.bytes / 1e6);

    auto fits = [&](int zlibLevel, int ourLevel) {
        for (const Class &cls : classes)
            if (cls.ours[ourLevel].bytes >
                static_cast<double>(cls.zlib[zlibLevel].bytes) * (1 + kTolerance))
                return false;
        return all.ours[ourLevel].bytes <= all.zlib[zlibLevel].bytes;
    };
    // Level 9 is the smallest output libdeflate makes; the others the
    // fastest that fits.
    int smallest = 1;
    for (int level = 2; level <= kOurLevels; ++level)
        if (all.ours[level].bytes <= all.ours[smallest].bytes)
            smallest = level;
    int map[kZlibLevels + 1] = {};
    for (int level = 1; level <= kZlibLevels; ++level) {
        int chosen = 0;
        for (int ours = 1; ours <= kOurLevels; ++ours)
            if (fits(level, ours) &&
                (chosen == 0 || all.ours[ours].seconds < all.ours[chosen].seconds))
                chosen = ours;
        map[level] = level == kZlibLevels ? smallest : chosen;
    }

    std::printf(
        "\nchosen: zlib level -> libdeflate level; per class size ratio "
        "(engine/zlib) and speed ratio (zlib time/engine time)\n");
    std::printf("%-6s %-5s", "zlib", "ours");
    for (const Class &cls : classes)
        std::printf(" %20s", cls.name.c_str());
    std::printf(" %20s\n", "total");
    for (int level = 1; level <= kZlibLevels; ++level) {
        const int ours = map[level];
        std::printf("%-6d %-5d", level, ours);
        if (ours == 0) {
            std::printf(" none fits\n");
            continue;
        }
        auto cell = [&](const Class &cls) {
            std::printf("   %7.4f  %6.2fx   ",
                        static_cast<double>(cls.ours[ours].bytes) / cls.zlib[level].bytes,
                        cls.zlib[level].seconds / std::max(cls.ours[ours].seconds, 1e-9));
        };
        for (const Class &cls : classes)
            cell(cls);
        cell(all);
        std::printf("\n");
    }
    std::printf("\nlevel map: {0");
    for (int level = 1; level <= kZlibLevels; ++level)
        std::printf(", %d", map[level]);
    std::printf("}\n");

    std::printf("\nall pairs, total size ratio / speed ratio (* fits)\n%-6s", "zlib");
    for (int ours = 1; ours <= kOurLevels; ++ours)
        std::printf(" %13d", ours);
    std::printf("\n");
    for (int level = 1; level <= kZlibLevels; ++level) {
        std::printf("%-6d", level);
        for (int ours = 1; ours <= kOurLevels; ++ours)
            std::printf(" %c%5.3f/%5.2fx", fits(level, ours) ? '*' : ' ',
                        static_cast<double>(all.ours[ours].bytes) / all.zlib[level].bytes,
                        all.zlib[level].seconds / std::max(all.ours[ours].seconds, 1e-9));
        std::printf("\n");
    }
    return 0;
}
