#!/usr/bin/env python3
"""What testing before deleting costs the file batch and the unzip batch.

    bench/test_before_delete.py [--build build] [--corpus build/bench-corpus] [--runs 3]
                                [--only zip|unzip]

Runs `tovrane-batch zip --delete-originals` over a fresh copy of every corpus
folder (the copy is not timed), once with the archives tested before the
originals go (the default) and once with --no-test-before-delete,
alternating, and prints the medians and their ratio (target: at most 1.10).
Then the same for `tovrane-batch unzip --delete-zips` over a fresh copy of
each folder's archives (made once, level 8), where the test reads every
extracted file back against the archive's CRCs.
"""
import os
import shutil
import statistics
import subprocess
import sys
import tempfile
import time

from engine_vs_zip import corpus_arguments


def plain_files(folder):
    """The files of `folder`, sorted, without hidden ones."""
    return sorted(os.path.join(folder, n) for n in os.listdir(folder)
                  if os.path.isfile(os.path.join(folder, n)) and not n.startswith("."))


def timed_run(tool, command, source, copy, out, tested):
    """Copies `source` to `copy`, runs `tool command --to out` on every
    file of the copy, and checks that each one was deleted."""
    for folder in (copy, out):
        shutil.rmtree(folder, ignore_errors=True)
    shutil.copytree(source, copy)
    os.makedirs(out)
    line = [tool] + command + ["-q", "--to", out]
    line += [] if tested else ["--no-test-before-delete"]
    start = time.perf_counter()
    subprocess.run(line + ["--"] + plain_files(copy), check=True)
    elapsed = time.perf_counter() - start
    if plain_files(copy):
        sys.exit("kept: %s" % plain_files(copy)[:5])
    return elapsed


def timed_zip(tool, source, work, tested):
    return timed_run(tool, ["zip", "--delete-originals"], source,
                     os.path.join(work, "copy"), os.path.join(work, "out"), tested)


def timed_unzip(tool, archives, work, tested):
    return timed_run(tool, ["unzip", "--delete-zips"], archives,
                     os.path.join(work, "zips"), os.path.join(work, "unzipped"), tested)


def make_archives(tool, source, target):
    """Each file of `source` in an archive of its own, in `target`."""
    os.makedirs(target)
    subprocess.run([tool, "zip", "-q", "--to", target, "--"] + plain_files(source), check=True)


def measure(name, timed, sources, runs):
    with_test = without = 0.0
    for source in sources:
        pairs = [(timed(source, True), timed(source, False)) for _ in range(runs)]
        with_test += statistics.median(p[0] for p in pairs)
        without += statistics.median(p[1] for p in pairs)
    print("%s: tested before delete: %.2f s; not tested: %.2f s; ratio %.3f (target <= 1.10)" %
          (name, with_test, without, with_test / without))


def main():
    args, build, corpus = corpus_arguments(__doc__, lambda p: p.add_argument(
        "--only", choices=("zip", "unzip"), default=None))
    tool = os.path.join(build, "bin", "tovrane-batch")
    folders = sorted(d for d in os.listdir(corpus) if os.path.isdir(os.path.join(corpus, d)) and d != "tree")
    work = tempfile.mkdtemp(prefix="testdel-bench-")
    print("corpus %s; cores %d, load %.2f, median of %d alternating runs" %
          (corpus, len(os.sched_getaffinity(0)), os.getloadavg()[0], args.runs))
    try:
        if args.only != "unzip":
            measure("zip --delete-originals", lambda source, tested: timed_zip(tool, source, work, tested),
                    [os.path.join(corpus, f) for f in folders], args.runs)
        if args.only != "zip":
            archives = []
            for folder in folders:
                archives.append(os.path.join(work, "archives", folder))
                make_archives(tool, os.path.join(corpus, folder), archives[-1])
            measure("unzip --delete-zips", lambda source, tested: timed_unzip(tool, source, work, tested),
                    archives, args.runs)
    finally:
        shutil.rmtree(work, ignore_errors=True)
    print("load after: %.2f" % os.getloadavg()[0])
    return 0


if __name__ == "__main__":
    sys.exit(main())
