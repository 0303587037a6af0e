#!/usr/bin/env python3
"""The program's re-zip against unzip + `zip -r -8` per archive, in one run.

    bench/rezip_vs_zip.py [--build build] [--corpus build/bench-corpus] [--runs 3]

Makes the corpus if it is missing (ze_corpus, the engine benchmark's) and
packs it at level 1 with Info-ZIP: one archive per corpus file, and one of
the whole tree folder. Then, `--runs` times each on a fresh copy of those
archives (the fastest run counts):
  - tovrane_rezip_bench: the real re-zip loop and archive component, driven
    headless, every archive rebuilt in place at level 8;
  - per archive, what a user would script: `unzip -q -d tmp`, `zip -r -8 -q`
    of tmp, the new archive moved over the old one, tmp removed.
Prints the throughput ratio (target: at least 4 times; the engine's worker
threads count towards it, so a loaded machine shows less), the CPU time ratio
and the output size ratio.
"""
import os
import shutil
import subprocess
import sys
import tempfile

from engine_vs_zip import best, corpus_arguments, folder_size

TARGET = 4.0


def make_archives(corpus, into):
    """Level-1 archives of the corpus: one per file, one of the tree."""
    os.makedirs(into)
    for folder in sorted(os.listdir(corpus)):
        source = os.path.join(corpus, folder)
        if folder == "tree":
            subprocess.run(["zip", "-r", "-1", "-q", os.path.join(into, "tree.zip"), "."], cwd=source, check=True)
            continue
        for name in sorted(os.listdir(source)):
            archive = os.path.join(into, os.path.splitext(name)[0] + ".zip")
            subprocess.run(["zip", "-1", "-q", archive, name], cwd=source, check=True)


def copy_of(originals, folder):
    def prepare():
        shutil.rmtree(folder, ignore_errors=True)
        shutil.copytree(originals, folder)
    return prepare


def main():
    args, build, corpus = corpus_arguments(__doc__)
    rezip = os.path.join(build, "bin", "tovrane_rezip_bench")
    work = tempfile.mkdtemp(prefix="rezip-bench-", dir=os.path.dirname(build))
    try:
        originals = os.path.join(work, "level1")
        make_archives(corpus, originals)
        names = sorted(os.listdir(originals))
        total = folder_size(originals)
        ours, theirs = os.path.join(work, "ours"), os.path.join(work, "theirs")
        t_ours, cpu_ours, _ = best(args.runs, copy_of(originals, ours),
                                   [[rezip, ours, os.path.join(work, "temp.$$$"), "8"]])
        script = ('unzip -q -d tmp "$1" && (cd tmp && zip -r -8 -q ../new.zip .) '
                  '&& mv -f new.zip "$1" && rm -rf tmp')
        t_zip, cpu_zip, _ = best(args.runs, copy_of(originals, theirs),
                                 [["sh", "-c", script, "sh", n] for n in names], theirs)
        size_ours, size_zip = folder_size(ours), folder_size(theirs)
    finally:
        shutil.rmtree(work, ignore_errors=True)

    print("corpus: %s as %d level-1 archives, %.1f MB; cores %d, load %.2f, fastest of %d runs" %
          (corpus, len(names), total / 1e6, len(os.sched_getaffinity(0)), os.getloadavg()[0], args.runs))
    print("re-zip to level 8: %.2f s (cpu %.2f s); unzip + zip -r -8 per archive: %.2f s (cpu %.2f s)" %
          (t_ours, cpu_ours, t_zip, cpu_zip))
    ratio = t_zip / t_ours
    print("throughput ratio %.2fx (target >= %.1fx); cpu time ratio %.2fx; output size %.2f%% of zip's" %
          (ratio, TARGET, cpu_zip / cpu_ours, 100.0 * size_ours / size_zip))
    print("target %s" % ("met" if ratio >= TARGET else "NOT met"))
    return 0


if __name__ == "__main__":
    sys.exit(main())
