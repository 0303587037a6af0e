#!/usr/bin/env python3
"""What testing each new archive before its original goes costs the file batch.

    bench/test_before_delete.py [--build build] [--corpus build/bench-corpus] [--runs 3]

Runs `tovrane-batch zip --delete-originals` over a fresh copy of every corpus
folder (the copy is not timed), once with the archives tested before the
originals go (the default) and once with --no-test-before-delete,
alternating, and prints the medians and their ratio (target: at most 1.10).
"""
import os
import shutil
import statistics
import subprocess
import sys
import tempfile
import time

from engine_vs_zip import corpus_arguments


def timed_zip(tool, source, work, tested):
    copy, out = os.path.join(work, "copy"), os.path.join(work, "out")
    for folder in (copy, out):
        shutil.rmtree(folder, ignore_errors=True)
    shutil.copytree(source, copy)
    os.makedirs(out)
    files = sorted(os.path.join(copy, n) for n in os.listdir(copy)
                   if os.path.isfile(os.path.join(copy, n)) and not n.startswith("."))
    command = [tool, "zip", "-q", "--delete-originals", "--to", out]
    command += [] if tested else ["--no-test-before-delete"]
    start = time.perf_counter()
    subprocess.run(command + ["--"] + files, check=True)
    elapsed = time.perf_counter() - start
    left = [n for n in os.listdir(copy) if os.path.isfile(os.path.join(copy, n)) and not n.startswith(".")]
    if left:
        sys.exit("originals kept: %s" % left[:5])
    return elapsed


def main():
    args, build, corpus = corpus_arguments(__doc__)
    tool = os.path.join(build, "bin", "tovrane-batch")
    folders = sorted(d for d in os.listdir(corpus) if os.path.isdir(os.path.join(corpus, d)) and d != "tree")
    work = tempfile.mkdtemp(prefix="testdel-bench-")
    with_test = without = 0.0
    try:
        for folder in folders:
            source = os.path.join(corpus, folder)
            runs = [(timed_zip(tool, source, work, True), timed_zip(tool, source, work, False))
                    for _ in range(args.runs)]
            with_test += statistics.median(r[0] for r in runs)
            without += statistics.median(r[1] for r in runs)
    finally:
        shutil.rmtree(work, ignore_errors=True)
    print("corpus %s; cores %d, load %.2f, median of %d alternating runs" %
          (corpus, len(os.sched_getaffinity(0)), os.getloadavg()[0], args.runs))
    print("tested before delete: %.2f s; not tested: %.2f s; ratio %.3f (target <= 1.10)" %
          (with_test, without, with_test / without))
    return 0


if __name__ == "__main__":
    sys.exit(main())
