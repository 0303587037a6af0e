#!/usr/bin/env python3
"""What held the window's thread: reads the standard error of

    WINDOW_BENCH_STACKS=1 build/bin/window_bench ... 2>stacks.txt
    bench/stall_stacks.py stacks.txt [--frames 8]

and prints, for every stall over 80 ms, the stacks sampled during it
(innermost frame first, named with addr2line), each with how often it was
seen.
"""
import argparse
import collections
import re
import subprocess

FRAME = re.compile(r"(.*)\((.*)\+(0x[0-9a-f]+)\)\s*\[")


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("stacks")
    parser.add_argument("--frames", type=int, default=8)
    args = parser.parse_args()
    names = {}

    def name(module, offset):
        if (module, offset) not in names:
            out = subprocess.run(["addr2line", "-f", "-C", "-e", module, offset],
                                 capture_output=True, text=True, check=False).stdout.split("\n")
            where = out[1].rsplit("/", 1)[-1] if len(out) > 1 else ""
            names[(module, offset)] = "%s %s" % (out[0][:100], where)
        return names[(module, offset)]

    samples = []  # (ms, frames)
    stalls = []  # (length, end)
    current = None
    for line in open(args.stacks, errors="replace"):
        parts = line.split()
        if len(parts) == 2 and parts[0] == "sample":
            current = (int(parts[1]), [])
            samples.append(current)
        elif len(parts) == 3 and parts[0] == "stall":
            stalls.append((int(parts[1]), int(parts[2])))
            current = None
        elif current is not None:
            match = FRAME.match(line)
            if match:
                current[1].append(match.groups())
    for length, end in stalls:
        print("stall of %d ms" % length)
        seen = collections.Counter()
        for at, frames in samples:
            if end - length <= at <= end:
                # Two frames of the handler itself come first.
                shown = []
                for module, symbol, offset in frames[2:2 + args.frames]:
                    shown.append(symbol if symbol else name(module, offset))
                seen[tuple(shown)] += 1
        for frames, count in seen.most_common():
            print("  seen %d time(s):" % count)
            for frame in frames:
                print("    " + frame)


if __name__ == "__main__":
    main()
