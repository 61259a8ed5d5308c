#!/usr/bin/env python3
"""Whole processes, median of runs: corvix --arrange --export=out.fxg on a chart against
dot -Tplain on the same graph; wall-clock time, and the processor time of each run
(user and system), which a busy machine disturbs less.

    whole_process.py CORVIX CHART.fxg [--runs N]
"""
import argparse
import os
import resource
import statistics
import subprocess
import sys
import tempfile
import time

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import compare  # noqa: E402


def median_seconds(command, runs):
    """Median wall-clock and processor seconds of a run."""
    wall, cpu = [], []
    for _ in range(runs):
        before = resource.getrusage(resource.RUSAGE_CHILDREN)
        start = time.perf_counter()
        subprocess.run(command, check=True, stdout=subprocess.DEVNULL)
        wall.append(time.perf_counter() - start)
        after = resource.getrusage(resource.RUSAGE_CHILDREN)
        cpu.append(after.ru_utime - before.ru_utime + after.ru_stime - before.ru_stime)
    return statistics.median(wall), statistics.median(cpu)


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("corvix")
    parser.add_argument("chart")
    parser.add_argument("--runs", type=int, default=21)
    args = parser.parse_args()
    work = tempfile.mkdtemp()
    dot_file = os.path.join(work, "g.dot")
    compare.write_dot(args.chart, dot_file)
    out = os.path.join(work, "out.fxg")
    corvix = median_seconds([args.corvix, "--arrange", f"--export={out}", args.chart], args.runs)
    dot = median_seconds(["dot", "-Tplain", dot_file], args.runs)
    for what, c, d in (("wall clock", corvix[0], dot[0]), ("processor", corvix[1], dot[1])):
        print(f"{what}: corvix --arrange --export=out.fxg {c * 1000:.1f} ms, dot -Tplain {d * 1000:.1f} ms, "
              f"ratio {c / d:.2f} (median of {args.runs})")


if __name__ == "__main__":
    main()
