#!/usr/bin/env python3
"""The program's whole file batch against `zip -N` per file, in one run.

    bench/batch_vs_zip.py [--build build] [--corpus build/bench-corpus] [--runs 3] [--level 8]
                          [--work FOLDER]
    bench/batch_vs_zip.py --corpus build/small-corpus   # many small files

Makes the corpus if it is missing (ze_corpus, the engine benchmark's), then,
`--runs` times each, alternating (the median counts):
  - tovrane_batch_bench: the real file batch loop and archive component,
    driven headless, one archive per file of the corpus folder at the level;
  - `zip -N -q` once per file at the same level, the way a user would script it;
  - the same on every core (`xargs -P$(nproc)`).
Prints the throughput ratios (targets: 7 times zip per file on the big
files of the default corpus; 8 times zip per file and 2.5 times zip on all
cores on many small files) and the output size ratio (target: no larger
than zip's). bench/levels_vs_zlib.py makes a mixed corpus of this machine's
files: --corpus build/mixed-corpus; bench/small_corpus.py one of about 3,800
small files (C headers, message catalogs, PNG and SVG icons):
--corpus build/small-corpus. Both are made when missing.

--work names the folder the archives are written in (a temporary folder by
default). Where it lies matters as much as the program: creating a file
costs what the file system makes it cost. On an ext4 without a journal (as
some virtual machines' disks are) every new file first passes over the
inodes of its block group freed in the last one to five minutes, so a run
after thousands of files were deleted near it pays for them, whoever
writes: up to 0.3 ms a file. Each run therefore writes into a folder of its
own, and all of them are deleted at the end, as a user's folder has not
usually just lost thousands of files; --delete-between deletes each run's
archives before the next run instead. Folders in /tmp share their block
groups with every other benchmark's deleted files; a new folder at the top
of the file system (mkdir /bench-work; --work /bench-work) gets groups of
its own. A journaled ext4, as desktops have, can be tried on a loop device:
    truncate -s 2G /tmp/j.img && mkfs.ext4 -q -F /tmp/j.img
    mkdir -p /mnt/j && mount -o loop /tmp/j.img /mnt/j
    bench/batch_vs_zip.py --corpus build/mixed-corpus --work /mnt/j
"""
import os
import shutil
import statistics
import sys
import tempfile

from engine_vs_zip import all_cores, best, corpus_arguments, folder_size, fresh
from levels_vs_zlib import make_corpus
from small_corpus import make_small_corpus

# (per file, all cores) for the default corpus and for many small files.
TARGETS = {"big": (7.0, None), "small": (8.0, 2.5)}


def fastest(runs, folder, commands, cwd=None):
    return best(runs, fresh(folder), commands, cwd)[0]


def main():
    def extra(parser):
        parser.add_argument("--level", type=int, default=8, choices=range(1, 10))
        parser.add_argument("--work", default=None)
        parser.add_argument("--delete-between", action="store_true")
    if "--corpus" in sys.argv:
        # The mixed corpus is made from this machine's files when missing.
        wanted = os.path.abspath(sys.argv[sys.argv.index("--corpus") + 1])
        if os.path.basename(wanted) == "mixed-corpus" and not os.path.isdir(wanted):
            make_corpus(wanted)
        if os.path.basename(wanted) == "small-corpus":
            make_small_corpus(wanted)
    args, build, corpus = corpus_arguments(__doc__, extra)
    level = str(args.level)
    # One batch per corpus folder, as a user browses to each and selects all
    # of its files; the "tree" folder is the recursive benchmark's.
    batch = os.path.join(build, "bin", "tovrane_batch_bench")
    folders = sorted(d for d in os.listdir(corpus) if os.path.isdir(os.path.join(corpus, d)) and d != "tree")
    t_ours = t_zip = t_all = 0.0
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
            def per_file(theirs):
                return [["zip", "-" + level, "-q", os.path.join(theirs, os.path.splitext(n)[0] + ".zip"), n]
                        for n in files]

            def place(kind, run):
                return os.path.join(work, folder, "%s-%d" % (kind, 0 if args.delete_between else run))
            # Alternating, so that a change of the machine's load hits all
            # three alike; the median of each counts.
            runs = []
            for k in range(args.runs):
                theirs, theirs_all, ours = place("zip", k), place("zip-all", k), place("batch", k)
                runs.append((fastest(1, theirs, per_file(theirs), source),
                             fastest(1, theirs_all, all_cores(per_file(theirs_all)), source),
                             fastest(1, ours, [[batch, source, ours, level]])))
            t_zip += statistics.median(r[0] for r in runs)
            t_all += statistics.median(r[1] for r in runs)
            t_ours += statistics.median(r[2] for r in runs)
            size_ours += folder_size(ours)
            size_zip += folder_size(theirs)
    finally:
        shutil.rmtree(work, ignore_errors=True)

    print("corpus: %s, %d files in %d folders, %.1f MB; cores %d, load %.2f, median of %d alternating runs" %
          (corpus, count, len(folders), total / 1e6, len(os.sched_getaffinity(0)), os.getloadavg()[0],
           args.runs))
    print("archives written under %s" % (args.work or tempfile.gettempdir()))
    print("level %s: file batch: %.2f s (%.1f MB/s); zip -%s per file: %.2f s (%.1f MB/s)" %
          (level, t_ours, total / 1e6 / t_ours, level, t_zip, total / 1e6 / t_zip))
    print("zip -%s on all cores (xargs -P%d): %.2f s (%.1f MB/s)" %
          (level, len(os.sched_getaffinity(0)), t_all, total / 1e6 / t_all))
    ratio, ratio_all = t_zip / t_ours, t_all / t_ours
    per_file, on_all = TARGETS["small" if count / max(1, total / 1e6) > 50 else "big"]
    print("throughput ratio %.2fx per file (target >= %.1fx), %.2fx all cores%s; output size %.2f%% of zip's" %
          (ratio, per_file, ratio_all, " (target >= %.1fx)" % on_all if on_all else "",
           100.0 * size_ours / size_zip))
    met = ratio >= per_file and (on_all is None or ratio_all >= on_all) and size_ours <= size_zip
    print("target %s" % ("met" if met else "NOT met"))
    return 0


if __name__ == "__main__":
    sys.exit(main())
