#!/usr/bin/env python3
"""The program's whole unzip batch against `unzip -o -q` per archive, in one run.

    bench/unzip_batch_vs_unzip.py [--build build] [--corpus build/bench-corpus] [--runs 3]
    bench/unzip_batch_vs_unzip.py --small [--runs 3]     # many small archives
    bench/unzip_batch_vs_unzip.py --big [--runs 3]       # big single-entry archives

Makes the corpus if it is missing (ze_corpus, the engine benchmark's) and,
from it, one archive per corpus folder with `zip -r -8` (the "tree" folder
of small files included). With --small, one archive per file of the small
corpus (bench/small_corpus.py, build/small-corpus: about 3,800 files of this
machine); with --big, one archive per file of the corpus outside "tree"
(1 KiB to 64 MiB). Then `--runs` times each, alternating (the median counts):
  - tovrane_unzip_bench: the real unzip batch loop and archive component,
    driven headless, every archive into a sub-folder named after it;
  - `unzip -o -q <archive> -d <sub-folder>` once per archive;
  - the same on every core (`xargs -P$(nproc)`);
  - `tovrane-batch test` on all archives, against `unzip -tq` per archive
    and on every core.
Checks that all produced the same files and prints the throughput ratios
(targets: unzip batch 2 times unzip on all cores, Test 3 times `unzip -t`
per archive; fastest and median) and the ratio of CPU time, which a machine
busy with other work disturbs less.
"""
import filecmp
import os
import shutil
import statistics
import subprocess
import sys
import tempfile

from engine_vs_zip import all_cores, best, corpus_arguments, fresh
from small_corpus import make_small_corpus

TARGET_ALL_CORES = 2.0
TARGET_TEST = 3.0


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
    small, big = "--small" in sys.argv, "--big" in sys.argv
    for shape in ("--small", "--big"):
        if shape in sys.argv:
            sys.argv.remove(shape)
    args, build, corpus = corpus_arguments(__doc__)
    if small:
        corpus = make_small_corpus(os.path.join(build, "small-corpus"))
    batch = os.path.join(build, "bin", "tovrane_unzip_bench")
    cli = os.path.join(build, "bin", "tovrane-batch")
    work = tempfile.mkdtemp(prefix="unzip-bench-")
    try:
        archives = os.path.join(work, "archives")
        os.makedirs(archives)
        folders = sorted(d for d in os.listdir(corpus) if os.path.isdir(os.path.join(corpus, d)))
        if small:
            packing = [["zip", "-8", "-q", "-j", os.path.join(archives, os.path.splitext(n)[0] + ".zip"),
                        os.path.join(corpus, folder, n)]
                       for folder in folders for n in sorted(os.listdir(os.path.join(corpus, folder)))]
            for command in all_cores(packing):
                subprocess.run(command, check=True)
        elif big:
            for folder in (f for f in folders if f != "tree"):
                for n in sorted(os.listdir(os.path.join(corpus, folder))):
                    subprocess.run(["zip", "-8", "-q", "-j", os.path.join(archives, os.path.splitext(n)[0] + ".zip"),
                                    os.path.join(corpus, folder, n)], check=True)
        else:
            for folder in folders:
                subprocess.run(["zip", "-r", "-8", "-q", os.path.join(archives, folder + ".zip"), "."],
                               cwd=os.path.join(corpus, folder), check=True)
        names = sorted(os.listdir(archives))
        ours, theirs = os.path.join(work, "batch"), os.path.join(work, "unzip")
        per_archive = [["unzip", "-o", "-q", os.path.join(archives, n), "-d",
                        os.path.join(theirs, os.path.splitext(n)[0])] for n in names]
        paths = [os.path.join(archives, n) for n in names]
        per_test = [["unzip", "-tq", p] for p in paths]
        nothing = lambda: None
        runs = []
        for _ in range(args.runs):
            runs.append((best(1, fresh(theirs), per_archive),
                         best(1, fresh(theirs), all_cores(per_archive)),
                         best(1, fresh(ours), [[batch, archives, ours]]),
                         best(1, nothing, per_test),
                         best(1, nothing, all_cores(per_test)),
                         best(1, nothing, [[cli, "test", "-q"] + paths])))
            if not same_trees(ours, theirs):
                sys.exit("the batch and unzip extracted different files")
        t_unzip, cpu_unzip = (statistics.median(r[0][i] for r in runs) for i in (0, 1))
        t_all = statistics.median(r[1][0] for r in runs)
        t_ours, cpu_ours = (statistics.median(r[2][i] for r in runs) for i in (0, 1))
        fastest_ours = min(r[2][0] for r in runs)
        t_unzip_t = statistics.median(r[3][0] for r in runs)
        t_all_t = statistics.median(r[4][0] for r in runs)
        t_test = statistics.median(r[5][0] for r in runs)
        fastest_test = min(r[5][0] for r in runs)
        total = tree_bytes(theirs)
        packed = tree_bytes(archives)
    finally:
        shutil.rmtree(work, ignore_errors=True)

    print("corpus: %s, %d archives (%.1f MB) holding %.1f MB; cores %d, load %.2f, median of %d runs" %
          (corpus, len(names), packed / 1e6, total / 1e6, len(os.sched_getaffinity(0)),
           os.getloadavg()[0], args.runs))
    print("unzip batch: %.2f s (%.1f MB/s); unzip -o -q per archive: %.2f s (%.1f MB/s)" %
          (t_ours, total / 1e6 / t_ours, t_unzip, total / 1e6 / t_unzip))
    print("unzip -o -q on all cores (xargs -P%d): %.2f s; fastest unzip batch %.2f s" %
          (len(os.sched_getaffinity(0)), t_all, fastest_ours))
    print("cpu: unzip batch %.2f s, unzip %.2f s: %.2fx" % (cpu_ours, cpu_unzip, cpu_unzip / cpu_ours))
    ratio, ratio_all = t_unzip / t_ours, t_all / t_ours
    print("unzip batch: %.2fx unzip per archive, %.2fx all cores, fastest %.2fx all cores (target >= %.1fx): %s" %
          (ratio, ratio_all, t_all / fastest_ours, TARGET_ALL_CORES,
           "met" if min(ratio_all, t_all / fastest_ours) >= TARGET_ALL_CORES else "NOT met"))
    print("test: tovrane-batch test %.2f s (fastest %.2f s); unzip -tq per archive %.2f s, all cores %.2f s" %
          (t_test, fastest_test, t_unzip_t, t_all_t))
    ratio_t = t_unzip_t / t_test
    print("test: %.2fx unzip -t per archive, fastest %.2fx, %.2fx all cores (target >= %.1fx per archive): %s" %
          (ratio_t, t_unzip_t / fastest_test, t_all_t / t_test, TARGET_TEST,
           "met" if min(ratio_t, t_unzip_t / fastest_test) >= TARGET_TEST else "NOT met"))
    return 0


if __name__ == "__main__":
    sys.exit(main())
