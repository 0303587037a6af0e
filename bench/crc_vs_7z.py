#!/usr/bin/env python3
"""The CRC32 report from the command line against `7z h -scrcCRC32`, in one run.

    bench/crc_vs_7z.py [--build build] [--runs 9] [--small build/crc-small-corpus]
                       [--big build/crc-big-corpus]

Two corpora, made when missing:
  - small: 3,800 files of this machine copied into one folder in a fixed
    order (message catalogs, C headers, PNG and SVG icons; about 70 MB);
  - big: four files of 192 MiB of random bytes.
On each, with the files in the page cache, the runs alternate between
`tovrane-batch crc` (every file of the folder), `7z h -scrcCRC32` over the
same names, and `cat` of the same files to /dev/null (what reading them
costs, the page cache's read speed); the median and the fastest of `--runs`
runs count. Both tools' checksums are compared, so a fast wrong answer
cannot pass. Targets: at least 7z's speed on the small files, and the
page cache's read speed (cat) on the big ones.
"""
import argparse
import os
import re
import shutil
import statistics
import subprocess
import sys
import time

MB = 1 << 20

# source: (roots, name test, how many files)
SMALL_CLASSES = [
    (["/usr/share/locale"], lambda n: n.endswith(".mo"), 1300),
    (["/usr/include"], lambda n: n.endswith((".h", ".hpp")), 1500),
    (["/usr/share/icons"], lambda n: n.endswith((".png", ".svg")), 1000),
]
BIG_FILES = 4
BIG_SIZE = 192 * MB


def make_small(corpus):
    """Copies every k-th file (sorted order, at most 1 MiB) of each class."""
    tmp = corpus + ".part"
    shutil.rmtree(tmp, ignore_errors=True)
    os.makedirs(tmp)
    count = 0
    for roots, wanted, number in SMALL_CLASSES:
        found = []
        for root in roots:
            for folder, dirs, files in os.walk(root):
                dirs.sort()
                for n in sorted(files):
                    path = os.path.join(folder, n)
                    if wanted(n) and not os.path.islink(path) and os.path.isfile(path) \
                            and os.path.getsize(path) <= MB:
                        found.append(path)
        step = max(1, len(found) // number)
        for path in found[::step][:number]:
            shutil.copyfile(path, os.path.join(tmp, "%04d_%s" % (count, os.path.basename(path))))
            count += 1
    os.rename(tmp, corpus)


def make_big(corpus):
    tmp = corpus + ".part"
    shutil.rmtree(tmp, ignore_errors=True)
    os.makedirs(tmp)
    for i in range(BIG_FILES):
        with open(os.path.join(tmp, "big%d.bin" % i), "wb") as f:
            for _ in range(BIG_SIZE // (16 * MB)):
                f.write(os.urandom(16 * MB))
    os.rename(tmp, corpus)


def run(command, cwd):
    start = time.perf_counter()
    done = subprocess.run(command, cwd=cwd, stdout=subprocess.PIPE, stderr=subprocess.PIPE)
    seconds = time.perf_counter() - start
    if done.returncode != 0:
        sys.exit("failed (%d): %s\n%s" % (done.returncode, " ".join(command[:3]), done.stderr.decode()))
    return seconds, done.stdout.decode("utf-8", "replace")


def ours_sums(output):
    """"name","CRC",size lines of tovrane-batch crc, the header left out."""
    sums = {}
    for line in output.splitlines()[1:]:
        m = re.fullmatch(r'"(.*)","([0-9A-F]{8})",\d+', line)
        if m:
            sums[m.group(1)] = m.group(2)
    return sums


def sevenzip_sums(output):
    """"CRC  size  name" lines of 7z h."""
    sums = {}
    for line in output.splitlines():
        m = re.fullmatch(r"([0-9A-F]{8}) +\d+ +(.+)", line.strip())
        if m:
            sums[m.group(2)] = m.group(1)
    return sums


def compare(name, corpus, batch, runs):
    files = sorted(n for n in os.listdir(corpus) if os.path.isfile(os.path.join(corpus, n)))
    total = sum(os.path.getsize(os.path.join(corpus, n)) for n in files)
    commands = {
        "tovrane-batch crc": [batch, "crc"] + files,
        "7z h -scrcCRC32": ["7z", "h", "-scrcCRC32"] + files,
        "cat > /dev/null": ["sh", "-c", 'cat "$@" > /dev/null', "cat"] + files,
    }
    times = {k: [] for k in commands}
    outputs = {}
    for k, c in commands.items():  # warms the page cache and the programs
        outputs[k] = run(c, corpus)[1]
    for _ in range(runs):
        for k, c in commands.items():
            times[k].append(run(c, corpus)[0])
    ours, theirs = ours_sums(outputs["tovrane-batch crc"]), sevenzip_sums(outputs["7z h -scrcCRC32"])
    agree = len(ours) == len(files) and ours == theirs
    print("%s: %d files, %.1f MB in %s; median and fastest of %d alternating runs" %
          (name, len(files), total / 1e6, corpus, runs))
    base = statistics.median(times["tovrane-batch crc"])
    for k, t in times.items():
        med = statistics.median(t)
        print("  %-20s median %7.1f ms  fastest %7.1f ms  %7.0f MB/s  this/ours %5.2f" %
              (k, med * 1e3, min(t) * 1e3, total / 1e6 / med, med / base))
    print("  checksums %s" % ("agree" if agree else "DIFFER"))
    return agree, times


def main():
    parser = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("--build", default="build")
    parser.add_argument("--runs", type=int, default=9)
    parser.add_argument("--small", default=None)
    parser.add_argument("--big", default=None)
    args = parser.parse_args()
    build = os.path.abspath(args.build)
    batch = os.path.join(build, "bin", "tovrane-batch")
    small = os.path.abspath(args.small or os.path.join(build, "crc-small-corpus"))
    big = os.path.abspath(args.big or os.path.join(build, "crc-big-corpus"))
    if not os.path.isdir(small):
        make_small(small)
    if not os.path.isdir(big):
        make_big(big)
    print("cores %d, load %.2f %.2f %.2f" % ((len(os.sched_getaffinity(0)),) + os.getloadavg()))
    ok_small, t_small = compare("small files", small, batch, args.runs)
    ok_big, t_big = compare("big files", big, batch, args.runs)
    ratio_small = statistics.median(t_small["7z h -scrcCRC32"]) / statistics.median(t_small["tovrane-batch crc"])
    ratio_big = statistics.median(t_big["cat > /dev/null"]) / statistics.median(t_big["tovrane-batch crc"])
    print("small files: %.2fx 7z h (target >= 1); big files: %.2fx cat's read speed (target >= 1)" %
          (ratio_small, ratio_big))
    return 0 if ok_small and ok_big else 1


if __name__ == "__main__":
    sys.exit(main())
