#!/usr/bin/env python3
"""Engine against Info-ZIP, measured in one run on the same corpus.

    bench/engine_vs_zip.py [--build build] [--corpus build/bench-corpus] [--runs 3]

Makes the corpus if it is missing (ze_corpus), then, each step `--runs` times
(the fastest run counts, since other work on the machine only slows a run):
  1. one archive per corpus file at level 8: the engine (ze_bench zip-each,
     one process calling zezip per file, as the program does) and `zip -8 -q`
     per file;
  2. the whole corpus recursively: ze_bench zip-tree and `zip -r -8 -q`;
  3. testing the engine's archives: ze_bench test and `unzip -tq` per archive.
Prints wall-clock and CPU time ratios, output size ratios and each tool's peak
memory (maximum resident set of its processes).
"""
import argparse
import os
import shutil
import subprocess
import sys
import tempfile
import time

TARGETS = {"each": 2.5, "tree": 4.0, "test": 1.0}
MEMORY_LIMIT_KB = 1.5 * 1024 * 1024


def run(commands, cwd=None):
    """Runs the commands one after the other; returns (wall s, cpu s, peak KB)."""
    start = time.perf_counter()
    cpu = 0.0
    peak = 0
    for command in commands:
        process = subprocess.Popen(command, cwd=cwd, stdout=subprocess.DEVNULL, stderr=subprocess.PIPE)
        _, status, usage = os.wait4(process.pid, 0)
        process.returncode = os.waitstatus_to_exitcode(status)
        if process.returncode != 0:
            sys.exit("failed (%d): %s\n%s" % (process.returncode, " ".join(command), process.stderr.read().decode()))
        cpu += usage.ru_utime + usage.ru_stime
        peak = max(peak, usage.ru_maxrss)
    return time.perf_counter() - start, cpu, peak


def all_cores(commands):
    """The commands (all of one program) as one `xargs -P<cores> -L 1` run:
    every core busy with one of them at a time, the way a user spreads a job
    with xargs. Each command's arguments become one line of quoted words
    (names hold no quotes or new lines), in a file xargs reads."""
    if not commands:
        return []
    with tempfile.NamedTemporaryFile("w", prefix="xargs-", suffix=".txt", delete=False) as lines:
        for command in commands:
            lines.write(" ".join('"%s"' % a for a in command[1:]) + "\n")
    return [["xargs", "-a", lines.name, "-P", str(len(os.sched_getaffinity(0))), "-L", "1",
             commands[0][0]]]


def best(runs, prepare, commands, cwd=None):
    results = []
    for _ in range(runs):
        prepare()
        results.append(run(commands, cwd))
    return min(r[0] for r in results), min(r[1] for r in results), max(r[2] for r in results)


def folder_size(folder):
    return sum(os.path.getsize(os.path.join(folder, n)) for n in os.listdir(folder))


def fresh(folder):
    def prepare():
        shutil.rmtree(folder, ignore_errors=True)
        os.makedirs(folder)
    return prepare


def corpus_arguments(doc, extra=None):
    """Parses --build, --corpus and --runs, and whatever `extra(parser)` adds;
    makes the corpus when missing. Returns (args, build folder, corpus folder)."""
    parser = argparse.ArgumentParser(description=doc, formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("--build", default="build")
    parser.add_argument("--corpus", default=None)
    parser.add_argument("--runs", type=int, default=3)
    if extra is not None:
        extra(parser)
    args = parser.parse_args()
    build = os.path.abspath(args.build)
    corpus = os.path.abspath(args.corpus or os.path.join(build, "bench-corpus"))
    if not os.path.isdir(corpus):
        subprocess.run([os.path.join(build, "bin", "ze_corpus"), corpus], check=True)
    return args, build, corpus


def main():
    args, build, corpus = corpus_arguments(__doc__)
    driver = os.path.join(build, "bin", "ze_bench")
    for tool in ("zip", "unzip"):
        if shutil.which(tool) is None:
            sys.exit(tool + " is not installed")

    files = sorted(os.path.relpath(os.path.join(d, n), corpus)
                   for d, _, names in os.walk(corpus) for n in names if not d.startswith(os.path.join(corpus, "tree")))
    corpus_bytes = sum(os.path.getsize(os.path.join(d, n)) for d, _, names in os.walk(corpus) for n in names)
    each_bytes = sum(os.path.getsize(os.path.join(corpus, f)) for f in files)
    work = tempfile.mkdtemp(prefix="ze-bench-")
    try:
        file_list = os.path.join(work, "files.txt")
        with open(file_list, "w") as out:
            out.write("\n".join(files) + "\n")
        engine_each, zip_each = os.path.join(work, "engine-each"), os.path.join(work, "zip-each")
        engine_tree, zip_tree = os.path.join(work, "engine-tree.zip"), os.path.join(work, "zip-tree.zip")

        results = {}
        results["each", "engine"] = best(args.runs, fresh(engine_each),
                                         [[driver, "zip-each", file_list, engine_each, "8"]], corpus)
        results["each", "peer"] = best(args.runs, fresh(zip_each),
                                       [["zip", "-8", "-q", os.path.join(zip_each, "%d.zip" % i), f]
                                        for i, f in enumerate(files)], corpus)

        def remove(path):
            return lambda: os.path.exists(path) and os.remove(path)
        results["tree", "engine"] = best(args.runs, remove(engine_tree), [[driver, "zip-tree", engine_tree, "8"]], corpus)
        results["tree", "peer"] = best(args.runs, remove(zip_tree), [["zip", "-r", "-8", "-q", zip_tree, "."]], corpus)

        archives = [os.path.join(engine_each, n) for n in sorted(os.listdir(engine_each))] + [engine_tree]
        archive_list = os.path.join(work, "archives.txt")
        with open(archive_list, "w") as out:
            out.write("\n".join(archives) + "\n")
        results["test", "engine"] = best(args.runs, lambda: None, [[driver, "test", archive_list]])
        results["test", "peer"] = best(args.runs, lambda: None, [["unzip", "-tq", a] for a in archives])

        sizes = {
            "each": (folder_size(engine_each), folder_size(zip_each)),
            "tree": (os.path.getsize(engine_tree), os.path.getsize(zip_tree)),
        }
    finally:
        shutil.rmtree(work, ignore_errors=True)

    print("corpus: %s, %.1f MB in %d files (%d compressed one by one)" %
          (corpus, corpus_bytes / 1e6, sum(len(n) for _, _, n in os.walk(corpus)), len(files)))
    print("cores available: %d, load average %.2f, fastest of %d runs" %
          (len(os.sched_getaffinity(0)), os.getloadavg()[0], args.runs))
    labels = {"each": ("per-file, level 8", "zip -8"), "tree": ("recursive, level 8", "zip -r -8"),
              "test": ("testing", "unzip -tq")}
    ok = True
    print("%-20s %10s %10s %9s %10s %10s %9s %8s" %
          ("", "engine s", "peer s", "speed", "engine cpu", "peer cpu", "cpu", "size"))
    for step in ("each", "tree", "test"):
        engine, peer = results[step, "engine"], results[step, "peer"]
        speed, cpu = peer[0] / engine[0], peer[1] / engine[1]
        size = "%.2f%%" % (100.0 * sizes[step][0] / sizes[step][1]) if step in sizes else "-"
        print("%-20s %10.2f %10.2f %8.2fx %10.2f %10.2f %8.2fx %8s   (peer: %s)" %
              (labels[step][0], engine[0], peer[0], speed, engine[1], peer[1], cpu, size, labels[step][1]))
        ok &= speed >= TARGETS[step]
        if step == "each":
            ok &= sizes[step][0] <= 1.01 * sizes[step][1]
    peak = max(results[s, "engine"][2] for s in ("each", "tree", "test"))
    print("peak memory: engine %.1f MB; zip %.1f MB; unzip %.1f MB" %
          (peak / 1024, max(results["each", "peer"][2], results["tree", "peer"][2]) / 1024,
           results["test", "peer"][2] / 1024))
    ok &= peak < MEMORY_LIMIT_KB
    print("throughput of per-file zip: engine %.1f MB/s, zip %.1f MB/s" %
          (each_bytes / 1e6 / results["each", "engine"][0], each_bytes / 1e6 / results["each", "peer"][0]))
    print("targets (per-file >= 2.5x and <= 101%% size, recursive >= 4x, testing >= 1x, memory < 1.5 GiB): %s" %
          ("met" if ok else "NOT met"))
    return 0


if __name__ == "__main__":
    sys.exit(main())
