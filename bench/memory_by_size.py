#!/usr/bin/env python3
"""Peak memory of every job on one file of each size, beside zip and unzip.

    bench/memory_by_size.py [--build build] [--sizes 50,200,600,1500] [--kinds random,text]
                            [--work FOLDER] [--no-window]

For each size (MiB) and kind of content (random bytes from /dev/urandom, or
text: this machine's C headers repeated, which deflate shrinks to about a
fifth), one file is made in a scratch folder and each job runs on it alone:
  - tovrane-batch zip, test, rezip, unzip (each on the previous one's result);
  - the window offscreen (window_bench --step) zip, Zip Testing Tool, rezip,
    unzip, when window_bench was built;
  - zip -q, unzip -t, unzip -o on the same file and archive, as peers.
While a job runs its /proc/PID/status is read every few milliseconds. It
prints per job the peak RssAnon (the program's own memory: heap, stacks,
anonymous maps), the peak RssFile (pages of the program's libraries and of
mapped files, which the page cache holds anyway) and VmHWM (the peak of
both, what /usr/bin/time -v reports as maximum resident size). Memory that
grows with the size shows as a peak RssAnon that keeps rising from one size
to the next; memory bounded by a budget levels off.
"""
import argparse
import os
import shutil
import subprocess
import tempfile
import time

FIELDS = ("RssAnon", "RssFile", "VmHWM")


def status(pid):
    values = {}
    try:
        with open(f"/proc/{pid}/status") as text:
            for line in text:
                name, _, rest = line.partition(":")
                if name in FIELDS:
                    values[name] = int(rest.split()[0]) // 1024  # MiB
    except (FileNotFoundError, ProcessLookupError, ValueError):
        pass
    return values


def peak(command, cwd=None, env=None):
    """Runs `command`; returns its peak RssAnon, RssFile and VmHWM in MiB and its seconds."""
    started = time.monotonic()
    process = subprocess.Popen(command, cwd=cwd, env=env, stdout=subprocess.DEVNULL,
                               stderr=subprocess.PIPE)
    highest = dict.fromkeys(FIELDS, 0)
    while process.poll() is None:
        for name, value in status(process.pid).items():
            highest[name] = max(highest[name], value)
        time.sleep(0.004)
    seconds = time.monotonic() - started
    errors = process.stderr.read().decode(errors="replace")
    if process.returncode not in (0, 1):
        raise SystemExit(f"{command[0]} failed ({process.returncode}): {errors}")
    return highest, seconds


def make_file(path, size_mib, kind):
    size = size_mib << 20
    if kind == "random":
        with open("/dev/urandom", "rb") as source, open(path, "wb") as target:
            while size > 0:
                size -= target.write(source.read(min(size, 8 << 20)))
        return
    headers = b""
    for folder, _, names in os.walk("/usr/include"):
        for name in sorted(names):
            if name.endswith(".h") and len(headers) < (20 << 20):
                with open(os.path.join(folder, name), "rb") as header:
                    headers += header.read()
    headers = headers[:20 << 20]
    with open(path, "wb") as target:
        while size > 0:
            size -= target.write(headers[:size])


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--build", default="build")
    parser.add_argument("--sizes", default="50,200,600,1500")
    parser.add_argument("--kinds", default="random,text")
    parser.add_argument("--work", default=None)
    parser.add_argument("--no-window", action="store_true")
    arguments = parser.parse_args()
    binaries = os.path.abspath(os.path.join(arguments.build, "bin"))
    batch = os.path.join(binaries, "tovrane-batch")
    window = os.path.join(os.path.abspath(arguments.build), "bench", "window", "window_bench")
    if not os.path.exists(window):
        window = os.path.join(binaries, "window_bench")
    use_window = not arguments.no_window and os.path.exists(window)
    window_env = dict(os.environ, QT_QPA_PLATFORM="offscreen")

    print(f"load: {os.getloadavg()[0]:.2f} {os.getloadavg()[1]:.2f} on {os.cpu_count()} cores")
    print(f"{'job':34} {'MiB':>5} {'kind':6} {'RssAnon':>8} {'RssFile':>8} {'VmHWM':>6} {'s':>6}")
    work = tempfile.mkdtemp(prefix="memory-by-size-", dir=arguments.work)
    try:
        for kind in arguments.kinds.split(","):
            for size in (int(s) for s in arguments.sizes.split(",")):
                original = os.path.join(work, f"original-{kind}-{size}")
                make_file(original, size, kind)
                results = []

                def run(job, command, cwd=None, env=None):
                    highest, seconds = peak(command, cwd, env)
                    print(f"{job:34} {size:5} {kind:6} {highest['RssAnon']:8} "
                          f"{highest['RssFile']:8} {highest['VmHWM']:6} {seconds:6.1f}", flush=True)
                    results.append((job, highest))

                def fresh(name):
                    folder = os.path.join(work, name)
                    shutil.rmtree(folder, ignore_errors=True)
                    os.makedirs(folder)
                    os.link(original, os.path.join(folder, "data.bin"))
                    return folder

                folder = fresh("peer")
                run("zip -q", ["zip", "-q", "data.zip", "data.bin"], cwd=folder)
                run("unzip -t", ["unzip", "-tq", "data.zip"], cwd=folder)
                os.remove(os.path.join(folder, "data.bin"))
                run("unzip -o", ["unzip", "-oq", "data.zip"], cwd=folder)

                folder = fresh("batch")
                run("tovrane-batch zip", [batch, "zip", "-q", "--delete-originals",
                                          os.path.join(folder, "data.bin")])
                archive = os.path.join(folder, "data.zip")
                run("tovrane-batch test", [batch, "test", "-q", archive])
                run("tovrane-batch rezip", [batch, "rezip", "-q", archive])
                run("tovrane-batch unzip", [batch, "unzip", "-q", "--delete-zips", archive])

                if use_window:
                    folder = fresh("window")
                    for step in ("zip", "zip-testing-tool-archives", "rezip", "unzip"):
                        run(f"window {step}", [window, "--step", step, folder], env=window_env)
                shutil.rmtree(os.path.join(work, "peer"), ignore_errors=True)
                shutil.rmtree(os.path.join(work, "batch"), ignore_errors=True)
                shutil.rmtree(os.path.join(work, "window"), ignore_errors=True)
                os.remove(original)
    finally:
        shutil.rmtree(work, ignore_errors=True)


if __name__ == "__main__":
    main()
