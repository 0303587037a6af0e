#!/usr/bin/env python3
"""The main window over folders of 1,000 / 10,000 / 100,000 files, offscreen:
the cost per file of browsing, All, None, Invert, a filter change, the CRC32
report, the Zip batch over names it passes over and the Zip Testing Tool,
with the longest moment the window did not answer; the CRC32 report and the
test against `tovrane-batch crc` / `tovrane-batch test` on the same files.

    bench/window_scaling.py [--build build] [--corpus /tmp/tovrane-window-corpus]
                            [--sizes 1000,10000,100000] [--runs 3] [--batches]

Makes the corpus if it is missing: per size, a folder of small files
(`f0000001.txt`, 16 to 64 bytes) and a folder of as many files named
`.zip` that are no archives (the Zip batch passes them over with a line
in the error log; the testing tool reports them corrupt).

Per size, the median of `--runs` runs of build/bin/window_bench, alternating
with the command-line runs (with --side-by-side, at the same time as them).
Each step is shown on stderr as it ends.

With --batches, every batch and tool instead runs in the window over a
scratch copy of the files (Rename, Zip, the Zip Testing Tool, Rezip,
Unzip, CRC32, Dupes, Delete, in turn, each on what the one before left),
and the same jobs through `tovrane-batch` on another copy: the per-file
cost of each at each size, its growth from the smallest size, its ratio to
the command line, and the longest stall. The command line gets the window's
defaults (level 8, archives beside their files, each tested and flushed
before its original or archive goes, `--delete-originals` and
`--delete-zips` as the window deletes by default). Both the wall time and
the processor time (every thread, user and system) are given: the wall time
of jobs that flush every archive follows the load other work puts on the
disk, the processor time much less so. Targets: browsing, All, None, Invert and the
filter under 1 s at 100,000 and 100 ms at 10,000; a tool's per-file cost
at the largest size within 1.5x of its cost at the smallest and of the
command line's; no stall over 250 ms.
"""
import argparse
import os
import shutil
import statistics
import subprocess
import sys
import threading
import time

LIST_STEPS = ("browse", "filter", "all", "none", "invert-none-to-all", "invert-all-to-none",
              "browse-zip-names")
TOOL_STEPS = ("crc32", "zip-log-lines", "zip-testing-tool")


def make_corpus(folder, count):
    for kind in ("txt", "zip"):
        os.makedirs(os.path.join(folder, kind))
    for i in range(count):
        body = (b"line %d of the corpus\n" % i) * (1 + i % 3)
        with open(os.path.join(folder, "txt", "f%07d.txt" % i), "wb") as out:
            out.write(body)
        with open(os.path.join(folder, "zip", "f%07d.zip" % i), "wb") as out:
            out.write(b"not an archive\n")


def window_run(bench, folder, batches=False):
    env = dict(os.environ, QT_QPA_PLATFORM="offscreen")
    argv = [bench, "--batches", folder] if batches else [bench, os.path.join(folder, "txt"),
                                                         os.path.join(folder, "zip")]
    child = subprocess.Popen(argv, stdout=subprocess.PIPE, stderr=subprocess.DEVNULL, env=env)
    steps = {}
    for line in child.stdout:
        parts = line.decode().split()
        if len(parts) == 4 and parts[0] != "listed":
            steps[parts[0]] = (float(parts[1]), int(parts[2]), float(parts[3]))
            # A long run shows each step as it ends.
            print("  window %-26s %10.3f s, processor %10.3f s" % (parts[0], steps[parts[0]][0],
                                                                     steps[parts[0]][2]),
                  file=sys.stderr, flush=True)
    if child.wait() != 0:
        sys.exit("window_bench failed with %d" % child.returncode)
    return steps


def cli_run(tool, command, folder, processor=False):
    """Seconds of a tovrane-batch run over all the files of `folder`; with
    `processor`, also the processor seconds it used (user and system)."""
    command = [command] if isinstance(command, str) else command
    names = sorted(os.listdir(folder))
    listing = os.path.join(os.path.dirname(folder), "list-" + os.path.basename(folder))
    with open(listing, "wb") as out:
        out.write(b"".join(os.fsencode(os.path.join(folder, n)) + b"\0" for n in names))
    start = time.perf_counter()
    child = subprocess.Popen([tool] + command + ["-0", "--files-from", listing],
                             stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    _, _, used = os.wait4(child.pid, 0)
    child.returncode = 0
    seconds = time.perf_counter() - start
    return (seconds, used.ru_utime + used.ru_stime) if processor else seconds


BATCH_STEPS = ("rename", "zip", "zip-testing-tool-archives", "rezip", "unzip", "crc32-batches",
               "dupes", "delete")
# The same job through tovrane-batch, on what the step before left, with
# the window's defaults: level 8, the archive tested and flushed before its
# original goes, archives beside their files. The window deletes originals
# after zipping and archives after unzipping; so does the command line here.
CLI_JOBS = {"zip": ["zip", "--delete-originals"], "zip-testing-tool-archives": ["test"],
            "rezip": ["rezip"], "unzip": ["unzip", "--delete-zips"], "crc32-batches": ["crc"],
            "dupes": ["dupes"]}


def fresh_copy(source, target):
    if os.path.isdir(target):
        shutil.rmtree(target)
    subprocess.run(["cp", "-r", source, target], check=True)


def cli_batches(tool, folder):
    """Seconds of each tovrane-batch job over all the files of `folder`."""
    took = {}
    for step in BATCH_STEPS:
        if step not in CLI_JOBS:
            continue
        took[step] = cli_run(tool, CLI_JOBS[step], folder, processor=True)
        print("  tovrane-batch %-19s %10.3f s, processor %10.3f s" % (step, took[step][0], took[step][1]),
              file=sys.stderr, flush=True)
    return took


def batches(args, bench, tool, sizes):
    print("load %.2f (cores %d), median of %d runs, every batch in the window" %
          (os.getloadavg()[0], len(os.sched_getaffinity(0)), args.runs))
    per_file, cli_per_file, stalls = {}, {}, {}
    # Alternating: the window's and the command line's runs meet the same
    # load on a disk that other work shares, where a flush can take ten
    # times longer from one minute to the next. The processor time is the
    # like-for-like figure; the seconds show what a user waits.
    for size in sizes:
        folder = os.path.join(args.corpus, str(size))
        scratch = os.path.join(args.corpus, "scratch-%d" % size)
        window, cli = [], []
        for run in range(args.runs):
            if args.side_by_side:
                # Both at once, each on a copy of its own: half the wall
                # time, and both meet the same load; the processor times
                # stay the like-for-like figures.
                other = scratch + "-cli"
                fresh_copy(os.path.join(folder, "txt"), scratch)
                fresh_copy(os.path.join(folder, "txt"), other)
                beside = threading.Thread(target=lambda: cli.append(cli_batches(tool, other)))
                beside.start()
                window.append(window_run(bench, scratch, batches=True))
                beside.join()
                shutil.rmtree(other, ignore_errors=True)
                continue
            # Each goes first every other run.
            for window_turn in ((True, False) if run % 2 == 0 else (False, True)):
                fresh_copy(os.path.join(folder, "txt"), scratch)
                if window_turn:
                    window.append(window_run(bench, scratch, batches=True))
                else:
                    cli.append(cli_batches(tool, scratch))
        shutil.rmtree(scratch, ignore_errors=True)
        for step in BATCH_STEPS:
            seconds = statistics.median(w[step][0] for w in window)
            per_file[(step, size)] = seconds / size
            stalls[(step, size)] = max(w[step][1] for w in window)
            line = "%-26s %7d files: %8.3f s, %8.2f us/file (x%.2f of the cost at %d), longest stall %d ms" % (
                step, size, seconds, seconds / size * 1e6, per_file[(step, size)] / per_file[(step, sizes[0])],
                sizes[0], stalls[(step, size)])
            cpu = statistics.median(w[step][2] for w in window) / size
            line += ", processor %.2f us/file" % (cpu * 1e6)
            if step in CLI_JOBS:
                cli_per_file[(step, size)] = statistics.median(c[step][0] for c in cli) / size
                cli_cpu = statistics.median(c[step][1] for c in cli) / size
                line += "; tovrane-batch %.2f us/file, the window x%.2f of it (processor %.2f us/file, x%.2f)" % (
                    cli_per_file[(step, size)] * 1e6, per_file[(step, size)] / cli_per_file[(step, size)],
                    cli_cpu * 1e6, cpu / cli_cpu)
            print(line, flush=True)
    print("longest stall anywhere: %d ms (target at most 250); load at the end %.2f" %
          (max(stalls.values()), os.getloadavg()[0]))


def main():
    parser = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("--build", default="build")
    parser.add_argument("--corpus", default="/tmp/tovrane-window-corpus")
    parser.add_argument("--sizes", default="1000,10000,100000")
    parser.add_argument("--runs", type=int, default=3)
    parser.add_argument("--batches", action="store_true",
                        help="every batch and tool over a scratch copy, beside tovrane-batch")
    parser.add_argument("--side-by-side", action="store_true",
                        help="with --batches: the window and tovrane-batch at the same time, "
                             "each on its own copy (for the largest sizes on a shared machine)")
    args = parser.parse_args()
    bench = os.path.abspath(os.path.join(args.build, "bin", "window_bench"))
    tool = os.path.abspath(os.path.join(args.build, "bin", "tovrane-batch"))
    sizes = [int(s) for s in args.sizes.split(",")]
    for size in sizes:
        folder = os.path.join(args.corpus, str(size))
        if not os.path.isdir(folder):
            print("making %s ..." % folder, flush=True)
            make_corpus(folder, size)
    if args.batches:
        batches(args, bench, tool, sizes)
        return

    print("load %.2f (cores %d), median of %d runs" % (os.getloadavg()[0], len(os.sched_getaffinity(0)), args.runs))
    per_file = {}
    stalls = {}
    for size in sizes:
        folder = os.path.join(args.corpus, str(size))
        window, crc, test = [], [], []
        for _ in range(args.runs):
            window.append(window_run(bench, folder))
            crc.append(cli_run(tool, "crc", os.path.join(folder, "txt")))
            test.append(cli_run(tool, "test", os.path.join(folder, "zip")))
        for step in LIST_STEPS + TOOL_STEPS:
            seconds = statistics.median(w[step][0] for w in window)
            stall = max(w[step][1] for w in window)
            per_file[(step, size)] = seconds / size
            stalls[(step, size)] = stall
            base = per_file[(step, sizes[0])]
            print("%-20s %7d files: %8.3f s, %7.2f us/file (x%.2f of the cost at %d), longest stall %d ms" %
                  (step, size, seconds, seconds / size * 1e6, seconds / size / base, sizes[0], stall), flush=True)
        for name, runs, step in (("crc", crc, "crc32"), ("test", test, "zip-testing-tool")):
            cli = statistics.median(runs) / size
            print("%-20s %7d files: tovrane-batch %s %.2f us/file; the window x%.2f of it" %
                  (step, size, name, cli * 1e6, per_file[(step, size)] / cli), flush=True)
    largest = sizes[-1]
    for step in LIST_STEPS:
        seconds = per_file[(step, largest)] * largest
        print("%-20s at %d: %.3f s (target under 1 s)" % (step, largest, seconds))
    for step in TOOL_STEPS:
        print("%-20s per-file at %d against %d: x%.2f (target at most 1.5)" %
              (step, largest, sizes[0], per_file[(step, largest)] / per_file[(step, sizes[0])]))
    print("longest stall anywhere: %d ms (target at most 250)" % max(stalls.values()))


if __name__ == "__main__":
    main()
