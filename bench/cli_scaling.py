#!/usr/bin/env python3
"""tovrane-batch at 1,000 / 10,000 / 100,000 files: the cost per file of
crc, zip, test and dupes at each size, dupes against `jdupes`, and the
overhead of handing over 100,000 names.

    bench/cli_scaling.py [--build build] [--corpus /tmp/tovrane-cli-corpus]
                         [--sizes 1000,10000,100000] [--runs 3]

Makes the corpus if it is missing (fixed seed): one folder per size, of
files of 1 to 4 KB, a fifth of them in groups of 2 or 3 identical copies,
and many files of equal size but other contents (so dupes compares bytes).
Every run takes its names from `--files-from` (100,000 paths of this corpus
are over 4 MB, beyond the usual ARG_MAX of 2 MB: `xargs` would split them
over several runs, and each run's per-file cost is then the same).

Per size and command, after one warm-up run, the median of `--runs` runs,
tovrane-batch and jdupes alternating, in wall-clock and CPU seconds (on a
loaded machine CPU seconds are steadier). The cost per file is taken net of
what a run over 10 files costs (start-up, which would otherwise make the
smallest size look dearer per file), and compared with the cost at the
smallest size (target: at most 1.2); dupes against `jdupes -q FOLDER`
(target: at most 2).

Overhead: the time from start to the first line of output (the crc header,
written once every name is read, grouped and checked) for all names of the
largest size, from --files-from and on the command line, against the same
for 10 names. Target: under 1 s more. On the command line the names are
bare (the run is in their folder), and still 100,000 of them with their
pointers are more than the usual ARG_MAX of 2 MB: that run gets a larger
stack limit, which raises ARG_MAX to a quarter of it, as `ulimit -s` would.
"""
import argparse
import os
import random
import resource
import shutil
import statistics
import subprocess
import sys
import time

PER_FILE_TARGET = 1.2
JDUPES_TARGET = 2.0
OVERHEAD_TARGET = 1.0


def make_folder(folder, count, rng):
    os.makedirs(folder)
    pool = rng.randbytes(1 << 20)
    made = 0
    while made < count:
        size = rng.randint(1024, 4096)
        copies = rng.choice((2, 3)) if rng.random() < 0.08 else 1
        copies = min(copies, count - made)
        start = rng.randrange(0, len(pool) - size)
        body = pool[start:start + size]
        for _ in range(copies):
            with open(os.path.join(folder, "f%07d.dat" % made), "wb") as out:
                out.write(body)
            made += 1


def write_list(path, names):
    with open(path, "wb") as out:
        out.write(b"".join(os.fsencode(n) + b"\0" for n in names))


def children_cpu():
    usage = resource.getrusage(resource.RUSAGE_CHILDREN)
    return usage.ru_utime + usage.ru_stime


def run(command, cwd=None):
    """Wall-clock and CPU seconds of one run (on a loaded machine the CPU
    seconds are the steadier measure)."""
    cpu = children_cpu()
    start = time.perf_counter()
    done = subprocess.run(command, stdout=subprocess.PIPE, stderr=subprocess.PIPE, cwd=cwd, check=False)
    seconds = time.perf_counter() - start
    if done.returncode not in (0, 1):
        sys.exit("%s failed with %d: %s" % (" ".join(command[:3]), done.returncode, done.stderr[:400]))
    return seconds, children_cpu() - cpu


def larger_stack():
    """In the child, before exec: room for a long command line."""
    soft, hard = resource.getrlimit(resource.RLIMIT_STACK)
    want = 64 << 20
    if hard != resource.RLIM_INFINITY:
        want = min(want, hard)
    resource.setrlimit(resource.RLIMIT_STACK, (want, hard))


def first_line_after(command, cwd=None, preexec=None):
    """Seconds until the program writes its first line; the run is then ended
    (so the CPU seconds include a little of the work after it)."""
    cpu = children_cpu()
    start = time.perf_counter()
    process = subprocess.Popen(command, stdout=subprocess.PIPE, stderr=subprocess.DEVNULL, cwd=cwd,
                               preexec_fn=preexec)
    process.stdout.readline()
    seconds = time.perf_counter() - start
    process.kill()
    process.wait()
    return seconds, children_cpu() - cpu


def median_of(runs, command, before=None, repeat=1):
    """Medians of wall-clock and CPU seconds; each run is the mean of `repeat`
    executions (short runs repeated, so that the clock's grain vanishes),
    `before` called ahead of each outside the timing."""
    times = []
    for _ in range(runs):
        wall = cpu = 0.0
        for _ in range(repeat):
            if before:
                before()
            w, c = command()
            wall, cpu = wall + w, cpu + c
        times.append((wall / repeat, cpu / repeat))
    return statistics.median(t[0] for t in times), statistics.median(t[1] for t in times)


def main():
    parser = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("--build", default="build")
    parser.add_argument("--corpus", default="/tmp/tovrane-cli-corpus")
    parser.add_argument("--sizes", default="1000,10000,100000")
    parser.add_argument("--runs", type=int, default=3)
    args = parser.parse_args()
    tool = os.path.abspath(os.path.join(args.build, "bin", "tovrane-batch"))
    sizes = [int(s) for s in args.sizes.split(",")]
    corpus = os.path.abspath(args.corpus)
    rng = random.Random(20261210)
    for size in sizes:
        folder = os.path.join(corpus, "files%d" % size)
        if not os.path.isdir(folder):
            print("making %s ..." % folder, flush=True)
            make_folder(folder, size, rng)
    have_jdupes = shutil.which("jdupes") is not None

    print("load %.2f (cores %d), median of %d runs; ARG_MAX %d bytes" %
          (os.getloadavg()[0], len(os.sched_getaffinity(0)), args.runs, os.sysconf("SC_ARG_MAX")))
    per_file = {}
    fixed = {}
    for size in [10] + sizes:
        folder = os.path.join(corpus, "files%d" % max(size, sizes[0]))
        names = sorted(os.listdir(folder))[:size]
        files = os.path.join(corpus, "list%d" % size)
        write_list(files, [os.path.join(folder, n) for n in names])
        out = os.path.join(corpus, "zips%d" % size)
        archives = os.path.join(corpus, "archives%d" % size)

        def fresh_out():
            shutil.rmtree(out, ignore_errors=True)
            os.makedirs(out)

        commands = {
            "crc": lambda: run([tool, "crc", "-0", "--files-from", files]),
            "zip": lambda: run([tool, "zip", "-0", "--to", out, "--files-from", files]),
            "test": lambda: run([tool, "test", "-0", "--files-from", archives]),
            "dupes": lambda: run([tool, "dupes", "-0", "--files-from", files]),
        }
        fresh_out()
        commands["zip"]()  # warm-up, and the archives for test
        write_list(archives, [os.path.join(out, n[:-4] + ".zip") for n in names])
        for name in ("crc", "test", "dupes"):
            commands[name]()  # warm-up
        repeat = max(1, min(50, 20000 // size))
        for name, command in commands.items():
            seconds, cpu = median_of(args.runs, command, fresh_out if name == "zip" else None, repeat)
            if size == 10:
                fixed[name] = (seconds, cpu)
                print("%-6s %7d files: %8.3f s, CPU %.3f s (the fixed cost)" % (name, size, seconds, cpu))
                continue
            net = ((seconds - fixed[name][0]) / size, (cpu - fixed[name][1]) / size)
            per_file[(name, size)] = net
            base = per_file[(name, sizes[0])]
            print("%-6s %7d files: %8.3f s (net %.1f us/file, x%.2f of the cost at %d); "
                  "CPU %8.3f s (net %.1f us/file, x%.2f)" %
                  (name, size, seconds, net[0] * 1e6, net[0] / base[0], sizes[0],
                   cpu, net[1] * 1e6, net[1] / base[1]), flush=True)
        if have_jdupes and size > 10:
            ours, theirs = [], []
            for _ in range(args.runs):
                ours.append(median_of(1, commands["dupes"], repeat=repeat))
                theirs.append(median_of(1, lambda: run(["jdupes", "-q", folder]), repeat=repeat))
            wall = statistics.median(t[0] for t in ours) / statistics.median(t[0] for t in theirs)
            cpu = statistics.median(t[1] for t in ours) / statistics.median(t[1] for t in theirs)
            print("dupes  %7d files against jdupes -q: x%.2f wall-clock, x%.2f CPU (target at most %.1f): %s" %
                  (size, wall, cpu, JDUPES_TARGET, "met" if min(wall, cpu) <= JDUPES_TARGET else "NOT met"),
                  flush=True)

    for what, k in (("wall-clock", 0), ("CPU", 1)):
        worst = max(per_file[(n, sizes[-1])][k] / per_file[(n, sizes[0])][k] for n in ("crc", "zip", "test", "dupes"))
        print("largest per-file ratio (%s) at %d against %d: %.2f (target at most %.1f): %s" %
              (what, sizes[-1], sizes[0], worst, PER_FILE_TARGET, "met" if worst <= PER_FILE_TARGET else "NOT met"))

    folder = os.path.join(corpus, "files%d" % sizes[-1])
    names = sorted(os.listdir(folder))
    files = os.path.join(corpus, "list%d" % sizes[-1])
    few = os.path.join(corpus, "list10")
    write_list(few, [os.path.join(folder, n) for n in names[:10]])
    argument_bytes = sum(len(os.fsencode(n)) + 1 for n in names)
    base = median_of(args.runs, lambda: first_line_after([tool, "crc", "-0", "--files-from", few]))
    listed = median_of(args.runs, lambda: first_line_after([tool, "crc", "-0", "--files-from", files]))
    argued = median_of(args.runs, lambda: first_line_after([tool, "crc"] + names, cwd=folder, preexec=larger_stack))
    for what, k in (("wall-clock", 0), ("CPU", 1)):
        print("first line (%s): 10 names %.3f s; %d names from --files-from %.3f s (+%.3f s), "
              "as arguments (%d bytes) %.3f s (+%.3f s); target under %.1f s more: %s" %
              (what, base[k], len(names), listed[k], listed[k] - base[k], argument_bytes, argued[k],
               argued[k] - base[k], OVERHEAD_TARGET,
               "met" if max(listed[k], argued[k]) - base[k] < OVERHEAD_TARGET else "NOT met"))
    return 0


if __name__ == "__main__":
    sys.exit(main())
