#!/usr/bin/env python3
"""The program's whole unzip batch against `unzip -o -q` per archive, in one run.

    bench/unzip_batch_vs_unzip.py [--build build] [--corpus build/bench-corpus] [--runs 3]

Makes the corpus if it is missing (ze_corpus, the engine benchmark's) and,
from it, one archive per corpus folder with `zip -r -8` (the "tree" folder
of small files included). Then, `--runs` times each (the fastest run counts):
  - tovrane_unzip_bench: the real unzip batch loop and archive component,
    driven headless, every archive into a sub-folder named after it;
  - `unzip -o -q <archive> -d <sub-folder>` once per archive.
Checks that both produced the same files and prints the throughput ratio
(target: at least 3 times unzip) and the ratio of CPU time, which a machine
busy with other work disturbs less.
"""
import filecmp
import os
import shutil
import subprocess
import sys
import tempfile

from engine_vs_zip import best, corpus_arguments, fresh

TARGET = 3.0


def tree_bytes(folder):
    return sum(os.path.getsize(os.path.join(d, n)) for d, _, names in os.walk(folder) for n in names)


def same_trees(a, b):
    comparison = filecmp.dircmp(a, b)
    if comparison.left_only or comparison.right_only or comparison.funny_files:
        return False
    _, mismatch, errors = filecmp.cmpfiles(a, b, comparison.common_files, shallow=False)
    return not mismatch and not errors and all(
        same_trees(os.path.join(a, d), os.path.join(b, d)) for d in comparison.common_dirs)


def main():
    args, build, corpus = corpus_arguments(__doc__)
    batch = os.path.join(build, "bin", "tovrane_unzip_bench")
    work = tempfile.mkdtemp(prefix="unzip-bench-")
    try:
        archives = os.path.join(work, "archives")
        os.makedirs(archives)
        folders = sorted(d for d in os.listdir(corpus) if os.path.isdir(os.path.join(corpus, d)))
        for folder in folders:
            subprocess.run(["zip", "-r", "-8", "-q", os.path.join(archives, folder + ".zip"), "."],
                           cwd=os.path.join(corpus, folder), check=True)
        names = sorted(os.listdir(archives))
        ours, theirs = os.path.join(work, "batch"), os.path.join(work, "unzip")
        t_ours, cpu_ours, _ = best(args.runs, fresh(ours), [[batch, archives, ours]])
        t_unzip, cpu_unzip, _ = best(args.runs, fresh(theirs),
                                     [["unzip", "-o", "-q", os.path.join(archives, n), "-d",
                                       os.path.join(theirs, os.path.splitext(n)[0])] for n in names])
        if not same_trees(ours, theirs):
            sys.exit("the batch and unzip extracted different files")
        total = tree_bytes(theirs)
        packed = tree_bytes(archives)
    finally:
        shutil.rmtree(work, ignore_errors=True)

    print("corpus: %s, %d archives (%.1f MB) holding %.1f MB; cores %d, load %.2f, fastest of %d runs" %
          (corpus, len(names), packed / 1e6, total / 1e6, len(os.sched_getaffinity(0)),
           os.getloadavg()[0], args.runs))
    print("unzip batch: %.2f s (%.1f MB/s); unzip -o -q per archive: %.2f s (%.1f MB/s)" %
          (t_ours, total / 1e6 / t_ours, t_unzip, total / 1e6 / t_unzip))
    print("cpu: unzip batch %.2f s, unzip %.2f s: %.2fx" % (cpu_ours, cpu_unzip, cpu_unzip / cpu_ours))
    ratio = t_unzip / t_ours
    print("throughput ratio %.2fx (target >= %.1fx): target %s" %
          (ratio, TARGET, "met" if ratio >= TARGET else "NOT met"))
    return 0


if __name__ == "__main__":
    sys.exit(main())
