// Measures, in one run and with the files in the page cache, how fast the
// CRC-32 report checksums files (FileCrc32) against libdeflate's CRC-32 on
// the same bytes already in memory, 7-Zip's "7z h -scrcCRC32" and Python's
// zlib.crc32 over the same files. Every peer's checksums are compared with
// ours, so a fast wrong answer cannot pass.
//
//     crc_bench <corpus folder> [repeats]   (build/bin/crc_bench build/bench-corpus 9)
//
// The corpus is the engine benchmark's (ze_corpus: fixed seed, 1 KB to 64 MB
// files, about 168 MB); it is made when the folder does not exist.
#include "tools/crc/Crc32.h"
#include "tools/crc/Crc32Kernels.h"
#include "tools/crc/FileCrc32.h"

#include <QCoreApplication>
#include <QDir>
#include <QDirIterator>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QMap>
#include <QProcess>

#include <libdeflate.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <functional>
#include <optional>
#include <vector>

namespace {

struct CorpusFile {
    QString name;  // relative to the corpus folder
    qint64 size;
};

// Every file below the corpus folder, by relative path.
std::vector<CorpusFile> corpusFiles(const QString &folder) {
    std::vector<CorpusFile> files;
    QDirIterator it(folder, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        it.next();
        files.push_back({QDir(folder).relativeFilePath(it.filePath()), it.fileInfo().size()});
    }
    std::sort(files.begin(), files.end(),
              [](const CorpusFile &a, const CorpusFile &b) { return a.name < b.name; });
    return files;
}

// Best of `repeats` wall times, in seconds.
double best(int repeats, const std::function<void()> &work) {
    double fastest = 1e30;
    for (int r = 0; r < repeats; ++r) {
        QElapsedTimer timer;
        timer.start();
        work();
        fastest = std::min(fastest, static_cast<double>(timer.nsecsElapsed()) / 1e9);
    }
    return fastest;
}

using Checksums = QMap<QString, QString>;

// Runs a peer; returns its standard output, or nothing when it failed.
std::optional<QString> runPeer(const QString &program, const QStringList &arguments) {
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(-1) || process.exitStatus() != QProcess::NormalExit ||
        process.exitCode() != 0)
        return std::nullopt;
    return QString::fromUtf8(process.readAllStandardOutput());
}

// "CBF43926            9  name" lines of 7z h; names come as
// "<corpus folder name>/<relative path>", folders with an empty CRC.
Checksums parse7z(const QString &output, const std::vector<CorpusFile> &files) {
    Checksums sums;
    for (const QString &line : output.split(QLatin1Char('\n'))) {
        const QStringList parts = line.simplified().split(QLatin1Char(' '));
        if (parts.size() != 3 || parts[0].size() != 8)
            continue;
        const QString name = parts[2].section(QLatin1Char('/'), 1);
        if (std::any_of(files.begin(), files.end(),
                        [&](const CorpusFile &f) { return f.name == name; }))
            sums[name] = parts[0].toUpper();
    }
    return sums;
}

// "name CRC" lines of the Python script.
Checksums parsePython(const QString &output) {
    Checksums sums;
    for (const QString &line : output.split(QLatin1Char('\n'))) {
        const QStringList parts = line.split(QLatin1Char(' '));
        if (parts.size() == 2)
            sums[parts[0]] = parts[1];
    }
    return sums;
}

const char *kPythonScript =
    "import os, sys, zlib\n"
    "folder = sys.argv[1]\n"
    "for top, _, names in sorted(os.walk(folder)):\n"
    "    for name in sorted(names):\n"
    "        path = os.path.join(top, name)\n"
    "        crc = 0\n"
    "        with open(path, 'rb') as f:\n"
    "            while True:\n"
    "                block = f.read(1 << 20)\n"
    "                if not block:\n"
    "                    break\n"
    "                crc = zlib.crc32(block, crc)\n"
    "        print(os.path.relpath(path, folder), '%08X' % crc)\n";

}  // namespace

int main(int argc, char **argv) {
    QCoreApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments();
    if (args.size() < 2) {
        std::fprintf(stderr, "usage: crc_bench <corpus folder> [repeats]\n");
        return 2;
    }
    const QString folder = QDir(args[1]).absolutePath();
    const int repeats = args.size() > 2 ? std::max(1, args[2].toInt()) : 5;
    // The engine benchmark's corpus, made by its generator when missing.
    if (!QFileInfo::exists(folder) &&
        QProcess::execute(QCoreApplication::applicationDirPath() + QStringLiteral("/ze_corpus"),
                          {folder}) != 0) {
        std::fprintf(stderr, "cannot make the corpus in %s\n", qPrintable(folder));
        return 1;
    }
    const std::vector<CorpusFile> plan = corpusFiles(folder);
    qint64 total = 0;
    for (const CorpusFile &f : plan)
        total += f.size;

    // Ours, through the report's routine; the first pass also warms the cache.
    Checksums ours;
    const auto fileCrcPass = [&] {
        for (const CorpusFile &f : plan) {
            quint32 crc = tools::kCrc32Start;
            qint64 count = -1;
            tools::FileCrc32(QDir(folder).filePath(f.name), crc, count);
            ours[f.name] = count == f.size ? tools::crc32Hex(~crc) : QStringLiteral("FAILED");
        }
    };
    fileCrcPass();
    const double fileCrcTime = best(repeats, fileCrcPass);

    // libdeflate alone, on the same bytes already in memory.
    std::vector<QByteArray> inMemory;
    for (const CorpusFile &f : plan) {
        QFile file(QDir(folder).filePath(f.name));
        if (!file.open(QIODevice::ReadOnly))
            return 1;
        inMemory.push_back(file.readAll());
    }
    Checksums raw;
    const double rawTime = best(repeats, [&] {
        for (std::size_t i = 0; i < plan.size(); ++i)
            raw[plan[i].name] = tools::crc32Hex(libdeflate_crc32(
                0, inMemory[i].constData(), static_cast<std::size_t>(inMemory[i].size())));
    });

    // Our block routine on the same bytes in memory: the kernel alone.
    Checksums kernel;
    const double kernelTime = best(repeats, [&] {
        for (std::size_t i = 0; i < plan.size(); ++i) {
            quint32 crc = tools::kCrc32Start;
            tools::UpdateCrc32Block(inMemory[i].constData(),
                                    static_cast<std::size_t>(inMemory[i].size()), crc);
            kernel[plan[i].name] = tools::crc32Hex(~crc);
        }
    });

    std::optional<QString> sevenZipOut, pythonOut;
    const double sevenZipTime = best(repeats, [&] {
        sevenZipOut = runPeer(QStringLiteral("7z"),
                              {QStringLiteral("h"), QStringLiteral("-scrcCRC32"), folder});
    });
    const double pythonTime = best(repeats, [&] {
        pythonOut = runPeer(QStringLiteral("python3"),
                            {QStringLiteral("-c"), QString::fromLatin1(kPythonScript), folder});
    });

    const bool rawAgrees = raw == ours;
    const bool sevenZipAgrees = sevenZipOut && parse7z(*sevenZipOut, plan) == ours;
    const bool pythonAgrees = pythonOut && parsePython(*pythonOut) == ours;

    const double mib = static_cast<double>(total) / (1024.0 * 1024.0);
    std::printf("corpus: %zu files, %.1f MiB in %s; best of %d, page cache hot\n", plan.size(), mib,
                qPrintable(folder), repeats);
    std::printf("read block of FileCrc32: %lld KiB; wide CRC kernel (AVX-512 VPCLMULQDQ): %s\n",
                static_cast<long long>(tools::kCrcReadBlock / 1024),
                tools::kernels::hasWideCrc32() ? "in use" : "not available, libdeflate only");
    const auto line = [&](const char *what, double seconds, bool agrees) {
        std::printf("%-36s %8.1f ms %9.0f MiB/s  ours/this %5.2f  %s\n", what, seconds * 1e3,
                    mib / seconds, seconds / fileCrcTime, agrees ? "checksums agree" : "MISMATCH");
    };
    line("FileCrc32 (report, from files)", fileCrcTime, true);
    line("libdeflate_crc32 (bytes in memory)", rawTime, rawAgrees);
    line("UpdateCrc32Block (bytes in memory)", kernelTime, kernel == ours);
    line("7z h -scrcCRC32 (process)", sevenZipTime, sevenZipAgrees);
    line("python3 zlib.crc32 (process)", pythonTime, pythonAgrees);
    std::printf("FileCrc32 speed as a share of libdeflate in memory: %.0f%%\n",
                100.0 * rawTime / fileCrcTime);
    return rawAgrees && kernel == ours && sevenZipAgrees && pythonAgrees ? 0 : 1;
}
