#!/usr/bin/env python3
"""The program's whole file batch against `zip -N` per file, in one run.

    bench/batch_vs_zip.py [--build build] [--corpus build/bench-corpus] [--runs 3] [--level 8]
                          [--work FOLDER]

Makes the corpus if it is missing (ze_corpus, the engine benchmark's), then,
`--runs` times each (the fastest run counts):
  - tovrane_batch_bench: the real file batch loop and archive component,
    driven headless, one archive per file of the corpus folder at the level;
  - `zip -N -q` once per file at the same level, the way a user would script it.
Prints the throughput ratio (target: at least 6 times zip) and the output
size ratio (target: no larger than zip's). bench/levels_vs_zlib.py makes a
mixed corpus of this machine's files: --corpus build/mixed-corpus.

--work names the folder the archives are written in (a temporary folder by
default). Where it lies matters as much as the program: creating a file
costs what the file system makes it cost. On an ext4 without a journal (as
some virtual machines' disks are) every new file first passes over the
inodes freed in the last minutes, so a run right after deleting thousands of
archives pays for them, whoever writes. A journaled ext4, as desktops have,
can be tried on a loop device:
    truncate -s 2G /tmp/j.img && mkfs.ext4 -q -F /tmp/j.img
    mkdir -p /mnt/j && mount -o loop /tmp/j.img /mnt/j
    bench/batch_vs_zip.py --corpus build/mixed-corpus --work /mnt/j
"""
import os
import shutil
import sys
import tempfile

from engine_vs_zip import best, corpus_arguments, folder_size, fresh
from levels_vs_zlib import make_corpus

TARGET = 6.0


def fastest(runs, folder, commands, cwd=None):
    return best(runs, fresh(folder), commands, cwd)[0]


def main():
    def extra(parser):
        parser.add_argument("--level", type=int, default=8, choices=range(1, 10))
        parser.add_argument("--work", default=None)
    if "--corpus" in sys.argv:
        # The mixed corpus is made from this machine's files when missing.
        wanted = os.path.abspath(sys.argv[sys.argv.index("--corpus") + 1])
        if os.path.basename(wanted) == "mixed-corpus" and not os.path.isdir(wanted):
            make_corpus(wanted)
    args, build, corpus = corpus_arguments(__doc__, extra)
    level = str(args.level)
    # One batch per corpus folder, as a user browses to each and selects all
    # of its files; the "tree" folder is the recursive benchmark's.
    batch = os.path.join(build, "bin", "tovrane_batch_bench")
    folders = sorted(d for d in os.listdir(corpus) if os.path.isdir(os.path.join(corpus, d)) and d != "tree")
    t_ours = t_zip = 0.0
    size_ours = size_zip = total = count = 0
    work = tempfile.mkdtemp(prefix="batch-bench-", dir=args.work)
    try:
        for folder in folders:
            source = os.path.join(corpus, folder)
            # The file list shows the folder's own files, hidden ones left out.
            files = sorted(n for n in os.listdir(source)
                           if os.path.isfile(os.path.join(source, n)) and not n.startswith("."))
            total += sum(os.path.getsize(os.path.join(source, n)) for n in files)
            count += len(files)
            ours, theirs = os.path.join(work, folder, "batch"), os.path.join(work, folder, "zip")
            t_ours += fastest(args.runs, ours, [[batch, source, ours, level]])
            t_zip += fastest(args.runs, theirs,
                             [["zip", "-" + level, "-q", os.path.join(theirs, os.path.splitext(n)[0] + ".zip"), n]
                              for n in files], source)
            size_ours += folder_size(ours)
            size_zip += folder_size(theirs)
    finally:
        shutil.rmtree(work, ignore_errors=True)

    print("corpus: %s, %d files in %d folders, %.1f MB; cores %d, load %.2f, fastest of %d runs" %
          (corpus, count, len(folders), total / 1e6, len(os.sched_getaffinity(0)), os.getloadavg()[0],
           args.runs))
    print("archives written under %s" % (args.work or tempfile.gettempdir()))
    print("level %s: file batch: %.2f s (%.1f MB/s); zip -%s per file: %.2f s (%.1f MB/s)" %
          (level, t_ours, total / 1e6 / t_ours, level, t_zip, total / 1e6 / t_zip))
    ratio = t_zip / t_ours
    print("throughput ratio %.2fx (target >= %.1fx); output size %.2f%% of zip's" %
          (ratio, TARGET, 100.0 * size_ours / size_zip))
    print("target %s" % ("met" if ratio >= TARGET and size_ours <= size_zip else "NOT met"))
    return 0


if __name__ == "__main__":
    sys.exit(main())
