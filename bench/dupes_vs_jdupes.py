#!/usr/bin/env python3
"""The duplicate search against `jdupes -r` and `fdupes -r`, in one run.

    bench/dupes_vs_jdupes.py [--build build] [--corpus /tmp/tovrane-dupes-corpus] [--runs 3]

Makes the corpus if it is missing (fixed seed): 20,000 files in 4 folders of
5,000 (the program searches one folder of at most 6,000 selected files at a
time), in groups of 2 to 5 identical copies of one folder, sizes 0 to 50 MB
(most under 1 MB, a few dozen groups of 1 to 50 MB), about 3.5 GB in all.
Groups of equal size but other contents are frequent among the small files.

Then, after one warm-up run each (the corpus is read from the page cache),
`--runs` times each, the fastest run counting:
  - dupes_bench: the program's search, one per folder, every file selected;
  - `jdupes -r -z -q` and `fdupes -r -q` over the corpus.
Prints the times, the ratio against the faster peer (target: at least 1.5)
and whether the groups found are the same (the peers' groups are taken per
folder, since the program never compares files of two folders).
"""
import argparse
import os
import random
import subprocess
import sys
import time

TARGET = 1.5
FOLDERS = 4
FILES = 20000
MB = 1024 * 1024


def make_corpus(root):
    rng = random.Random(20261208)
    pool = rng.randbytes(64 * MB)
    os.makedirs(root)
    for f in range(FOLDERS):
        os.makedirs(os.path.join(root, "folder%d" % f))
    made = group = 0
    names = set()
    while made < FILES:
        copies = min(rng.randint(2, 5), FILES - made)
        if copies < 2:
            break
        roll = rng.random()
        if group == 0:
            size = 50 * MB
        elif roll < 0.003:
            size = 0
        elif roll < 0.0055:
            size = rng.randint(MB, 50 * MB)
        else:
            size = int(round(MB ** rng.random())) - 1
        # A header that names the group keeps the contents of every group
        # apart (tiny files apart, may be alike by chance: so be it).
        head = (b"%d:" % group)[:size]
        start = rng.randrange(0, len(pool) - size + 1) if size else 0
        body = head + pool[start:start + size - len(head)]
        folder = os.path.join(root, "folder%d" % (group % FOLDERS))
        for _ in range(copies):
            while True:
                name = "%08x.bin" % rng.getrandbits(32)
                if name not in names:
                    names.add(name)
                    break
            with open(os.path.join(folder, name), "wb") as out:
                out.write(body)
        made += copies
        group += 1
    return group


def corpus_size(root):
    total = count = 0
    for dirpath, _, files in os.walk(root):
        for n in files:
            total += os.path.getsize(os.path.join(dirpath, n))
            count += 1
    return total, count


def timed(command):
    start = time.perf_counter()
    done = subprocess.run(command, stdout=subprocess.PIPE, check=False)
    seconds = time.perf_counter() - start
    if done.returncode not in (0, 1):
        sys.exit("%s failed with %d" % (command[0], done.returncode))
    return seconds, done.stdout.decode()


def fastest(runs, command):
    timed(command)  # warm-up: the corpus and the program in the page cache
    results = [timed(command) for _ in range(runs)]
    return min(r[0] for r in results), results[-1][1]


def our_groups(output):
    return {frozenset(line.split("\t")) for line in output.splitlines() if line}


def peer_groups(output):
    """Blank-line separated groups, split per folder."""
    groups = set()
    for block in output.strip().split("\n\n"):
        by_folder = {}
        for path in block.splitlines():
            if path:
                by_folder.setdefault(os.path.dirname(path), set()).add(path)
        groups.update(frozenset(g) for g in by_folder.values() if len(g) > 1)
    return groups


def main():
    parser = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("--build", default="build")
    parser.add_argument("--corpus", default="/tmp/tovrane-dupes-corpus")
    parser.add_argument("--runs", type=int, default=3)
    args = parser.parse_args()
    corpus = os.path.abspath(args.corpus)
    if not os.path.isdir(corpus):
        print("making the corpus in %s ..." % corpus, flush=True)
        make_corpus(corpus)
    total, count = corpus_size(corpus)
    folders = sorted(os.path.join(corpus, d) for d in os.listdir(corpus))

    ours, ours_out = fastest(args.runs, [os.path.join(args.build, "bin", "dupes_bench")] + folders)
    jd, jd_out = fastest(args.runs, ["jdupes", "-r", "-z", "-q", corpus])
    fd, fd_out = fastest(args.runs, ["fdupes", "-r", "-q", corpus])

    mine = our_groups(ours_out)
    print("corpus: %s, %d files in %d folders, %.2f GB; cores %d, load %.2f, fastest of %d runs" %
          (corpus, count, len(folders), total / 1e9, len(os.sched_getaffinity(0)), os.getloadavg()[0], args.runs))
    print("dupes_bench: %.2f s, %d groups" % (ours, len(mine)))
    for name, seconds, out in (("jdupes -r -z", jd, jd_out), ("fdupes -r", fd, fd_out)):
        theirs = peer_groups(out)
        print("%-13s %.2f s, %d groups, same groups: %s" % (name + ":", seconds, len(theirs),
                                                            "yes" if theirs == mine else "NO"))
    ratio = min(jd, fd) / ours
    print("ratio against the faster peer: %.2f (target %.1f): %s" % (ratio, TARGET, "met" if ratio >= TARGET else "NOT met"))
    return 0


if __name__ == "__main__":
    sys.exit(main())
