#!/usr/bin/env python3
"""The program's folder batch against `zip -r -8` per folder, in one run.

    bench/folders_vs_zip.py [--build build] [--corpus build/bench-corpus] [--runs 3]

Makes the corpus if it is missing (ze_corpus, the engine benchmark's: a tree
of many small files beside folders of a few large ones), then, `--runs` times
each (the fastest run counts):
  - tovrane_batch_bench --folders: the real folder batch loop and archive
    component, driven headless, one archive per sub-folder of the corpus at
    level 8, paths stored;
  - `zip -r -8 -q` once per sub-folder, from the corpus folder, the way a user
    would script it.
Prints throughput, cpu time and output size ratios (target: at least 4 times zip's
throughput at no more than 1.01 times its size).
"""
import os
import shutil
import sys
import tempfile

from engine_vs_zip import best, corpus_arguments, folder_size, fresh

SPEED_TARGET = 4.0
SIZE_TARGET = 1.01


def tree_bytes(folder):
    return sum(os.path.getsize(os.path.join(d, n)) for d, _, names in os.walk(folder) for n in names)


def main():
    args, build, corpus = corpus_arguments(__doc__)
    if shutil.which("zip") is None:
        sys.exit("zip is not installed")
    batch = os.path.join(build, "bin", "tovrane_batch_bench")
    folders = sorted(d for d in os.listdir(corpus)
                     if os.path.isdir(os.path.join(corpus, d)) and not d.startswith("."))
    total = tree_bytes(corpus)
    count = sum(len(names) for _, _, names in os.walk(corpus))
    work = tempfile.mkdtemp(prefix="folders-bench-")
    try:
        ours, theirs = os.path.join(work, "batch"), os.path.join(work, "zip")
        t_ours, cpu_ours, _ = best(args.runs, fresh(ours), [[batch, "--folders", corpus, ours, "8"]])
        t_zip, cpu_zip, _ = best(args.runs, fresh(theirs),
                                 [["zip", "-r", "-8", "-q", os.path.join(theirs, f.upper() + ".ZIP"), f]
                                  for f in folders], corpus)
        size_ours, size_zip = folder_size(ours), folder_size(theirs)
    finally:
        shutil.rmtree(work, ignore_errors=True)

    print("corpus: %s, %d files in %d folders, %.1f MB; cores %d, load %.2f, fastest of %d runs" %
          (corpus, count, len(folders), total / 1e6, len(os.sched_getaffinity(0)), os.getloadavg()[0],
           args.runs))
    print("folder batch: %.2f s (%.1f MB/s); zip -r -8 per folder: %.2f s (%.1f MB/s)" %
          (t_ours, total / 1e6 / t_ours, t_zip, total / 1e6 / t_zip))
    print("cpu time: folder batch %.2f s, zip %.2f s (zip needs %.2fx the cpu)" %
          (cpu_ours, cpu_zip, cpu_zip / cpu_ours))
    ratio, size = t_zip / t_ours, size_ours / size_zip
    print("throughput ratio %.2fx (target >= %.1fx); output size %.2f%% of zip's (target <= %.0f%%)" %
          (ratio, SPEED_TARGET, 100.0 * size, 100.0 * SIZE_TARGET))
    print("target %s" % ("met" if ratio >= SPEED_TARGET and size <= SIZE_TARGET else "NOT met"))
    return 0


if __name__ == "__main__":
    sys.exit(main())
