#!/usr/bin/env python3
"""libdeflate's levels against zlib's, as the engine uses them.

    bench/levels_vs_zlib.py [--build build] [--corpus build/mixed-corpus]

Makes a mixed corpus from files of this machine if it is missing (one
folder per class: source text, executables and libraries, documents, already
compressed data), then runs ze_levels on it. ze_levels prints, for each of
zlib's levels 1 to 9 (what `zip -1` .. `zip -9` use), the fastest libdeflate
level that is no larger than zlib's on every class within 0.5 % and no larger
in total, with size and speed ratios per class, and the level map that the
engine's table (LevelMap.h) should hold. The same corpus serves
bench/batch_vs_zip.py --corpus build/mixed-corpus.
"""
import argparse
import os
import shutil
import subprocess
import sys

MB = 1 << 20

# class: (roots, file test, budget in bytes)
CLASSES = {
    "source": (["/usr/include", "/usr/share/perl5", "/usr/lib/python3"],
               lambda n: n.endswith((".h", ".hpp", ".c", ".cpp", ".py", ".pm", ".pl")), 24 * MB),
    "binaries": (["/usr/bin", "/usr/lib/x86_64-linux-gnu", "/usr/libexec"],
                 None, 48 * MB),
    "documents": (["/usr/share/doc", "/usr/share/common-licenses", "/usr/share/help",
                   "/usr/share/xml", "/usr/share/i18n", "/usr/share/X11"],
                  lambda n: not n.endswith((".gz", ".xz", ".bz2", ".zip", ".png", ".jpg", ".svgz")),
                  24 * MB),
    "compressed": (["/usr/share", "/usr/lib"],
                   lambda n: n.endswith((".gz", ".xz", ".bz2", ".png", ".jpg", ".zip", ".jar", ".zst")),
                   24 * MB),
}


def is_elf(path):
    try:
        with open(path, "rb") as f:
            return f.read(4) == b"\x7fELF"
    except OSError:
        return False


def make_corpus(corpus):
    """Copies files in a fixed order until each class has its budget; every
    class takes files from 1 KiB to 12 MiB, so some span several chunks."""
    for name, (roots, wanted, budget) in CLASSES.items():
        target = os.path.join(corpus, name)
        os.makedirs(target, exist_ok=True)
        taken = count = 0
        for root in roots:
            for folder, dirs, files in os.walk(root):
                dirs.sort()
                for n in sorted(files):
                    path = os.path.join(folder, n)
                    if os.path.islink(path) or not os.path.isfile(path):
                        continue
                    size = os.path.getsize(path)
                    if size < 1024 or size > 12 * MB or taken + size > budget:
                        continue
                    if wanted is not None and not wanted(n):
                        continue
                    if wanted is None and not is_elf(path):
                        continue
                    try:
                        shutil.copyfile(path, os.path.join(target, "%04d_%s" % (count, n)))
                    except OSError:
                        continue
                    taken += size
                    count += 1
                if taken > budget * 0.98:
                    break
            if taken > budget * 0.98:
                break


def main():
    parser = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("--build", default="build")
    parser.add_argument("--corpus", default=None)
    args = parser.parse_args()
    build = os.path.abspath(args.build)
    corpus = os.path.abspath(args.corpus or os.path.join(build, "mixed-corpus"))
    if not os.path.isdir(corpus):
        make_corpus(corpus)
    print("load %.2f, cores %d" % (os.getloadavg()[0], len(os.sched_getaffinity(0))), flush=True)
    return subprocess.run([os.path.join(build, "bin", "ze_levels"), corpus]).returncode


if __name__ == "__main__":
    sys.exit(main())
