#!/usr/bin/env python3
"""Whole processes, median of runs: corvix --arrange --export=out.fxg on a chart against
dot -Tplain on the same graph, and a generated Mermaid flowchart of 60 blocks read,
arranged and written again (corvix --export=out.mmd in.mmd); wall-clock time, and the
processor time of each run (user and system), which a busy machine disturbs less.

    whole_process.py CORVIX CHART.fxg [--runs N] [--mermaid-blocks N]
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
import flowchart_gen  # noqa: E402


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


def write_mermaid(corvix, blocks, work):
    """A generated flowchart of exactly blocks blocks as Mermaid text, by way of corvix: the
    first, by seed, that arranges on one page."""
    drawn = os.path.join(work, "flow.fxg")
    text = os.path.join(work, "flow.mmd")
    for seed in range(1, 50):
        for size in range(blocks, blocks - 5, -1):
            chart = flowchart_gen.generate(seed, size)
            if len(chart.blocks) != blocks:
                continue
            flowchart_gen.write_fxg(drawn, *flowchart_gen.scattered(chart, seed, 0))
            subprocess.run([corvix, f"--export={text}", drawn], check=True)
            again = os.path.join(work, "again.mmd")
            if subprocess.run([corvix, f"--export={again}", text], stderr=subprocess.DEVNULL).returncode == 0:
                return text
    sys.exit(f"the generator makes no flowchart of {blocks} blocks that arranges on one page")


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("corvix")
    parser.add_argument("chart")
    parser.add_argument("--runs", type=int, default=21)
    parser.add_argument("--mermaid-blocks", type=int, default=60)
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
    flow = write_mermaid(args.corvix, args.mermaid_blocks, work)
    mermaid = median_seconds([args.corvix, f"--export={os.path.join(work, 'again.mmd')}", flow], args.runs)
    print(f"corvix --export=out.mmd of {args.mermaid_blocks} Mermaid blocks: wall clock {mermaid[0] * 1000:.1f} ms, "
          f"processor {mermaid[1] * 1000:.1f} ms (median of {args.runs})")


if __name__ == "__main__":
    main()
