// Measures, in one run, how fast the trim tool keeps the middle half of a
// large file against dd copying the same bytes with skip and count in 1 MiB
// blocks, with and without conv=fsync (the trim flushes its copy to disk
// before it replaces the file, so dd with conv=fsync does the same work).
// Every trimmed file is compared with dd's output, so a fast wrong answer
// cannot pass.
//
//     trim_bench <work folder> [size in MiB] [repeats]
//                (build/bin/trim_bench build/bench-trim 1024 3)
//
// The source file is made once and kept in the folder; each trim works on a
// hard link to it, which the trim replaces, so the source stays whole. The
// source is read from the page cache by both sides; dirty pages are written
// out before every timed run.
#include "tools/trim/FileTrim.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>

#include <unistd.h>
#include <algorithm>
#include <cstdio>
#include <functional>
#include <memory>

namespace {

constexpr qint64 kMiB = 1024 * 1024;

// Bytes that do not compress and differ from block to block.
bool makeSource(const QString &path, qint64 size) {
    if (QFile(path).size() == size)
        return true;
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return false;
    std::vector<quint64> block(kMiB / sizeof(quint64));
    quint64 state = 0x9E3779B97F4A7C15ull;
    for (qint64 done = 0; done < size; done += kMiB) {
        for (quint64 &word : block) {
            state ^= state << 13;
            state ^= state >> 7;
            state ^= state << 17;
            word = state;
        }
        if (file.write(reinterpret_cast<const char *>(block.data()), kMiB) != kMiB)
            return false;
    }
    return file.flush();
}

// Times `work` after the dirty pages of earlier runs reached the disk.
double seconds(const std::function<bool()> &work, bool &ok) {
    ::sync();
    QElapsedTimer timer;
    timer.start();
    ok = work() && ok;
    return static_cast<double>(timer.nsecsElapsed()) / 1e9;
}

// dd writes a new file, as the trim does, instead of truncating its last.
bool dd(const QString &source, const QString &target, qint64 skip, qint64 count, bool fsync) {
    QStringList arguments{"if=" + source,
                          "of=" + target,
                          "bs=1M",
                          QStringLiteral("skip=%1").arg(skip),
                          QStringLiteral("count=%1").arg(count),
                          "status=none"};
    if (fsync)
        arguments << "conv=fsync";
    QProcess process;
    process.start("dd", arguments);
    return process.waitForFinished(-1) && process.exitStatus() == QProcess::NormalExit &&
           process.exitCode() == 0;
}

bool sameBytes(const QString &a, const QString &b) {
    QProcess process;
    process.start("cmp", {"-s", a, b});
    return process.waitForFinished(-1) && process.exitCode() == 0;
}

}  // namespace

int main(int argc, char **argv) {
    QCoreApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: trim_bench <work folder> [size in MiB] [repeats]\n");
        return 2;
    }
    const QString folder = QString::fromLocal8Bit(argv[1]);
    const qint64 sizeMiB = argc > 2 ? std::max(4LL, std::atoll(argv[2])) : 1024;
    const int repeats = argc > 3 ? std::max(1, std::atoi(argv[3])) : 3;
    QDir().mkpath(folder);
    const QString source = folder + "/source.bin";
    const QString victim = folder + "/trimmed.bin";
    const QString copied = folder + "/dd.bin";
    if (!makeSource(source, sizeMiB * kMiB)) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(source));
        return 1;
    }
    // The middle half: from the first byte of the second quarter to the
    // last byte of the third.
    const qint64 skip = sizeMiB / 4, count = sizeMiB / 2;
    const qint64 start = skip * kMiB + 1, end = (skip + count) * kMiB;

    double trimBest = 1e30, ddBest = 1e30, ddSyncBest = 1e30;
    bool ok = true;
    for (int r = 0; r < repeats && ok; ++r) {
        QFile::remove(victim);
        ok = ::link(QFile::encodeName(source), QFile::encodeName(victim)) == 0;
        trimBest = std::min(
            trimBest,
            seconds([&] { return tools::trimFile(victim, start, end, [](int) {}).trimmed; }, ok));
        QFile::remove(copied);
        ddBest =
            std::min(ddBest, seconds([&] { return dd(source, copied, skip, count, false); }, ok));
        ok = ok && sameBytes(victim, copied);
        QFile::remove(copied);
        ddSyncBest = std::min(ddSyncBest,
                              seconds([&] { return dd(source, copied, skip, count, true); }, ok));
    }
    QFile::remove(victim);
    QFile::remove(copied);
    if (!ok) {
        std::fprintf(stderr, "a run failed, or the trimmed file differs from dd's copy\n");
        return 1;
    }
    const double mib = static_cast<double>(count);
    std::printf("middle %lld MiB of a %lld MiB file, best of %d\n", count, sizeMiB, repeats);
    std::printf("  trim              %7.3f s  %7.0f MiB/s\n", trimBest, mib / trimBest);
    std::printf("  dd conv=fsync     %7.3f s  %7.0f MiB/s  trim speed / dd: %.2f\n", ddSyncBest,
                mib / ddSyncBest, ddSyncBest / trimBest);
    std::printf("  dd (no fsync)     %7.3f s  %7.0f MiB/s  trim speed / dd: %.2f\n", ddBest,
                mib / ddBest, ddBest / trimBest);
    return 0;
}
