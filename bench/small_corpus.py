"""A corpus of many small files taken from this machine: C headers (source),
message catalogs, PNG and SVG icons, each file under 64 KiB, about 3,800 in
four folders (one batch each). Names are made unique per folder, so no two
files share an archive name.

    python3 bench/small_corpus.py build/small-corpus
"""
import os
import shutil
import sys

# (folder, root, extension, files wanted)
SOURCES = [
    ("source", "/usr/include", ".h", 1000),
    ("catalogs", "/usr/share/locale", ".mo", 1000),
    ("png", "/usr/share/icons", ".png", 1200),
    ("svg", "/usr/share/icons", ".svg", 600),
]
LARGEST = 64 * 1024


def candidates(root, extension):
    found = []
    for folder, _, names in os.walk(root):
        for name in names:
            path = os.path.join(folder, name)
            if name.endswith(extension) and os.path.isfile(path) and not os.path.islink(path) \
                    and 0 < os.path.getsize(path) < LARGEST:
                found.append(path)
    return sorted(found)


def make_small_corpus(target):
    """Makes `target` when missing; returns it."""
    if os.path.isdir(target):
        return target
    partial = target + ".partial"
    shutil.rmtree(partial, ignore_errors=True)
    for folder, root, extension, wanted in SOURCES:
        found = candidates(root, extension)
        # Spread over the whole tree rather than the first folder's files.
        step = max(1, len(found) // wanted)
        chosen = found[::step][:wanted]
        out = os.path.join(partial, folder)
        os.makedirs(out)
        for i, path in enumerate(chosen):
            shutil.copyfile(path, os.path.join(out, "%04d-%s" % (i, os.path.basename(path))))
    os.rename(partial, target)
    return target


if __name__ == "__main__":
    made = make_small_corpus(sys.argv[1] if len(sys.argv) > 1 else "build/small-corpus")
    count = total = 0
    for folder, _, names in os.walk(made):
        count += len(names)
        total += sum(os.path.getsize(os.path.join(folder, n)) for n in names)
    print("%s: %d files, %.1f MB" % (made, count, total / 1e6))
